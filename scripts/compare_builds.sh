#!/usr/bin/env bash
# Shows that two builds of zenpa give the same output: run it with the build
# directory of the last good version and that of a changed one. Every command
# below runs with both, and their outputs must be byte-identical:
#   - `sudoku generate` with five seeds, on one thread and on two;
#   - `sudoku grade`, `solve`, `solve --step` and `count --limit 5` over 5,000
#     puzzles;
#   - `drill` with three seeds (addition with hints, subtraction, answers);
#   - `print --pdf` of documents without marks (plain text with tabs and
#     page breaks, puzzle blocks without reductions): the page count and
#     every word's place as `pdftotext -bbox` reads it back; a marked
#     document is shown, not counted.
# Prints one line per comparison and ends with the number of differences;
# exits 1 when there is any.
# Usage: scripts/compare_builds.sh OLD_BUILD_DIR NEW_BUILD_DIR [PUZZLES]
set -euo pipefail
if [ $# -lt 2 ]; then
  echo "usage: scripts/compare_builds.sh OLD_BUILD_DIR NEW_BUILD_DIR [PUZZLES]" >&2
  exit 2
fi
old=$1/src/zenpa
new=$2/src/zenpa
count=${3:-5000}
for z in "$old" "$new"; do
  [ -x "$z" ] || { echo "no zenpa at $z" >&2; exit 2; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
differences=0

# compare NAME COMMAND...: runs COMMAND with "@" replaced by each zenpa.
compare() {
  local name=$1; shift
  local side z args
  for side in old new; do
    z=${!side}
    args=("${@/#@/$z}")
    # Standard output only: progress on standard error follows the clock.
    "${args[@]}" >"$work/$name.$side" 2>/dev/null || echo "exit $?" >>"$work/$name.$side"
  done
  if cmp -s "$work/$name.old" "$work/$name.new"; then
    printf 'same       %s (%s bytes)\n' "$name" "$(wc -c <"$work/$name.new")"
  else
    printf 'DIFFERENT  %s\n' "$name"
    diff "$work/$name.old" "$work/$name.new" | head -n 10
    differences=$((differences + 1))
  fi
}

for seed in 11 2024 31337 777 90210; do
  for j in 1 2; do
    compare "generate-s$seed-j$j" @ sudoku generate -n 40 --seed "$seed" -j "$j" \
      --clues 28 --min 26 --max 32
  done
done
compare generate-symmetric @ sudoku generate -n 20 --seed 5 --symmetry 180 --format nbp
compare generate-text @ sudoku generate -n 3 --seed 5 --format text

"$old" sudoku generate -n "$count" --seed 20261207 -j 2 --clues 24 --min 22 --max 26 \
  >"$work/puzzles.txt" 2>/dev/null
compare grade @ sudoku grade "$work/puzzles.txt"
compare solve-step @ sudoku solve --step "$work/puzzles.txt"
compare solve @ sudoku solve "$work/puzzles.txt"
compare count @ sudoku count --limit 5 "$work/puzzles.txt"

compare drill-add @ drill -n 12 --sheets 3 --hints 2 --seed 1
compare drill-sub @ drill -n 9 --sheets 2 --sub --answers --seed 22
compare drill-hint-digit @ drill -n 20 --sheets 4 --hint-digit --hints 3 --answers --seed 333

# print_pdf NAME DOC: prints DOC with both builds; the page count and every
# word's place as `pdftotext -bbox` reads it back must be the same.
print_pdf() {
  local name=$1 doc=$2 side z
  for side in old new; do
    z=${!side}
    "$z" print "$doc" --pdf "$work/$name.$side.pdf" >/dev/null 2>&1
    pdfinfo "$work/$name.$side.pdf" | grep '^Pages:' >"$work/$name.pdf.$side"
    pdftotext -bbox "$work/$name.$side.pdf" - 2>/dev/null | grep -v '<meta\|<title' >>"$work/$name.pdf.$side"
  done
  cmp -s "$work/$name.pdf.old" "$work/$name.pdf.new"
}

# Documents without marks, and puzzle blocks without reductions, must
# paginate and print exactly as before.
plain="$work/plain.txt"
{
  for i in $(seq 1 150); do printf 'Line %d of a plain document,\twith a tab.\r\n' "$i"; done
  printf '\f\r\n'
  for i in $(seq 1 70); do printf '\x96\x7b\x95\xb6 %d \x8d\x73\x96\xda\x81\x42\r\n' "$i"; done
  printf '\f\r\n\f\r\n'
  printf 'p++ looks like a mark but marks are off\r\n'
} >"$plain"
puzzles="$work/puzzles-plain.txt"
"$old" sudoku generate -n 6 --seed 42 --format text >"$work/grids.txt" 2>/dev/null
{
  for i in 1 2 3; do
    printf '\x81\x40\x81\x99 \x90\x94\x93\xc6 \x81\x99\r\n'
    cat "$work/grids.txt"
    printf '\x81\x40\x81\x40\x81\x40\x81\x40\x81\x40\x81\x40\x81\x40\x81\x40'
    printf '\x81\x40\x81\x40\x81\x40\x81\x40\x81\x40\x81\x40\x81\x40 25-clue\r\n'
    printf '\x97\x56\x82\xd1\x95\xfb\r\n'
  done
} >"$puzzles"
for name in plain puzzles-plain; do
  doc="$work/$name.txt"
  if print_pdf "$name" "$doc"; then
    printf 'same       print-%s (%s)\n' "$name" "$(head -n 1 "$work/$name.pdf.new")"
  else
    printf 'DIFFERENT  print-%s\n' "$name"
    diff "$work/$name.pdf.old" "$work/$name.pdf.new" | head -n 10
    differences=$((differences + 1))
  fi
done

# A document with size, colour, indent and line-spacing marks and a page
# break. Marked pages hold what fits their height since the pagination knows
# mark sizes, so this one is shown for its page counts, not counted.
doc="$work/marked.txt"
{
  printf 'Plain line before any mark.\r\n'
  printf 'p++ $0000FF m50\r\n'
  for i in $(seq 1 30); do printf 'Larger red indented line %d.\r\n' "$i"; done
  printf 'p- %%50\r\n'
  for i in $(seq 1 40); do printf 'Smaller line %d with wider spacing.\r\n' "$i"; done
  printf '\f\r\n'
  printf 'p= c= m= %%=\r\n'
  for i in $(seq 1 60); do printf 'Back to the format %d.\r\n' "$i"; done
} >"$doc"
printf '\x81\xa6\x8f\x91\x8e\xae\r\n1,\x95\xb6\x8e\x9a\x8a\x67\x8f\x6b\x83\x7d\x81\x5b\x83\x4e\x81\x40\x81\x40\x31\x2e\x97\x4c\x8c\xf8\x81\x40\x30\x2e\x96\xb3\x8c\xf8\r\n' \
  >"$work/marked.zpf"
if print_pdf marked "$doc"; then
  printf 'same       print-marks (%s)\n' "$(head -n 1 "$work/marked.pdf.new")"
else
  printf 'changed    print-marks (%s, before %s)\n' "$(head -n 1 "$work/marked.pdf.new")" \
    "$(head -n 1 "$work/marked.pdf.old")"
fi

echo "$differences differences"
[ "$differences" -eq 0 ]
