#!/bin/bash
# Grading side by side with QQWing, in one run: `zenpa sudoku grade` against
# `qqwing --solve --stats --one-line` on the same easy and medium puzzles, CPU
# seconds as the median of five runs, and the ratio of QQWing's time over
# zenpa's (above 1: zenpa is faster). With OLD_BUILD_DIR the unchanged build
# is timed on the same set too, so that one run shows before and after.
#
# The set is reproducible: zenpa's own generator with a seed (32 givens,
# mostly levels 1 to 3, that is easy and ordinary puzzles); its levels are
# printed with the figures.
#
# Usage: bench/grade_vs_qqwing.sh [BUILD_DIR] [OLD_BUILD_DIR] [COUNT] [SEED]
#   BUILD_DIR holds src/zenpa (a Release build is meant:
#   cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release);
#   COUNT puzzles (default 10000) made with --seed SEED (default 1).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=bench/cpu_seconds.sh
. "$here/cpu_seconds.sh"
build=${1:-$here/../build-release}
old=${2:-}
count=${3:-10000}
seed=${4:-1}
zenpa=$build/src/zenpa
command -v qqwing >/dev/null || { echo "qqwing is not installed (apt-get install qqwing)" >&2; exit 1; }
[ -x "$zenpa" ] || { echo "build zenpa in $build first" >&2; exit 1; }
[ -z "$old" ] || [ -x "$old/src/zenpa" ] || { echo "no zenpa in $old" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$zenpa" sudoku generate -n "$count" --seed "$seed" -j 2 >"$work/puzzles.txt"
puzzles="$work/puzzles.txt"

q=$(cpu_seconds "$puzzles" "$work/qqwing.txt" qqwing --solve --stats --one-line)
z=$(cpu_seconds "$puzzles" "$work/zenpa.txt" "$zenpa" sudoku grade)
[ "$(wc -l <"$work/zenpa.txt")" -eq "$count" ] || echo "warning: zenpa graded $(wc -l <"$work/zenpa.txt") of $count" >&2

echo "$count puzzles of zenpa sudoku generate --seed $seed; CPU seconds, median of five"
printf '%-50s %8.3f s\n' "qqwing --solve --stats --one-line" "$q"
cpu_row "zenpa sudoku grade ($build)" "$z" "$q"
if [ -n "$old" ]; then
  o=$(cpu_seconds "$puzzles" "$work/old.txt" "$old/src/zenpa" sudoku grade)
  cpu_row "zenpa sudoku grade ($old)" "$o" "$q"
  cmp -s "$work/zenpa.txt" "$work/old.txt" && echo "grades: the same from both builds" ||
    echo "grades: the builds DIFFER" >&2
fi
echo "levels (count level):"
cut -f1 "$work/zenpa.txt" | sort -n | uniq -c
