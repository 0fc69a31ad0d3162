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

class AdvancesTest : public ::testing::Test {
protected:
  void SetUp() override { canvas_.SetFont({"f", 40}); } // single byte 15, double byte 40
  platform::RecordingCanvas canvas_;
  const std::string noPair_ = Sj("･+-=* <>｢｣()[]{}");
};

TEST_F(AdvancesTest, NormalSpacingAddsNothing) {
  LineAdvances a = ComputeAdvances(canvas_, Sj("ab漢"), 100, 0, noPair_);
  EXPECT_EQ((std::vector<int>{15, 15, 0, 40}), a.advances);
}

TEST_F(AdvancesTest, WideSpacingAddsHalfTheAverageByteWidth) {
  // "ab": width 30 over 2 bytes; 150 % adds round(7.5) = 8 to each byte.
  LineAdvances a = ComputeAdvances(canvas_, "ab", 150, 0, noPair_);
  EXPECT_EQ((std::vector<int>{23, 23}), a.advances);
  // A double-byte character: the lead byte carries 2 × extra, the trail its width.
  EXPECT_EQ((std::vector<int>{20, 40}),
            ComputeAdvances(canvas_, Sj("漢"), 150, 0, noPair_).advances);
}

TEST_F(AdvancesTest, FixedPitchPutsHalfAndFullWidthOnOneGrid) {
  int cell = FixedPitchCell(canvas_, 100);
  EXPECT_EQ(20, cell); // ten full-width characters of 40, halved, per cell
  LineAdvances halves = ComputeAdvances(canvas_, "abX", 100, cell, noPair_);
  LineAdvances full = ComputeAdvances(canvas_, Sj("ａX"), 100, cell, noPair_);
  // The 15-pixel letters are centred in 20-pixel cells: 2 pixels in.
  EXPECT_EQ(2, halves.shift);
  // "X" stands at the start of the third cell plus its centring in both lines.
  EXPECT_EQ(42, halves.shift + AdvanceBefore(halves.advances, 2));
  EXPECT_EQ(42, full.shift + AdvanceBefore(full.advances, 2));
  EXPECT_EQ(60, halves.shift + AdvanceBefore(halves.advances, 3)); // three whole cells
}

TEST_F(AdvancesTest, FixedPitchCellFollowsCharacterSpacing) {
  EXPECT_EQ(30, FixedPitchCell(canvas_, 150));
  LineAdvances a = ComputeAdvances(canvas_, Sj("漢漢"), 150, 30, noPair_);
  // Each full-width character takes two cells of 30, centred: 10 pixels in.
  EXPECT_EQ(10, a.shift);
  EXPECT_EQ(60, AdvanceBefore(a.advances, 2));
}

TEST_F(AdvancesTest, PairsTakeAdjacentPairableCharactersTwoAtATime) {
  LineAdvances a = ComputeAdvances(canvas_, Sj("12漢abc(de)f"), 100, 0, noPair_);
  EXPECT_EQ((std::vector<std::size_t>{0, 4, 8}), FindPairs(a.kinds));
  // Half-width katakana listed there (｢｣) stay unpaired too.
  LineAdvances kana = ComputeAdvances(canvas_, Sj("｢｣ｱｲ"), 100, 0, noPair_);
  EXPECT_EQ(std::vector<std::size_t>{2}, FindPairs(kana.kinds));
}

} // namespace
} // namespace zenpa::print
