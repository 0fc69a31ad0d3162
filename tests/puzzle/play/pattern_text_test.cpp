#include "base/sjis.h"
#include "puzzle/play/pattern_text.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zenpa::play {
namespace {

long OpenCount(const PatternReading &r) { return std::count(r.open.begin(), r.open.end(), true); }

TEST(PatternText, NineRowsPlainWithSpacesAndFullWidthDigits) {
  std::string text;
  for (int r = 0; r < 9; ++r)
    text += (r == 0 ? "1 . 3 0 5 - 7 _ 9" : ".........") + std::string("\r\n");
  PatternReading p = ReadPattern(text);
  EXPECT_EQ(81 - 5, OpenCount(p));
  EXPECT_TRUE(p.open[1]);
  p = ReadPattern(base::Sj("１２３４５６７８９") + "\r\n" + std::string(72, '.'));
  EXPECT_EQ(72, OpenCount(p));
}

TEST(PatternText, CsvRowsWithAMissingNinthCell) {
  std::string text;
  for (int r = 0; r < 9; ++r)
    text += "1,,,,,,,,\r\n"; // eight separators: ninth cell empty
  PatternReading p = ReadPattern(text);
  EXPECT_EQ(72, OpenCount(p));
  EXPECT_FALSE(p.open[9]);
}

TEST(PatternText, AddressForm) {
  std::string query;
  for (int r = 0; r < 9; ++r)
    query += r == 4 ? ".----5----/" : ".---------/";
  PatternReading p = ReadPattern("http://sudoku.example.org/sudoku/?" + query);
  EXPECT_EQ(80, OpenCount(p));
  EXPECT_FALSE(p.open[4 * 9 + 4]);
  EXPECT_EQ(PatternFault::BadCharacter,
            ReadPattern("http://h/sudoku/?.----------/").fault); // a tenth cell
}

TEST(PatternText, FaultsAndTheirMessages) {
  EXPECT_EQ(PatternFault::TooShort, ReadPattern("123").fault);
  EXPECT_EQ(PatternFault::BadCharacter, ReadPattern("12x").fault);
  EXPECT_EQ(base::Sj("パターンデータにエラーがあります"),
            PatternFaultMessage(PatternFault::BadCharacter));
}

} // namespace
} // namespace zenpa::play
