#!/bin/bash
# Compares zenpa's print path with paps on the same 20,000-line Japanese text:
#  (a) relayout (Check + SetPrn) through bench/layout_bench;
#  (b) `zenpa print` to PDF;
#  (c) paps to PostScript (its own output), and paps | ps2pdf to PDF.
# Reports pages per second of CPU time (user + system, children included),
# output bytes per page and the ratios.
#
# Usage: bench/print_vs_paps.sh [BUILD_DIR] [OUT_DIR]
#   BUILD_DIR holds src/zenpa and bench/layout_bench (a Release build is
#   meant: cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build-release}
out=${2:-/tmp/zenpa_bench}
zenpa=$build/src/zenpa
for tool in "$zenpa" paps ps2pdf pdfinfo; do
  command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 1; }
done

"$here/make_bench_text.sh" "$out" >/dev/null
sjis=$out/bench_sjis.txt
utf8=$out/bench_utf8.txt

# CPU seconds (user + system, waited-for children included) of a command.
cpu() {
  /usr/bin/time -o "$out/time.txt" -f '%U %S' "$@" >/dev/null 2>&1
  awk '{ printf "%.3f", $1 + $2 }' "$out/time.txt"
}

row() { # name pages seconds bytes
  awk -v n="$1" -v p="$2" -v s="$3" -v b="$4" 'BEGIN {
    printf "%-22s %6d pages %8.3f s CPU %9.1f pages/s %10d bytes %8.0f bytes/page\n",
           n, p, s, (s > 0 ? p / s : 0), b, (p > 0 ? b / p : 0) }'
}

echo "== (a) relayout of $(wc -l <"$sjis") lines"
ZENPA_BENCH_SJIS=$sjis "$build/bench/layout_bench" --benchmark_min_time=0.5 2>/dev/null |
  grep -E '^(Benchmark|BM_)'

echo "== (b), (c) printing"
zenpa_s=$(cpu "$zenpa" print "$sjis" --pdf "$out/zenpa.pdf")
zenpa_pages=$(pdfinfo "$out/zenpa.pdf" | awk '/^Pages:/ { print $2 }')
zenpa_bytes=$(stat -c %s "$out/zenpa.pdf")

paps_s=$(cpu sh -c "paps '$utf8' > '$out/paps.ps'")
paps_pages=$(grep -c '^%%Page:' "$out/paps.ps")
paps_bytes=$(stat -c %s "$out/paps.ps")

pdf_s=$(cpu sh -c "paps '$utf8' | ps2pdf - '$out/paps.pdf'")
pdf_pages=$(pdfinfo "$out/paps.pdf" | awk '/^Pages:/ { print $2 }')
pdf_bytes=$(stat -c %s "$out/paps.pdf")

row "zenpa print --pdf" "$zenpa_pages" "$zenpa_s" "$zenpa_bytes"
row "paps (PostScript)" "$paps_pages" "$paps_s" "$paps_bytes"
row "paps | ps2pdf" "$pdf_pages" "$pdf_s" "$pdf_bytes"

awk -v zp="$zenpa_pages" -v zs="$zenpa_s" -v zb="$zenpa_bytes" \
    -v pp="$paps_pages" -v ps="$paps_s" -v qp="$pdf_pages" -v qs="$pdf_s" -v qb="$pdf_bytes" 'BEGIN {
  z = zp / zs; p = pp / ps; q = qp / qs
  printf "speed: zenpa PDF / paps PS = %.2f, zenpa PDF / paps|ps2pdf = %.2f\n", z / p, z / q
  printf "size per page: zenpa PDF / paps|ps2pdf PDF = %.2f\n", (zb / zp) / (qb / qp)
}'
pdftotext -l 1 "$out/zenpa.pdf" - | head -3
