#!/bin/sh
# Writes the benchmark document: 20,000 lines of Japanese text with puzzle
# grids and page breaks, as Shift-JIS with CR LF (for zenpa) and UTF-8 with
# LF (for paps, which reads form feeds as page breaks too).
# Usage: make_bench_text.sh OUTDIR [LINES]
set -eu
out=${1:?usage: make_bench_text.sh OUTDIR [LINES]}
lines=${2:-20000}
mkdir -p "$out"
awk -v n="$lines" 'BEGIN {
  s[0] = "吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。";
  s[1] = "何でも薄暗いじめじめした所でニャーニャー泣いていた事だけは記憶している。";
  s[2] = "Shift-JIS 文字コードと ASCII 文字が混在する行 1234567890 です。";
  s[3] = "┏━┯━┯━┳━┯━┯━┳━┯━┯━┓";
  s[4] = "┃１│　│３┃　│５│　┃７│　│９┃";
  s[5] = "┗━┷━┷━┻━┷━┷━┻━┷━┷━┛";
  s[6] = "";
  s[7] = "数独の遊び方：空いているマスに１から９までの数字を入れます。";
  for (i = 1; i <= n; i++) {
    if (i % 500 == 0) { printf "\f\n"; continue }
    printf "%s\n", s[i % 8];
  }
}' > "$out/bench_utf8.txt"
sed 's/$/\r/' "$out/bench_utf8.txt" | iconv -f UTF-8 -t CP932 > "$out/bench_sjis.txt"
echo "$out/bench_utf8.txt $out/bench_sjis.txt"
