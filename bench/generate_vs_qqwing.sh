#!/bin/bash
# Puzzle generation side by side with QQWing, in one run:
#   zenpa sudoku generate -n N --seed S   (target 32 givens, 6 trials, no symmetry)
#   qqwing --generate N
# single-threaded and then with -j 2 (QQWing has no threads: two qqwing
# processes making half the puzzles each). Reports puzzles per
# second of wall time and the ratio, then the levels (graded by zenpa) and
# clue counts of zenpa's puzzles. First, single-threaded CPU seconds (user +
# system, the median of five) of the same two commands and the ratio of
# QQWing's over zenpa's; with OLD_BUILD_DIR the unchanged build is timed
# too, so that one run shows before and after.
#
# Usage: bench/generate_vs_qqwing.sh [BUILD_DIR] [COUNT] [SEED] [OLD_BUILD_DIR]
#   BUILD_DIR holds src/zenpa (a Release build is meant:
#   cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=bench/cpu_seconds.sh
. "$here/cpu_seconds.sh"
build=${1:-$here/../build-release}
count=${2:-200}
seed=${3:-1}
old=${4:-}
zenpa=$build/src/zenpa
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for tool in "$zenpa" qqwing ${old:+"$old/src/zenpa"}; do
  command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 1; }
done

echo "generate -n $count, one thread; CPU seconds, median of five"
q=$(cpu_seconds - "$out/qqwing_cpu.txt" qqwing --generate "$count" --one-line)
printf '%-50s %8.3f s\n' "qqwing --generate $count --one-line" "$q"
z=$(cpu_seconds - "$out/zenpa_cpu.txt" "$zenpa" sudoku generate -n "$count" --seed "$seed")
cpu_row "zenpa sudoku generate ($build)" "$z" "$q"
if [ -n "$old" ]; then
  o=$(cpu_seconds - "$out/old_cpu.txt" "$old/src/zenpa" sudoku generate -n "$count" --seed "$seed")
  cpu_row "zenpa sudoku generate ($old)" "$o" "$q"
  cmp -s "$out/zenpa_cpu.txt" "$out/old_cpu.txt" && echo "puzzles: the same from both builds" ||
    echo "puzzles: the builds DIFFER" >&2
fi

# Wall seconds of a command, its standard output kept in $out/last.txt.
wall() {
  local start end
  start=$(date +%s.%N)
  "$@" >"$out/last.txt" 2>/dev/null
  end=$(date +%s.%N)
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }'
}

rate() { awk -v n="$1" -v s="$2" 'BEGIN { printf "%.1f", n / s }'; }

# Two qqwing processes side by side, half the puzzles each.
qqwing_pair() {
  qqwing --generate $((count / 2)) --one-line &
  qqwing --generate $((count - count / 2)) --one-line
  wait
}

for threads in 1 2; do
  z=$(wall "$zenpa" sudoku generate -n "$count" --seed "$seed" -j "$threads")
  cp "$out/last.txt" "$out/zenpa_$threads.txt"
  if [ "$threads" = 1 ]; then
    q=$(wall qqwing --generate "$count" --one-line)
  else
    q=$(wall qqwing_pair)
  fi
  zr=$(rate "$count" "$z")
  qr=$(rate "$count" "$q")
  printf 'threads %d: zenpa %s puzzles/s (%s s), qqwing %s puzzles/s (%s s), ratio zenpa/qqwing %s\n' \
    "$threads" "$zr" "$z" "$qr" "$q" "$(rate "$zr" "$qr")"
done

echo "zenpa levels (count level):"
"$zenpa" sudoku grade "$out/zenpa_1.txt" | cut -f1 | sort -n | uniq -c
echo "zenpa clue counts (count clues):"
awk '{ n = gsub(/[1-9]/, "&"); print n }' "$out/zenpa_1.txt" | sort -n | uniq -c
