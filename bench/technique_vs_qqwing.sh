#!/bin/sh
# Peer comparison of the grader: the seeded puzzle set of technique_bench
# solved and rated by zenpa's technique sequence and by QQWing.
# Usage: technique_vs_qqwing.sh BUILD_DIR [PUZZLE_FILE]
set -eu
build=${1:?usage: technique_vs_qqwing.sh BUILD_DIR [PUZZLE_FILE]}
puzzles=${2:-$build/technique_puzzles.txt}
"$build/bench/technique_bench" --puzzles="$puzzles" --benchmark_format=console
count=$(wc -l <"$puzzles")
start=$(date +%s%N)
qqwing --solve --stats --nosolution <"$puzzles" >/dev/null
end=$(date +%s%N)
echo "qqwing: $count puzzles solved and rated in $(( (end - start) / 1000000 )) ms," \
  "$(( (end - start) / 1000 / count )) us per puzzle"
