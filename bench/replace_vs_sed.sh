#!/usr/bin/env bash
# Replaces all of a two-character Japanese word ("文字" by "もじ") in a
# 100,000-line document: with the editor's replace-all on the Shift-JIS
# document, and with sed on the same document converted to UTF-8 (in the
# C.UTF-8 locale, which reads characters, and in the C locale, which reads
# bytes). Prints the CPU time of one replace-all of each and the ratios.
# Also the same for a Latin word ignoring case ("ascii" by "Ascii", sed's
# I flag).
# Usage: bench/replace_vs_sed.sh [BUILD_DIR]
#   BUILD_DIR defaults to build-release (a Release build is meant:
#   cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
ninja -C "$build" replace_bench >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bench/make_bench_text.sh "$work" 100000 >/dev/null
utf8="$work/bench_utf8.txt"
sjis="$work/bench_sjis.txt"

# CPU time (user + system) per sed run, averaged over 20 runs, so other
# load on the machine does not count; the benchmark reports CPU time too.
runs=20
sed_ms() {
  /usr/bin/time -o "$work/time.txt" -f '%U %S' env LC_ALL="$1" bash -c \
    "for _ in \$(seq $runs); do sed '$2' '$utf8' >'$work/sed_out.txt'; done"
  awk -v r="$runs" '{ printf "%.2f", ($1 + $2) * 1000 / r }' "$work/time.txt"
}
sed_utf8=$(sed_ms C.UTF-8 's/文字/もじ/g')
sed_c=$(sed_ms C 's/文字/もじ/g')
sed_case=$(sed_ms C.UTF-8 's/ascii/Ascii/gI')
replaced=$(grep -o '文字' "$utf8" | wc -l)

json="$work/bench.json"
ZENPA_BENCH_DOC="$sjis" "$build/bench/replace_bench" --benchmark_format=json \
  --benchmark_out="$json" --benchmark_out_format=json >/dev/null
python3 - "$json" "$sed_utf8" "$sed_c" "$replaced" "$(stat -c %s "$sjis")" "$sed_case" <<'PY'
import json, sys
data = json.load(open(sys.argv[1]))
sed_utf8, sed_c, sed_case = float(sys.argv[2]), float(sys.argv[3]), float(sys.argv[6])
print(f"document: 100,000 lines, {sys.argv[5]} bytes of Shift-JIS, {sys.argv[4]} occurrences")
times = {b["name"]: b["cpu_time"] for b in data["benchmarks"]}
for b in data["benchmarks"]:
    done = f"  ({int(b['replaced'])} replaced)" if "replaced" in b else ""
    print(f"  {b['name']:<28} {b['cpu_time']:8.2f} ms{done}")
print(f"  {'sed (C.UTF-8), file to file':<28} {sed_utf8:8.2f} ms")
print(f"  {'sed (C), file to file':<28} {sed_c:8.2f} ms")
print(f"  {'sed ignoring case (C.UTF-8)':<28} {sed_case:8.2f} ms")
editor = times["BM_ReplaceAllInEditor"]
whole = times["BM_ReplaceAllFileToFile"]
print(f"replace all in the editor / sed C.UTF-8: {editor / sed_utf8:.2f}x, / sed C: {editor / sed_c:.2f}x")
print(f"ignoring case / sed ignoring case: {times['BM_ReplaceAllIgnoringCase'] / sed_case:.2f}x")
print(f"file to file / sed C.UTF-8: {whole / sed_utf8:.2f}x, / sed C: {whole / sed_c:.2f}x")
PY
