#include "base/colour.h"
#include "base/digits.h"
#include "base/paths.h"
#include "base/sjis.h"
#include "base/tabs.h"
#include "base/units.h"

#include <gtest/gtest.h>

using namespace zenpa::base;

TEST(Digits, FullWidthAndCircledForms) {
  EXPECT_EQ(Sj("０"), zenkaku(0));
  EXPECT_EQ(Sj("９"), zenkaku(9));
  EXPECT_EQ(Sj("　"), zenkaku(10));
  EXPECT_EQ(Sj("Ｅ"), zenkaku(11));
  EXPECT_EQ(Sj("Ｅ"), zenkaku(-1));
  EXPECT_EQ(Sj("①"), CircledDigit(1));
  EXPECT_EQ(Sj("⑨"), CircledDigit(9));
  EXPECT_EQ(Sj("　"), CircledDigit(0));
}

TEST(Digits, TwoColumnNumbers) {
  EXPECT_EQ(Sj("　７"), zenkakuW(7));
  EXPECT_EQ(Sj("１０"), zenkakuW(10));
  EXPECT_EQ(Sj("９９"), zenkakuW(99));
  EXPECT_EQ(" 100", zenkakuW(100));
}

TEST(Digits, ReadingCellCharacters) {
  EXPECT_EQ(1, FullWidthDigitValue(Sj("１")));
  EXPECT_EQ(0, FullWidthDigitValue(Sj("０")));
  EXPECT_EQ(0, FullWidthDigitValue(Sj("①")));
  EXPECT_EQ(0, FullWidthDigitValue("1"));
  EXPECT_EQ(9, CellDigitValue(Sj("⑨")));
  EXPECT_EQ(5, CellDigitValue(Sj("５")));
  EXPECT_EQ(0, CellDigitValue(Sj("　")));
  EXPECT_EQ(0, CellDigitValue(Sj("⑩")));
}

TEST(Units, MillimetresAndPixelsRoundHalfAwayFromZero) {
  EXPECT_EQ(354, MmToPix(25, 360)); // 25 * 360 / 25.399 = 354.34
  EXPECT_EQ(2976, MmToPix(210, 360));
  EXPECT_EQ(210, PixToMm(2976, 360));
  EXPECT_EQ(-354, MmToPix(-25, 360));
  EXPECT_EQ("25.0", pix2mmfl(354.34, 360));
  EXPECT_EQ("0.1", pix2mmfl(1, 360)); // 0.0706 mm
  EXPECT_EQ("-1.0", pix2mmfl(-14.17, 360));
  EXPECT_EQ(3, RoundHalfAway(2.5));
  EXPECT_EQ(-3, RoundHalfAway(-2.5));
  EXPECT_EQ(15, BAI(12, 125));
  EXPECT_EQ(16, BAI(11, 150));
}

TEST(Colours, TextIsBlueGreenRed) {
  EXPECT_EQ("$0000FF", ColourToText(RGB(255, 0, 0)));
  EXPECT_EQ(RGB(255, 0, 0), ColourFromText("$0000FF"));
  EXPECT_EQ(RGB(0x12, 0x34, 0x56), ColourFromText(ColourToText(RGB(0x12, 0x34, 0x56))));
  EXPECT_EQ(255u, ColourFromText("255"));
  EXPECT_EQ(0u, ColourFromText("red"));
  EXPECT_EQ(0u, ColourFromText("$"));
  EXPECT_EQ(0u, ColourFromText(""));
  // Wider values keep their low 24 bits, so they save as they were read.
  EXPECT_EQ(RGB(0x09, 0x08, 0x07), ColourFromText("$0102070809"));
  EXPECT_EQ("$070809", ColourToText(ColourFromText("$0102070809")));
}

TEST(Paths, FullPathAndExtensions) {
  EXPECT_EQ("/home/u/a.txt", FullPathOf("a.txt", "/home/u"));
  EXPECT_EQ("/home/u/a.txt", FullPathOf("a.txt", "/home/u/"));
  EXPECT_EQ("d/a.txt", FullPathOf("d/a.txt", "/home/u"));
  EXPECT_EQ("a.zpf", ChangeFileExt("a.txt", ".zpf"));
  EXPECT_EQ("dir.x/a.zpf", ChangeFileExt("dir.x/a", ".zpf"));
  EXPECT_EQ("", ExtractFileExt("dir.x/a"));
  EXPECT_EQ(".nbp", ExtractFileExt("/p/q.nbp"));
  EXPECT_EQ("/p", ExtractFileDir("/p/q.nbp"));
  EXPECT_EQ("q.nbp", ExtractFileName("/p/q.nbp"));
  EXPECT_EQ("", ExtractFileDir("q.nbp"));
}

TEST(Tabs, ExpandToTheNextStopCountingBytes) {
  EXPECT_EQ("a       b", ExpandTabs("a\tb", 8));
  EXPECT_EQ(Sj("あ") + "  x", ExpandTabs(Sj("あ") + "\tx", 4));
  EXPECT_EQ("    ", ExpandTabs("\t", 4));
  EXPECT_EQ(8, ExpandedColumn("a\tb", 2, 8));
  EXPECT_EQ("a\tb", ExpandTabs("a\tb", 0));
}
