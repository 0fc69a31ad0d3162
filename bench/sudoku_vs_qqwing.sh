#!/bin/bash
# Compares `zenpa sudoku` with QQWing on the same seeded puzzles, side by side:
#  grade: `zenpa sudoku grade` against `qqwing --solve --stats`
#  count: `zenpa sudoku count` against `qqwing --solve --count-solutions`
# Both run on one thread. Prints CPU seconds (user + system, so that other
# work on the machine does not count), puzzles per second and the ratio
# (zenpa's rate over QQWing's; above 1 means zenpa is faster).
# Usage: bench/sudoku_vs_qqwing.sh [BUILD_DIR] [PUZZLES] [SEED]
# Build first: ninja -C BUILD_DIR zenpa sudoku_bench (a Release build is fair).
set -euo pipefail
build=${1:-build}
count=${2:-1000}
seed=${3:-20261206}
zenpa="$build/src/zenpa"
maker="$build/bench/sudoku_bench"
command -v qqwing >/dev/null || { echo "qqwing is not installed (apt-get install qqwing)" >&2; exit 1; }
[ -x "$zenpa" ] && [ -x "$maker" ] || { echo "build zenpa and sudoku_bench in $build first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$maker" --write-puzzles "$count" "$seed" >"$work/puzzles.txt"

# CPU seconds (user + system) one command takes, its output going to a file;
# the best of three runs.
seconds() {
  local out=$1; shift
  local best="" t
  for _ in 1 2 3; do
    t=$( { TIMEFORMAT='%U %S'; time "$@" <"$work/puzzles.txt" >"$out"; } 2>&1 | awk '{ print $1 + $2 }')
    if [ -z "$best" ] || [ "$(echo "$t < $best" | bc -l)" = 1 ]; then best=$t; fi
  done
  echo "$best"
}

grade_z=$(seconds "$work/grade_z" "$zenpa" sudoku grade)
grade_q=$(seconds "$work/grade_q" qqwing --solve --stats --one-line)
count_z=$(seconds "$work/count_z" "$zenpa" sudoku count --limit 2)
count_q=$(seconds "$work/count_q" qqwing --solve --count-solutions --one-line)

[ "$(wc -l <"$work/grade_z")" -eq "$count" ] || echo "warning: zenpa graded $(wc -l <"$work/grade_z") of $count" >&2
unique=$(grep -c '^1' "$work/count_z" || true)
qunique=$(grep -c 'unique' "$work/count_q" || true)

rate() { echo "$count / $1" | bc -l; }
printf '%d seeded minimal puzzles (seed %s); zenpa unique: %d, qqwing unique: %d\n' \
  "$count" "$seed" "$unique" "$qunique"
printf '%-6s %-38s %9s %12s\n' task command seconds puzzles/s
printf '%-6s %-38s %9.3f %12.1f\n' grade "zenpa sudoku grade" "$grade_z" "$(rate "$grade_z")"
printf '%-6s %-38s %9.3f %12.1f\n' grade "qqwing --solve --stats" "$grade_q" "$(rate "$grade_q")"
printf '%-6s %-38s %9.3f %12.1f\n' count "zenpa sudoku count --limit 2" "$count_z" "$(rate "$count_z")"
printf '%-6s %-38s %9.3f %12.1f\n' count "qqwing --solve --count-solutions" "$count_q" "$(rate "$count_q")"
printf 'ratio zenpa/qqwing (puzzles per second): grade %.2f, count %.2f\n' \
  "$(echo "$grade_q / $grade_z" | bc -l)" "$(echo "$count_q / $count_z" | bc -l)"
