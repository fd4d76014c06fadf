#!/bin/sh
# The concordance scanner beside rg and grep, in one run, on the same 100 MB
# of English text: the scanner on its UTF-16 form with the class array
# (bare_assemb3_bench), rg and grep on the UTF-8 file. Prints the times, the
# counts and the ratios.
#
#   bench/scan_vs_grep.sh [release-build-folder]
#
# The build folder needs the bare_assemb3_bench target (configure with
# -DQM_BUILD_BENCH=ON; default build/release). The text is QM_SCAN_CORPUS when
# set, otherwise the English fortune files (Debian package fortunes) repeated
# to 100 MB. As root, missing ripgrep and fortunes packages are installed.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/release}
bench=$build/bin/bare_assemb3_bench
[ -x "$bench" ] || { echo "no $bench: build the bare_assemb3_bench target first" >&2; exit 1; }

corpus=$("$root/bench/english_corpus.sh" "$build" "${QM_SCAN_CORPUS:-}")
export QM_SCAN_CORPUS=$corpus

json=$build/scan_bench.json
"$bench" --benchmark_format=json --benchmark_out="$json" --benchmark_out_format=json \
    --benchmark_repetitions=3 --benchmark_report_aggregates_only=true >/dev/null

python3 - "$json" "$corpus" <<'EOF'
import json, resource, subprocess, sys, time

report, corpus = sys.argv[1], sys.argv[2]
ours = {}
for b in json.load(open(report))["benchmarks"]:
    if b.get("aggregate_name") == "median":
        name = b["run_name"].split("/")[1]
        ours[name] = (b["cpu_time"], b["real_time"], int(b["hits"]), int(b["words"]))

# Each search as the scanner's entry and as a regular expression for rg and
# grep (-w bounds both ends; -i unless case-sensitive).
searches = [
    ("rare", "saxophone", "saxophone", True),
    ("the", "the", "the", True),
    ("digits_th", "#th", "[0-9]+th", True),
    ("wom_n", "wom?n", "wom.n", True),
    ("in_any_of", "in * of", r"in\s+\S+\s+of", True),
    ("book_unbounded", "book*", r"book\w*", True),
    ("case_sensitive", "==God==", "God", False),
]

def children_cpu():
    r = resource.getrusage(resource.RUSAGE_CHILDREN)
    return (r.ru_utime + r.ru_stime) * 1000

# The best of three runs, in CPU and in wall-clock milliseconds (CPU time is
# the fairer figure on a machine that other work shares).
def best_of(cmd, runs=3):
    cpu = wall = None
    out = ""
    for _ in range(runs):
        c, t = children_cpu(), time.perf_counter()
        out = subprocess.run(cmd, shell=True, capture_output=True, text=True).stdout
        dw, dc = (time.perf_counter() - t) * 1000, children_cpu() - c
        wall = dw if wall is None else min(wall, dw)
        cpu = dc if cpu is None else min(cpu, dc)
    lines = out.strip().splitlines()
    return cpu, wall, lines[-1].strip() if lines else "0"

print("milliseconds of CPU time (wall-clock in brackets): scanner median of three,")
print("rg and grep best of three; the ratios are of CPU times")
print(f"{'search':<15}{'entry':<10}{'scanner':>16}{'hits':>8}{'rg':>16}{'hits':>8}"
      f"{'grep':>17}{'hits':>8}{'scan/rg':>9}{'scan/grep':>10}")
words = 0
for name, entry, regex, ignore_case in searches:
    cpu, wall, hits, words = ours[name]
    i = "-i " if ignore_case else ""
    rg_cpu, rg_wall, rg_n = best_of(f"rg --count-matches {i}-w -e '{regex}' '{corpus}'")
    grep_cpu, grep_wall, grep_n = best_of(f"grep -o {i}-w -E -e '{regex}' '{corpus}' | wc -l")
    print(f"{name:<15}{entry:<10}{cpu:>8.0f} ({wall:>5.0f}){hits:>8}"
          f"{rg_cpu:>8.0f} ({rg_wall:>5.0f}){rg_n:>8}{grep_cpu:>9.0f} ({grep_wall:>5.0f}){grep_n:>8}"
          f"{cpu / rg_cpu:>9.2f}{cpu / grep_cpu:>10.2f}")
print(f"words counted by the scanner on each pass: {words}")
EOF
