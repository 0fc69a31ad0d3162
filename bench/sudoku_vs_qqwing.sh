#!/bin/bash
# Compares `zenpa sudoku` with QQWing on the same puzzles, side by side in
# one run. CPU seconds are user + system, so that other work on the machine
# does not count; every figure is the median of five runs.
#
# Seeded minimal puzzles (most of them solved by the techniques):
#  grade: `zenpa sudoku grade` against `qqwing --solve --stats`
#  count: `zenpa sudoku count --limit 2` against `qqwing --solve --count-solutions`
# Two hard sets: seeded minimal puzzles the techniques cannot finish (each
# needs the trial search), and QQWing's own expert puzzles:
#  solve: `zenpa sudoku solve` against `qqwing --solve`
#  count: `zenpa sudoku count --limit 2` against `qqwing --solve --count-solutions`
# zenpa runs single-threaded and with -j 2; QQWing has no threads. The ratio
# is zenpa's rate over QQWing's in CPU time (above 1: zenpa is faster).
# The -j 2 speed-up is zenpa's wall time on one thread over that on two, on
# the hard set read SCALE times more often: a run of a fraction of a second
# would let process start-up and the last puzzles cap it. Wall time counts
# whatever else the machine runs, so the load average is printed beside it.
#
# Usage: [BASE=OTHER_BUILD_DIR] bench/sudoku_vs_qqwing.sh [BUILD_DIR] [PUZZLES] [SEED] [HARD] [ROUNDS] [SCALE]
#   HARD puzzles per hard set (default 1000), each set read ROUNDS times in
#   a row (default 20) so that one run takes long enough to time; the -j
#   runs read it ROUNDS * SCALE times (SCALE default 10).
#   With BASE set, the zenpa of that build (an earlier version, say) solves
#   and counts the hard sets too, in the same run, and its ratios are
#   printed beside the others ("before -> after"); its output must match.
# Build first: ninja -C BUILD_DIR zenpa sudoku_bench (a Release build is fair).
set -euo pipefail
build=${1:-build}
count=${2:-1000}
seed=${3:-20261206}
hard=${4:-1000}
rounds=${5:-20}
scale=${6:-10}
zenpa="$build/src/zenpa"
maker="$build/bench/sudoku_bench"
base=${BASE:+$BASE/src/zenpa}
[ -z "$base" ] || [ -x "$base" ] || { echo "no zenpa at $base" >&2; exit 1; }
command -v qqwing >/dev/null || { echo "qqwing is not installed (apt-get install qqwing)" >&2; exit 1; }
[ -x "$zenpa" ] && [ -x "$maker" ] || { echo "build zenpa and sudoku_bench in $build first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$maker" --write-puzzles "$count" "$seed" >"$work/puzzles.txt"
"$maker" --write-hard "$hard" "$seed" >"$work/stuck1.txt"
qqwing --generate "$hard" --difficulty expert --one-line >"$work/expert1.txt"
for set in stuck expert; do
  for _ in $(seq "$rounds"); do cat "$work/${set}1.txt"; done >"$work/$set.txt"
  for _ in $(seq "$scale"); do cat "$work/$set.txt"; done >"$work/$set-long.txt"
done

median() { sort -g | sed -n 3p; }

# "CPU WALL" seconds of one command reading INPUT, its output going to OUT:
# the medians of five runs.
seconds() {
  local input=$1 out=$2; shift 2
  local runs=()
  for _ in 1 2 3 4 5; do
    runs+=("$( { TIMEFORMAT='%U %S %R'; time "$@" <"$input" >"$out"; } 2>&1 | tail -1)")
  done
  printf '%s\n' "${runs[@]}" | awk '{ print $1 + $2 }' | median | tr '\n' ' '
  printf '%s\n' "${runs[@]}" | awk '{ print $3 }' | median
}

rate() { echo "$1 / $2" | bc -l; }
row() { # task command "CPU WALL" puzzles
  local cpu=${3% *} wall=${3#* }
  printf '%-6s %-44s %8.3f %8.3f %12.1f\n' "$1" "$2" "$cpu" "$wall" "$(rate "$4" "$cpu")"
}
ratio() { echo "${2% *} / ${1% *}" | bc -l; }        # QQWing CPU over zenpa CPU
speedup() { echo "${1#* } / ${2#* }" | bc -l; }     # wall -j 1 over wall -j 2

printf '%-6s %-44s %8s %8s %12s\n' task command cpu-s wall-s puzzles/cpu-s

grade_z=$(seconds "$work/puzzles.txt" "$work/grade_z" "$zenpa" sudoku grade)
grade_q=$(seconds "$work/puzzles.txt" "$work/grade_q" qqwing --solve --stats --one-line)
count_z=$(seconds "$work/puzzles.txt" "$work/count_z" "$zenpa" sudoku count --limit 2)
count_q=$(seconds "$work/puzzles.txt" "$work/count_q" qqwing --solve --count-solutions --one-line)
[ "$(wc -l <"$work/grade_z")" -eq "$count" ] || echo "warning: zenpa graded $(wc -l <"$work/grade_z") of $count" >&2
unique=$(grep -c '^1' "$work/count_z" || true)
qunique=$(grep -c 'unique' "$work/count_q" || true)
printf '%d seeded minimal puzzles (seed %s); zenpa unique: %d, qqwing unique: %d\n' \
  "$count" "$seed" "$unique" "$qunique"
row grade "zenpa sudoku grade" "$grade_z" "$count"
row grade "qqwing --solve --stats" "$grade_q" "$count"
row count "zenpa sudoku count --limit 2" "$count_z" "$count"
row count "qqwing --solve --count-solutions" "$count_q" "$count"
printf 'ratio zenpa/qqwing (CPU): grade %.2f, count %.2f\n' \
  "$(ratio "$grade_z" "$grade_q")" "$(ratio "$count_z" "$count_q")"

for set in stuck expert; do
  input="$work/$set.txt"
  long="$work/$set-long.txt"
  n=$((hard * rounds))
  solve1=$(seconds "$input" "$work/solve1" "$zenpa" sudoku solve)
  solveq=$(seconds "$input" "$work/solveq" qqwing --solve --one-line)
  count1=$(seconds "$input" "$work/count1" "$zenpa" sudoku count --limit 2)
  countq=$(seconds "$input" "$work/countq" qqwing --solve --count-solutions --one-line)
  if [ -n "$base" ]; then
    solveb=$(seconds "$input" "$work/solveb" "$base" sudoku solve)
    countb=$(seconds "$input" "$work/countb" "$base" sudoku count --limit 2)
    cmp -s "$work/solve1" "$work/solveb" || echo "warning: solve differs from $base" >&2
    cmp -s "$work/count1" "$work/countb" || echo "warning: count differs from $base" >&2
  fi
  load_before=$(cut -d' ' -f1-3 /proc/loadavg)
  long_solve1=$(seconds "$long" "$work/long_solve1" "$zenpa" sudoku solve)
  long_solve2=$(seconds "$long" "$work/long_solve2" "$zenpa" sudoku solve -j 2)
  long_count1=$(seconds "$long" "$work/long_count1" "$zenpa" sudoku count --limit 2)
  long_count2=$(seconds "$long" "$work/long_count2" "$zenpa" sudoku count --limit 2 -j 2)
  load_after=$(cut -d' ' -f1-3 /proc/loadavg)
  cmp -s "$work/long_solve1" "$work/long_solve2" || echo "warning: solve -j 2 differs from -j 1" >&2
  cmp -s "$work/long_count1" "$work/long_count2" || echo "warning: count -j 2 differs from -j 1" >&2
  # QQWing writes the answer and, when counting, a line about the count.
  [ "$(grep -c '^[1-9]\{81\}' "$work/solveq")" -eq "$(grep -c '^[1-9]\{81\}' "$work/solve1")" ] ||
    echo "warning: zenpa and qqwing solved different numbers of puzzles" >&2
  echo
  case $set in
  stuck) printf '%d minimal puzzles the techniques cannot finish (seed %s), read %d times\n' \
    "$hard" "$seed" "$rounds" ;;
  expert) printf '%d puzzles of qqwing --generate --difficulty expert, read %d times\n' \
    "$hard" "$rounds" ;;
  esac
  row solve "zenpa sudoku solve" "$solve1" "$n"
  row solve "qqwing --solve" "$solveq" "$n"
  row count "zenpa sudoku count --limit 2" "$count1" "$n"
  row count "qqwing --solve --count-solutions" "$countq" "$n"
  printf 'ratio zenpa/qqwing (CPU): solve %.2f, count %.2f\n' \
    "$(ratio "$solve1" "$solveq")" "$(ratio "$count1" "$countq")"
  if [ -n "$base" ]; then
    row solve "BASE: zenpa sudoku solve" "$solveb" "$n"
    row count "BASE: zenpa sudoku count --limit 2" "$countb" "$n"
    printf 'ratio zenpa/qqwing (CPU), %s -> %s: solve %.2f -> %.2f, count %.2f -> %.2f\n' \
      "$BASE" "$build" "$(ratio "$solveb" "$solveq")" "$(ratio "$solve1" "$solveq")" \
      "$(ratio "$countb" "$countq")" "$(ratio "$count1" "$countq")"
  fi
  printf 'the same set read %d times more, for the threads:\n' "$scale"
  row solve "zenpa sudoku solve" "$long_solve1" "$((n * scale))"
  row solve "zenpa sudoku solve -j 2" "$long_solve2" "$((n * scale))"
  row count "zenpa sudoku count --limit 2" "$long_count1" "$((n * scale))"
  row count "zenpa sudoku count --limit 2 -j 2" "$long_count2" "$((n * scale))"
  printf 'speed-up of -j 2 (wall): solve %.2f, count %.2f (load average %s before, %s after)\n' \
    "$(speedup "$long_solve1" "$long_solve2")" "$(speedup "$long_count1" "$long_count2")" \
    "$load_before" "$load_after"
done
