#!/bin/sh
# qm concord --count beside rg and grep, in one run, on the same 100 MB of
# English text: a rare word, "the", "#th" (digits then th) and "wom?n". Prints
# the hit counts, the times (best of RUNS, default 3) and the ratios.
#
#   bench/concord_vs_grep.sh [release-build-folder]
#
# The build folder needs the qm target (default build/release). The text is
# QM_CONCORD_CORPUS when set, otherwise the English fortune files (Debian
# package fortunes) repeated to 100 MB. Missing ripgrep and fortunes packages
# are installed when running as root.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/release}
qm=$build/bin/qm
[ -x "$qm" ] || { echo "no $qm: build the qm target first" >&2; exit 1; }
runs=${RUNS:-3}

corpus=$("$root/bench/english_corpus.sh" "$build" "${QM_CONCORD_CORPUS:-}")

python3 - "$qm" "$corpus" "$runs" <<'PY'
import os, subprocess, sys, time

qm, corpus, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])
env = dict(os.environ, LC_ALL="C.UTF-8")

def best(cmd):
    t_best, out = None, ""
    for _ in range(runs):
        t0 = time.perf_counter()
        out = subprocess.run(cmd, shell=True, capture_output=True, text=True, env=env).stdout
        t = time.perf_counter() - t0
        t_best = t if t_best is None or t < t_best else t_best
    return t_best, out.strip()

def q(s):
    return "'" + s.replace("'", "'\\''") + "'"

# word as qm types it, and the word for rg and grep (None: no simple peer)
cases = [("xylophone", "xylophone"), ("the", "the"), ("#th", None), ("wom?n", None)]
print(f"corpus: {corpus} ({os.path.getsize(corpus) / 1e6:.0f} MB), best of {runs}")
print(f"{'search':<10} {'qm hits':>9} {'qm s':>7} {'rg hits':>9} {'rg s':>7} {'grep hits':>9} {'grep s':>7} {'qm/rg':>6} {'qm/grep':>7}")
for ours, peer in cases:
    tq, nq = best(f"{q(qm)} concord --count {q(ours)} {q(corpus)}")
    if peer is None:
        # Regular-expression forms of the wildcards, for the counts only.
        rx = {"#th": r"[0-9]+th", "wom?n": "wom.n"}[ours]
        tr, nr = best(f"rg --count-matches -i -w {q(rx)} {q(corpus)}")
        tg, ng = best(f"grep -o -i -w -E {q(rx)} {q(corpus)} | wc -l")
    else:
        tr, nr = best(f"rg --count-matches -i -w {q(peer)} {q(corpus)}")
        tg, ng = best(f"grep -o -i -w {q(peer)} {q(corpus)} | wc -l")
    print(f"{ours:<10} {nq:>9} {tq:>7.2f} {nr or 0:>9} {tr:>7.2f} {ng:>9} {tg:>7.2f} {tq / tr:>6.2f} {tq / tg:>7.2f}")
PY
