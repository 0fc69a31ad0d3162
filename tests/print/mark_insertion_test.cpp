#include "print/mark_insertion.h"

#include <gtest/gtest.h>

#include "base/sjis.h"
#include "platform/text_memo.h"

namespace zenpa::print {
namespace {

using base::Sj;

TEST(MarkTextTest, EachCommandWritesItsMark) {
  const struct {
    std::string expected, actual;
  } cases[] = {
      {"p---", ScaleMarkLine("p", -3)},
      {"p=", ScaleMarkLine("p", 0)},
      {"mk++", ScaleMarkLine("mk", 2)},
      {Sj("85％ "), ScalePercentText(-3)},
      {Sj("200％ "), ScalePercentText(10)},
      {"c=", ColourMarkText(0x123456, 0x123456)},
      {"$0000FF", ColourMarkText(base::RGB(255, 0, 0), 0)},
      {"f=", FontMarkText("IPAGothic", "IPAGothic")},
      {"%=", SpacingMarkText(0)},
      {"%-40", SpacingMarkText(-40)},
      {"m=", IndentMarkText(0)},
      {"m250", IndentMarkText(250)},
  };
  for (const auto &c : cases)
    EXPECT_EQ(c.expected, c.actual);
}

// The blank goes before a parameter unless one is there; a selection is replaced.
TEST(MarkInsertionTest, OneBlankBeforeAParameter) {
  const struct {
    std::string line;
    int from, to;
    std::string expected;
  } cases[] = {
      {"p=", 2, 2, "p= c="},        {"p= ", 3, 3, "p= c="},
      {"p=\t", 3, 3, "p=\tc="},     {"p= $00FF00", 3, 10, "p= c="},
      {"p=$00FF00", 2, 9, "p= c="}, {Sj("p=　"), 4, 4, Sj("p=　 c=")},
  };
  for (const auto &c : cases) {
    platform::TextMemo memo({c.line});
    memo.Select({0, c.from}, {0, c.to});
    InsertParameterMark(memo, "c=");
    EXPECT_EQ(c.expected, memo.Line(0));
    EXPECT_EQ(static_cast<int>(c.expected.size()), memo.Caret().col);
  }
}

TEST(MarkInsertionTest, ScaleMarkIsALineBeforeTheCaretsOrReplacesTheSelection) {
  platform::TextMemo memo({"one", "two"});
  memo.SetCaret({1, 2});
  InsertScaleMark(memo, "p---");
  EXPECT_EQ((std::vector<std::string>{"one", "p---", "two"}), memo.Lines());
  memo.Select({0, 0}, {0, 3});
  InsertScaleMark(memo, "p+");
  EXPECT_EQ((std::vector<std::string>{"p+", "p---", "two"}), memo.Lines());
}

// The dialogs start at what the caret's line says, never beyond their spinners.
TEST(MarkDialogTest, StartValuesFromTheLine) {
  MarkRules rules;
  rules.scaleMarksOn = true;
  const MarkReader reader(rules, {"IPAmincho"});
  EXPECT_EQ(25, IndentOfLine(reader, "p= m25"));
  EXPECT_EQ(-100, IndentOfLine(reader, "p- IPAmincho m-100"));
  EXPECT_EQ(0, IndentOfLine(reader, "p= mx7"));
  EXPECT_EQ(3000, IndentOfLine(reader, "p= m9999"));
  EXPECT_EQ(0, IndentOfLine(reader, "plain m25"));
  EXPECT_EQ(20, SpacingChangeOfLine("p= %20", 100));
  EXPECT_EQ(-120, SpacingChangeOfLine("p= %-300", 120));
  EXPECT_EQ(0, SpacingChangeOfLine("p= %=", 100));
  EXPECT_EQ(0, SpacingChangeOfLine("p= %%", 100));
}

TEST(MarkDialogTest, ResultingPitchAndMargin) {
  EXPECT_EQ(-100, RaisedSpacingChange(-500, 100));
  EXPECT_EQ("3.5mm", SpacingPitchText(50, 360, 100, 0));
  EXPECT_EQ("7.1mm", SpacingPitchText(50, 360, 100, 100));
  EXPECT_EQ("0.0mm", SpacingPitchText(50, 360, 100, -300));
  EXPECT_EQ(18, SpacingPictureGap(100, 20));
  EXPECT_EQ(Sj("左余白　約23mm"), LeftMarginText(326, 360, 0));
  EXPECT_EQ(Sj("左余白　約26mm"), LeftMarginText(326, 360, 25));
  EXPECT_EQ(Sj("左余白　約-7mm"), LeftMarginText(326, 360, -300));
}

} // namespace
} // namespace zenpa::print
