#!/bin/bash
# Shows that `zenpa sudoku show|grade|solve|count` keep their memory flat
# whatever the size of the input: each runs on a small and a large file of
# puzzle lines (10 MB and 100 MB by default) side by side in one run, and
# the peak resident memory of both is printed with their ratio (1.00: flat).
# The time to the first byte of `show` on each file is printed too: the
# batch writes each block of results as soon as it is done.
#
# Usage: bench/sudoku_batch_memory.sh [BUILD_DIR] [SMALL_MB] [LARGE_MB] [THREADS]
set -euo pipefail

build=${1:-build}
small_mb=${2:-10}
large_mb=${3:-100}
threads=${4:-2}
zenpa="$build/src/zenpa"
work=${TMPDIR:-/tmp}/zenpa_batch_memory
mkdir -p "$work"

[[ -x "$zenpa" ]] || { echo "no $zenpa: build the zenpa target first" >&2; exit 1; }
[[ -x /usr/bin/time ]] || { echo "needs GNU time (/usr/bin/time)" >&2; exit 1; }

# A file of MB megabytes of puzzle lines: an easy one and one that needs the
# trial search, in turn.
make_input() {
  local mb=$1 file="$work/puzzles_${1}mb.txt"
  if [[ ! -s "$file" ]]; then
    yes $'000908230000030006030001840000420000400000980306500020000000002004200591060090400\n100007090030020008009600500005300900010080002600004000300000010040000007007000300' |
      head -c $((mb * 1000 * 1000)) | sed '$d' >"$file"
  fi
  echo "$file"
}

# Peak resident memory in KB of one run.
peak_kb() {
  /usr/bin/time -f %M "$zenpa" sudoku "$1" -j "$threads" "$2" 2>&1 >/dev/null | tail -n 1
}

# Seconds until `show` writes its first byte.
first_byte() {
  local start end
  start=$(date +%s.%N)
  "$zenpa" sudoku show -j "$threads" "$1" 2>/dev/null | head -c 1 >/dev/null || true
  end=$(date +%s.%N)
  echo "$end - $start" | bc
}

small=$(make_input "$small_mb")
large=$(make_input "$large_mb")
printf '%-8s %14s %14s %8s\n' command "${small_mb} MB peak" "${large_mb} MB peak" ratio
for command in show count solve grade; do
  a=$(peak_kb "$command" "$small")
  b=$(peak_kb "$command" "$large")
  printf '%-8s %11d KB %11d KB %8.2f\n' "$command" "$a" "$b" "$(echo "$b / $a" | bc -l)"
done
printf 'show: first byte after %.2f s (%s MB) and %.2f s (%s MB)\n' \
  "$(first_byte "$small")" "$small_mb" "$(first_byte "$large")" "$large_mb"
