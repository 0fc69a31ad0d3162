#include "print/render_text.h"

#include "base/sjis.h"
#include "platform/recording_canvas.h"

#include <gtest/gtest.h>

namespace zenpa::print {
namespace {

using base::Sj;

TEST(PageNumberTest, PadsToTheStartTextWhenItBeginsWithZero) {
  EXPECT_EQ("010", PaddedPageNumber("001", 10));
  EXPECT_EQ("1000", PaddedPageNumber("001", 1000)); // longer numbers are not cut
  EXPECT_EQ("14", PaddedPageNumber("5", 10));
  EXPECT_EQ("2", PaddedPageNumber("0", 3));   // "0" numbers pages from 0
  EXPECT_EQ("3", PaddedPageNumber("abc", 3)); // not a number: counts as 1
  // The field is rewritten in its padded form; the text has the brackets around it.
  EXPECT_EQ("007", NormalizedPageNumberStart("007"));
  EXPECT_EQ("12", NormalizedPageNumberStart(" 12 "));
  settings::PrintFormat f;
  f.pageNumberStart = "001";
  EXPECT_EQ(" (010) ", PageNumberText(f, 10));
  f.pageNumberLeft = "-";
  f.pageNumberRight = "-";
  EXPECT_EQ("-002-", PageNumberText(f, 2));
}

// The header of odd page 3 and even page 4 for each combination of its parts;
// "D" stands for the date, "N" for the page number, "F" for the file name.
TEST(HeaderTextTest, PartsStandFromTheOuterEdge) {
  const std::string sp = Sj("　"), date = "2026/12/06";
  const struct {
    std::string parts;
    settings::PageNumberPos pos;
    std::string brackets, odd, even;
  } cases[] = {
      {"DNF", settings::PageNumberPos::Top, "", date + sp + "doc (3) ", " (4) doc" + sp + date},
      // The blank between name and number is added only when missing.
      {"NF", settings::PageNumberPos::Top, "[]", "doc[3] ", " [4]doc"},
      // A number at the bottom or the right is not in the header.
      {"NF", settings::PageNumberPos::Bottom, "", "doc ", " doc"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.parts + " " + c.brackets);
    settings::PrintFormat f;
    f.printDate = c.parts.find('D') != std::string::npos;
    f.pageNumberOn = c.parts.find('N') != std::string::npos;
    f.printFileName = c.parts.find('F') != std::string::npos;
    f.pageNumberPos = c.pos;
    if (!c.brackets.empty()) {
      f.pageNumberLeft = c.brackets.substr(0, 1);
      f.pageNumberRight = c.brackets.substr(1);
    }
    const HeaderSource source{"doc", date};
    EXPECT_EQ(c.odd, HeaderText(f, source, 3, false));
    EXPECT_EQ(c.even, HeaderText(f, source, 4, true));
  }
  // The name drops its directory, and its extension unless asked.
  EXPECT_EQ("doc.txt", HeaderFileName("/home/u/doc.txt", true));
  EXPECT_EQ(Sj("文書"), HeaderFileName(Sj("/tmp/文書.txt"), false));
}

// Advances with a canvas whose single-byte characters are 15 wide and
// double-byte ones 40.
TEST(AdvancesTest, SpacingAndPairs) {
  platform::RecordingCanvas canvas;
  canvas.SetFont({"f", 40});
  const std::string noPair = Sj("･+-=* <>｢｣()[]{}");
  EXPECT_EQ((std::vector<int>{15, 15, 0, 40}),
            ComputeAdvances(canvas, Sj("ab漢"), 100, 0, noPair).advances);
  // "ab": width 30 over 2 bytes; 150 % adds round(7.5) = 8 to each byte. A
  // double-byte character: the lead byte carries 2 × extra, the trail its width.
  EXPECT_EQ((std::vector<int>{23, 23}), ComputeAdvances(canvas, "ab", 150, 0, noPair).advances);
  EXPECT_EQ((std::vector<int>{20, 40}), ComputeAdvances(canvas, Sj("漢"), 150, 0, noPair).advances);
  // Pairs take adjacent pairable characters two at a time; half-width
  // katakana listed there (｢｣) stay unpaired too.
  LineAdvances a = ComputeAdvances(canvas, Sj("12漢abc(de)f"), 100, 0, noPair);
  EXPECT_EQ((std::vector<std::size_t>{0, 4, 8}), FindPairs(a.kinds));
  LineAdvances kana = ComputeAdvances(canvas, Sj("｢｣ｱｲ"), 100, 0, noPair);
  EXPECT_EQ(std::vector<std::size_t>{2}, FindPairs(kana.kinds));

  // A fixed pitch puts half- and full-width characters on one grid: ten
  // full-width characters of 40, halved, per cell; characters centred.
  const int cell = FixedPitchCell(canvas, 100);
  EXPECT_EQ(20, cell);
  LineAdvances halves = ComputeAdvances(canvas, "abX", 100, cell, noPair);
  LineAdvances full = ComputeAdvances(canvas, Sj("ａX"), 100, cell, noPair);
  EXPECT_EQ(2, halves.shift);
  // "X" stands at the start of the third cell plus its centring in both lines.
  EXPECT_EQ(42, halves.shift + AdvanceBefore(halves.advances, 2));
  EXPECT_EQ(42, full.shift + AdvanceBefore(full.advances, 2));
  EXPECT_EQ(60, halves.shift + AdvanceBefore(halves.advances, 3)); // three whole cells
  // The cell follows the character spacing: a full-width character takes
  // two cells of 30, centred 10 pixels in.
  EXPECT_EQ(30, FixedPitchCell(canvas, 150));
  LineAdvances spaced = ComputeAdvances(canvas, Sj("漢漢"), 150, 30, noPair);
  EXPECT_EQ(10, spaced.shift);
  EXPECT_EQ(60, AdvanceBefore(spaced.advances, 2));
}

} // namespace
} // namespace zenpa::print
