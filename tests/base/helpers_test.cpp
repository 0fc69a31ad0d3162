#include "base/colour.h"
#include "base/digits.h"
#include "base/paths.h"
#include "base/sjis.h"
#include "base/tabs.h"
#include "base/units.h"

#include <gtest/gtest.h>

using namespace zenpa::base;

TEST(Digits, FullWidthCircledAndTwoColumnFormsReadBack) {
  const std::pair<std::string, const char *> written[] = {
      {zenkaku(0), "０"},     {zenkaku(9), "９"},      {zenkaku(10), "　"},
      {zenkaku(11), "Ｅ"},    {zenkaku(-1), "Ｅ"},     {CircledDigit(1), "①"},
      {CircledDigit(9), "⑨"}, {CircledDigit(0), "　"}, {zenkakuW(7), "　７"},
      {zenkakuW(10), "１０"}, {zenkakuW(99), "９９"},  {zenkakuW(100), " 100"}};
  for (const auto &[got, expected] : written)
    EXPECT_EQ(Sj(expected), got) << expected;
  const std::pair<int, int> read[] = {
      {1, FullWidthDigitValue(Sj("１"))}, {0, FullWidthDigitValue(Sj("①"))},
      {0, FullWidthDigitValue("1")},      {9, CellDigitValue(Sj("⑨"))},
      {5, CellDigitValue(Sj("５"))},      {0, CellDigitValue(Sj("　"))},
      {0, CellDigitValue(Sj("⑩"))}};
  for (const auto &[expected, got] : read)
    EXPECT_EQ(expected, got);
}

TEST(Units, MillimetresAndPixelsRoundHalfAwayFromZero) {
  EXPECT_EQ((std::vector<int>{354, -354, 210, -3, 15, 16}),
            (std::vector<int>{MmToPix(25, 360), MmToPix(-25, 360), PixToMm(2976, 360),
                              RoundHalfAway(-2.5), BAI(12, 125), BAI(11, 150)}));
  EXPECT_EQ("25.0 0.1 -1.0",
            pix2mmfl(354.34, 360) + " " + pix2mmfl(1, 360) + " " + pix2mmfl(-14.17, 360));
}

TEST(Colours, TextIsBlueGreenRed) {
  EXPECT_EQ("$0000FF", ColourToText(RGB(255, 0, 0)));
  EXPECT_EQ(RGB(0x12, 0x34, 0x56), ColourFromText(ColourToText(RGB(0x12, 0x34, 0x56))));
  EXPECT_EQ(255u, ColourFromText("255"));
  for (const char *bad : {"red", "$", ""})
    EXPECT_EQ(0u, ColourFromText(bad)) << bad;
  // Wider values keep their low 24 bits, so they save as they were read.
  EXPECT_EQ("$070809", ColourToText(ColourFromText("$0102070809")));
}

TEST(PathsAndTabs, FullPathExtensionsAndTabStopsCountingBytes) {
  const std::pair<std::string, std::string> rows[] = {
      {"/home/u/a.txt", FullPathOf("a.txt", "/home/u")},
      {"/home/u/a.txt", FullPathOf("a.txt", "/home/u/")},
      {"d/a.txt", FullPathOf("d/a.txt", "/home/u")},
      {"a.zpf", ChangeFileExt("a.txt", ".zpf")},
      {"dir.x/a.zpf", ChangeFileExt("dir.x/a", ".zpf")},
      {"|.nbp|/p|q.nbp|", ExtractFileExt("dir.x/a") + "|" + ExtractFileExt("/p/q.nbp") + "|" +
                              ExtractFileDir("/p/q.nbp") + "|" + ExtractFileName("/p/q.nbp") + "|" +
                              ExtractFileDir("q.nbp")},
      {"a       b", ExpandTabs("a\tb", 8)},
      {Sj("あ") + "  x", ExpandTabs(Sj("あ") + "\tx", 4)},
      {"a\tb", ExpandTabs("a\tb", 0)}};
  for (const auto &[expected, got] : rows)
    EXPECT_EQ(expected, got);
  EXPECT_EQ(8, ExpandedColumn("a\tb", 2, 8));
}
