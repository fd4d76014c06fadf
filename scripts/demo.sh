#!/bin/sh
# Runs qm on the sample corpus: what `make demo` shows a new user.
set -eu
QM=${1:-build/release/bin/qm}
step() { printf '\n$ qm %s\n' "$*"; "$QM" "$@"; }
step --version
step tools
