#!/bin/sh
# Makes sure rg is installed and prints the path of a ~100 MB English text for
# the benchmark scripts: $2 when given, otherwise the English fortune files
# (Debian package fortunes) repeated to 100 MB, made once in the build folder.
# As root, missing ripgrep and fortunes packages are installed.
#
#   corpus=$(bench/english_corpus.sh BUILD-FOLDER [CORPUS])
set -eu
build=$1
given=${2:-}

need_packages=
command -v rg >/dev/null 2>&1 || need_packages="$need_packages ripgrep"
[ -n "$given" ] || [ -d /usr/share/games/fortunes ] || need_packages="$need_packages fortunes"
if [ -n "$need_packages" ]; then
    if [ "$(id -u)" = 0 ]; then
        DEBIAN_FRONTEND=noninteractive apt-get install -y $need_packages >/dev/null
    else
        echo "please install:$need_packages" >&2
        exit 1
    fi
fi

corpus=${given:-$build/fortunes_corpus_en.txt}
if [ ! -s "$corpus" ]; then
    one=$build/fortunes_corpus_one.txt
    : >"$one"
    for f in /usr/share/games/fortunes/*; do
        case $f in *.dat | *.u8) continue ;; esac
        [ -f "$f" ] && [ ! -L "$f" ] && cat "$f" >>"$one"
    done
    : >"$corpus"
    while [ "$(wc -c <"$corpus")" -lt 104857600 ]; do cat "$one" >>"$corpus"; done
    truncate -s 104857600 "$corpus"
    rm -f "$one"
fi
echo "$corpus"
