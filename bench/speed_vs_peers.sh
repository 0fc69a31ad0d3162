#!/bin/bash
# Every speed figure against its peer in one command: grading and generating
# against QQWing, solving and counting the two hard sets against QQWing, and
# printing to PDF against paps. Each part runs its own side-by-side script
# (CPU medians of five); with OLD_BUILD_DIR the earlier build runs beside
# the new one in the same run, so each ratio reads "before -> after". The
# parts' whole output goes to OUT_DIR/speed.log; the table at the end
# gathers their ratio lines.
#
# Usage: bench/speed_vs_peers.sh [BUILD_DIR] [OLD_BUILD_DIR] [OUT_DIR]
#   BUILD_DIR (default build-release) holds src/zenpa, src/zenpa-desktop,
#   bench/sudoku_bench and bench/layout_bench:
#     cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release
#     ninja -C build-release zenpa zenpa-desktop sudoku_bench layout_bench
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build-release}
old=${2:-}
out=${3:-/tmp/zenpa_speed}
mkdir -p "$out"
log=$out/speed.log
: >"$log"

part() { # TITLE COMMAND...
  local title=$1
  shift
  echo "== $title" | tee -a "$log" >&2
  "$@" 2>&1 | tee -a "$log" >&2
}

part "grade: 10,000 easy and ordinary puzzles" "$here/grade_vs_qqwing.sh" "$build" "$old"
part "generate -n 200" "$here/generate_vs_qqwing.sh" "$build" 200 1 "$old"
part "solve and count --limit 2: two hard sets" env ${old:+BASE="$old"} \
  "$here/sudoku_vs_qqwing.sh" "$build"
part "print --pdf: 20,000 lines of Japanese text" "$here/print_vs_paps.sh" "$build" "$old" "$out/pdf"

echo "== ratios (above 1: zenpa is faster; before -> after where an old build ran)"
awk '/^== / { part = substr($0, 4) }
     /read [0-9]+ times$|seeded minimal puzzles|ratio qqwing\/this|ratio zenpa\/qqwing \(CPU\)|x paps|DIFFER|differs/ { print part ": " $0 }' "$log"
