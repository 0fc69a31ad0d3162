#!/usr/bin/env bash
# Loads, saves and decodes a 100,000-line Shift-JIS document with the
# program's codec, and decodes the same file with iconv -f CP932 -t UTF-8;
# prints both decoding throughputs (bytes per CPU second) and their ratio.
# Usage: bench/document_vs_iconv.sh [BUILD_DIR]
#   BUILD_DIR defaults to build-release (a Release build is meant:
#   cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
ninja -C "$build" document_bench >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
doc="$work/document.txt"
# 100,000 lines of mixed full-width, half-width katakana, ASCII and circled
# digits, converted to Shift-JIS with CR LF line ends.
awk 'BEGIN { for (i = 0; i < 100000; i++)
  printf "%d行目：日本語のテキスト、ｶﾀｶﾅ and ASCII ①②③ 表示確認\r\n", i }' |
  iconv -f UTF-8 -t CP932 >"$doc"
size=$(stat -c %s "$doc")

# CPU time (user + system) of 20 iconv runs, so other load on the machine
# does not count; the benchmark below reports CPU time too.
runs=20
/usr/bin/time -o "$work/time.txt" -f '%U %S' \
  bash -c "for _ in \$(seq $runs); do iconv -f CP932 -t UTF-8 '$doc' >/dev/null; done"
iconv_mbps=$(awk -v b="$size" -v r="$runs" \
  '{ printf "%.1f", b * r / ($1 + $2) / 1e6 }' "$work/time.txt")

json="$work/bench.json"
ZENPA_BENCH_DOC="$doc" "$build/bench/document_bench" --benchmark_format=json \
  --benchmark_out="$json" --benchmark_out_format=json >/dev/null
python3 - "$json" "$iconv_mbps" "$size" <<'PY'
import json, sys
data = json.load(open(sys.argv[1]))
iconv = float(sys.argv[2])
size = int(sys.argv[3])
print(f"document: 100,000 lines, {size} bytes of Shift-JIS")
rates = {}
for b in data["benchmarks"]:
    rate = b["bytes_per_second"] / 1e6
    rates[b["name"]] = rate
    print(f"  {b['name']:<24} {b['cpu_time']:8.1f} ms  {rate:8.1f} MB/s")
print(f"  {'iconv CP932 -> UTF-8':<24} {'':>11}  {iconv:8.1f} MB/s")
codec = rates["BM_ReadAndDecodeToUtf8"]
print(f"codec (read + decode) / iconv: {codec / iconv:.2f}x")
PY
