#!/bin/bash
# Compares zenpa's print path with paps on the same 20,000-line Japanese text:
#  (a) relayout (Check + SetPrn) through bench/layout_bench;
#  (b) `zenpa print` to PDF, of this build and, when given, of another one
#      (the unchanged program, say), against paps to PostScript (its own
#      output). The runs take turns, five of each, so that a change in the
#      machine's load falls on all of them alike; each row shows the median
#      CPU time (user + system, children included), pages per second of it,
#      output bytes per page and the speed as a multiple of paps's;
#  (c) with ZENPA_BENCH_PS2PDF=1, paps | ps2pdf to PDF once (it takes half a
#      minute).
#
# Usage: bench/print_vs_paps.sh [BUILD_DIR] [BASE_BUILD_DIR] [OUT_DIR]
#   BUILD_DIR holds src/zenpa and bench/layout_bench (a Release build is
#   meant: cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release);
#   BASE_BUILD_DIR, when given and not empty, holds the zenpa to compare with.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build-release}
base=${2:-}
out=${3:-/tmp/zenpa_bench}
runs=5
zenpa=$build/src/zenpa
for tool in "$zenpa" ${base:+"$base/src/zenpa"} paps pdfinfo; do
  command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 1; }
done

"$here/make_bench_text.sh" "$out" >/dev/null
sjis=$out/bench_sjis.txt
utf8=$out/bench_utf8.txt

# CPU seconds (user + system of the waited-for children) of a command, to the
# millisecond: bash's `times` prints the children's line second.
cpu() {
  (
    "$@" >/dev/null 2>&1
    times
  ) | awk 'NR == 2 {
    split($1, u, /[ms]/); split($2, s, /[ms]/)
    printf "%.3f", u[1] * 60 + u[2] + s[1] * 60 + s[2] }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

echo "== (a) relayout of $(wc -l <"$sjis") lines"
if [ -x "$build/bench/layout_bench" ]; then
  ZENPA_BENCH_SJIS=$sjis "$build/bench/layout_bench" --benchmark_min_time=0.5 2>/dev/null |
    grep -E '^(Benchmark|BM_)'
else
  echo "(no $build/bench/layout_bench)"
fi

# The programs compared: a name, the command and its output file.
names=("zenpa print --pdf")
commands=("'$zenpa' print '$sjis' --pdf '$out/zenpa.pdf'")
outputs=("$out/zenpa.pdf")
if [ -n "$base" ]; then
  names+=("zenpa print --pdf, base")
  commands+=("'$base/src/zenpa' print '$sjis' --pdf '$out/base.pdf'")
  outputs+=("$out/base.pdf")
fi
names+=("paps (PostScript)")
commands+=("paps '$utf8' > '$out/paps.ps'")
outputs+=("$out/paps.ps")

echo "== (b) printing, median CPU time of $runs turns"
for i in "${!names[@]}"; do : >"$out/times.$i"; done
for _ in $(seq "$runs"); do
  for i in "${!names[@]}"; do
    cpu sh -c "${commands[$i]}" >>"$out/times.$i"
    echo >>"$out/times.$i"
  done
done

pages() {
  case $1 in
  *.pdf) pdfinfo "$1" | awk '/^Pages:/ { print $2 }' ;;
  *) grep -c '^%%Page:' "$1" ;;
  esac
}

paps=$((${#names[@]} - 1))
paps_rate=$(awk -v p="$(pages "${outputs[$paps]}")" -v s="$(median <"$out/times.$paps")" \
  'BEGIN { print p / s }')
for i in "${!names[@]}"; do
  awk -v n="${names[$i]}" -v p="$(pages "${outputs[$i]}")" -v s="$(median <"$out/times.$i")" \
    -v b="$(stat -c %s "${outputs[$i]}")" -v r="$paps_rate" 'BEGIN {
    printf "%-24s %4d pages %7.3f s CPU %8.1f pages/s %6.0f bytes/page %5.2f x paps\n",
           n, p, s, p / s, b / p, p / s / r }'
done

if [ "${ZENPA_BENCH_PS2PDF:-0}" = 1 ]; then
  echo "== (c) paps | ps2pdf, one run"
  s=$(cpu sh -c "paps '$utf8' | ps2pdf - '$out/paps.pdf'")
  awk -v p="$(pages "$out/paps.pdf")" -v s="$s" -v b="$(stat -c %s "$out/paps.pdf")" 'BEGIN {
    printf "%-24s %4d pages %7.3f s CPU %8.1f pages/s %6.0f bytes/page\n",
           "paps | ps2pdf", p, s, p / s, b / p }'
fi
pdftotext -l 1 "$out/zenpa.pdf" - | sed -n 1,3p # all read: no broken pipe
