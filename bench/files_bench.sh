#!/usr/bin/env bash
# Reading corpora, beside the system's own tools in the same run:
#   walking 100,000 files in 1,000 folders    vs  find DIR -type f -printf '%s %T@ %p\n'
#   reading 100 MB of UTF-8 into UTF-16       vs  iconv -f UTF-8 -t UTF-16LE
#   listing a zip archive of 50,000 entries   vs  zipinfo -1
#
# Usage: bench/files_bench.sh [BUILD_DIR]   (default build/release; the
# benchmarks PeruseDir_bench, zipfile_bench and file_utils_bench must be built)
# Needs find, iconv, zipinfo (Debian: unzip) and python3 to make the fixtures.
set -euo pipefail

build=${1:-build/release}
bin=$build/bin
for tool in find iconv zipinfo python3; do
    command -v "$tool" > /dev/null || { echo "files_bench: $tool is missing" >&2; exit 1; }
done
for b in PeruseDir_bench zipfile_bench file_utils_bench; do
    [[ -x $bin/$b ]] || { echo "files_bench: build $bin/$b first" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/qm7_files_bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

echo "making the fixtures in $work ..."
python3 - "$work" <<'PY'
import os, random, sys, zipfile
work = sys.argv[1]
rng = random.Random(7)
# 10 folders of 100 folders, each holding 100 files: 100,000 files, 1,010 folders.
for a in range(10):
    for b in range(100):
        d = os.path.join(work, "tree", "a%d" % a, "b%02d" % b)
        os.makedirs(d)
        for f in range(100):
            with open(os.path.join(d, "text%03d.txt" % f), "w") as out:
                out.write("w" * rng.randrange(1, 200))
# 100 MB of running UTF-8 text.
extra = "\u00e9\u00e8\u00fc\u00e7\u2019\u03b1\u00f1"
words = []
for _ in range(40000):
    words.append("".join(extra[rng.randrange(len(extra))] if rng.random() < 0.05
                         else chr(97 + rng.randrange(26)) for _ in range(rng.randrange(2, 11))))
piece = (" ".join(words) + "\n").encode("utf-8")
with open(os.path.join(work, "text.txt"), "wb") as out:
    written = 0
    while written < 100 * 2**20:
        out.write(piece)
        written += len(piece)
# 50,000 small entries.
with zipfile.ZipFile(os.path.join(work, "many.zip"), "w", zipfile.ZIP_DEFLATED) as z:
    for i in range(50000):
        z.writestr("texts/t%05d.txt" % i, "entry %d" % i)
PY

# Best wall time in milliseconds of a command run N times (after one warm-up).
best_ms() {
    local n=$1
    shift
    "$@" > /dev/null
    local best=
    for ((i = 0; i < n; i++)); do
        local t0 t1
        t0=$(date +%s%N)
        "$@" > /dev/null
        t1=$(date +%s%N)
        local us=$(((t1 - t0) / 1000))
        if [[ -z $best || $us -lt $best ]]; then best=$us; fi
    done
    awk -v us="$best" 'BEGIN { printf "%.1f", us / 1000 }'
}

# Best real time in milliseconds of one benchmark over 5 repetitions (its
# unit is ms), from Google Benchmark's CSV: name,iterations,real_time,...
bench_ms() {
    local program=$1 name=$2
    "$bin/$program" --benchmark_filter="^$name/" --benchmark_repetitions=5 \
        --benchmark_format=csv 2> /dev/null |
        awk -F, -v want="\"${name}/real_time\"" '
            $1 == want && (best == "" || $3 < best) { best = $3 }
            END { printf "%.1f", best }'
}

export QM_BENCH_TREE=$work/tree QM_BENCH_TEXT=$work/text.txt QM_BENCH_ZIP=$work/many.zip
# With TZ unset the C library reads the zone file again at every mktime, which
# libzip calls for every entry it opens; qm names the zone once, as here.
export TZ=${TZ:-:/etc/localtime}

echo "running ..."
find_ms=$(best_ms 5 find "$work/tree" -type f -printf '%s %T@ %p\n')
walk_ms=$(bench_ms PeruseDir_bench BM_WalkTree)
iconv_ms=$(best_ms 3 iconv -f UTF-8 -t UTF-16LE "$work/text.txt")
decode_ms=$(bench_ms file_utils_bench BM_ReadAndDecodeUtf8File)
zipinfo_ms=$(best_ms 5 zipinfo -1 "$work/many.zip")
list_ms=$(bench_ms zipfile_bench BM_ListZipEntries)
records_ms=$(bench_ms PeruseDir_bench BM_ZipEntriesAsFileRecords)

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
echo
printf '%-46s %10s %10s %7s\n' "task (beside)" "ours ms" "tool ms" "ratio"
printf '%-46s %10s %10s %7s\n' "walk 100,000 files, 1,010 folders (find)" "$walk_ms" "$find_ms" \
    "$(ratio "$walk_ms" "$find_ms")"
printf '%-46s %10s %10s %7s\n' "read+decode 100 MB of UTF-8 (iconv)" "$decode_ms" "$iconv_ms" \
    "$(ratio "$decode_ms" "$iconv_ms")"
printf '%-46s %10s %10s %7s\n' "list 50,000 zip entries (zipinfo -1)" "$list_ms" "$zipinfo_ms" \
    "$(ratio "$list_ms" "$zipinfo_ms")"
printf '%-46s %10s %10s %7s\n' "  as file records, first 32,767 (zipinfo -1)" "$records_ms" \
    "$zipinfo_ms" "$(ratio "$records_ms" "$zipinfo_ms")"
echo "(wall-clock times, best of 5 runs for ours and the tools (3 for iconv);"
echo " ratio = ours / tool, below 1 is faster)"
