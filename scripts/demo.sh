#!/bin/sh
# Runs qm on the sample corpus: what `make demo` shows a new user.
set -eu
QM=$(realpath "${1:-build/release/bin/qm}")
step() { printf '\n$ qm %s\n' "$*"; "$QM" "$@"; }
cd "$(dirname "$0")/.."
step --version
step tools
step lemma samples/lemmas_en.txt went kept bees written sea
step lemma samples/lemmas_en.txt --variants keep
step concord --context 30 sea
step concord --format tsv --context 20 "keep*"
