#!/usr/bin/env bash
# Retakes the pictures of the manual (data/manual/*.png) from the real
# window, offscreen: a short Japanese document with the print settings panel
# (window.png) and the print frame's panel (frame.png), a generated puzzle
# with the puzzle panel open (puzzle.png), a drill sheet made from the
# drill panel (drill.png), the same puzzle played in game mode (game.png)
# with its assist window (assist.png), and its print preview (preview.png).
# Run after changing what the window shows.
set -euo pipefail
cd "$(dirname "$0")/.."
ninja -C build zenpa zenpa_manual_screens >/dev/null
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
printf '%s\r\n' '　ＺＥＮＰＡでテキストを印刷する' '' \
  '余白や行送り、字送りを決めて、書いたとおりの位置に印刷します。' \
  '数独や計算ドリルも、この文書の中に作られます。' | iconv -f UTF-8 -t CP932 >"$tmp/doc.txt"
build/src/zenpa sudoku generate -n 1 --seed 7 --format text >"$tmp/puzzle.txt"
build/data/zenpa_manual_screens data/manual "$tmp/doc.txt" "$tmp/puzzle.txt"
echo "manual pictures written to data/manual/" >&2
