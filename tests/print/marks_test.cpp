#include "print/marks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/sjis.h"
#include "platform/text_memo.h"
#include "print/mark_insertion.h"

namespace zenpa::print {
namespace {

using base::Sj;

// "p" marks, form-feed breaks, black text, 120 % spacing.
MarkRules DefaultRules() {
  MarkRules r;
  r.scaleMarksOn = true;
  r.fontName = Sj("ＭＳ ゴシック");
  r.lineSpacing = 120;
  return r;
}

std::vector<std::string> Fonts() {
  return {"IPAGothic", "IPAmincho",         "Sans",         "Sans Bold",
          "Sans Mono", Sj("ＭＳ ゴシック"), Sj("ＭＳ 明朝")};
}

// Parses the lines in order from a fresh state and returns the final state.
MarkState Parse(const MarkReader &reader, const std::vector<std::string> &lines) {
  MarkState state = reader.ResetState();
  for (const auto &line : lines)
    reader.ReadPMark(line, state);
  return state;
}

// What a line is under the default rules, with the scale marks on or off
// and with "p=" as the page-break mark.
TEST(MarkLineTest, KindsOfLines) {
  MarkRules off = DefaultRules(), breaks = DefaultRules(), none = DefaultRules();
  off.scaleMarksOn = false;
  breaks.pageBreakMark = "p=";
  none.pageBreakMark.clear();
  const MarkReader on(DefaultRules(), Fonts()), marksOff(off, Fonts()), pEquals(breaks, Fonts()),
      noBreak(none, Fonts());
  const struct {
    const MarkReader &reader;
    std::string line;
    bool mark, pageBreak, printable;
  } cases[] = {{on, "p+ big", true, false, false},  {on, "p", false, false, true},
               {on, "pa-", false, false, true},     {on, " p-", false, false, true},
               {on, "\f", false, true, false},      {marksOff, "p--", false, false, true},
               {pEquals, "p=", false, true, false}, {pEquals, "p= ", true, false, false},
               {noBreak, "", false, false, true}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(c.mark, c.reader.IsMarkLine(c.line));
    EXPECT_EQ(c.pageBreak, c.reader.IsPageBreakLine(c.line));
    EXPECT_EQ(c.printable, c.reader.IsPrintableLine(c.line));
  }
  EXPECT_EQ(100, Parse(marksOff, {"p--"}).markScale);
  // Only a mark line is active, but the state it sets outlives it.
  const MarkState after = Parse(on, {"p-", "text"});
  EXPECT_FALSE(after.markIsActive);
  EXPECT_EQ(95, after.markScale);
}

// What a run of mark lines leaves: size, margin, spacing, colour and font.
// Head signs set the size, long runs stopping at the printable sizes; the
// margin is the number right after "m", cut to four digits, and the trail
// byte "m" of "ノ" starts none; "%" adds to the format's spacing, never
// below 0; a font name is taken out before "m" and "%" are read; "m="
// resets the margin only; only the first bytes of a long line carry
// parameters. "Sans" is found first, but "Sans Mono" two entries further
// down also occurs.
TEST(MarkStateTest, MarkLinesSetTheState) {
  constexpr auto kScale = &MarkState::markScale;
  constexpr auto kIndent = &MarkState::markIndent;
  constexpr auto kSpacing = &MarkState::markLineSpacing;
  const std::string fewest = "p" + std::string(1000, '-'), most = "p" + std::string(10000, '+');
  const struct {
    std::vector<std::string> lines;
    int MarkState::*field;
    int value;
  } ints[] = {{{"p+++", "p--"}, kScale, 90},
              {{"p+++", "p----------"}, kScale, 50},
              {{"p+++", "p++++++++++"}, kScale, 200},
              {{"p+++", "p-+"}, kScale, 110},
              {{"p+++", "p+-"}, kScale, 120},
              {{"p+++", "p- - -"}, kScale, 95},
              {{"p+++", "p=+"}, kScale, 100},
              {{"p+++", fewest}, kScale, kMinMarkScale},
              {{"p+++", most}, kScale, kMaxMarkScale},
              {{"p= $0000FF", "p--- C="}, kScale, 85},
              {{"p-" + std::string(10000, '\x82')}, kScale, 95},
              {{"p= m77", "p= m-100"}, kIndent, -100},
              {{"p= m77", "p= M40"}, kIndent, 40},
              {{"p= m77", "p= mx"}, kIndent, 0},
              {{"p= m77", "p= m12345"}, kIndent, 1234},
              {{"p= m77", "p= m-12345"}, kIndent, -1234},
              {{"p= m77", "p= m+7"}, kIndent, 7},
              {{Sj("p= ノ25")}, kIndent, 0},
              {{Sj("p= ノ m25")}, kIndent, 25},
              {{"p= " + std::string(300, 'x') + " m25"}, kIndent, 0},
              {{"p= " + std::string(200, 'x') + " m25"}, kIndent, 25},
              {{"p= %5", "p= %50"}, kSpacing, 170},
              {{"p= %5", "p= %-150"}, kSpacing, 0},
              {{"p= %5", "p= %="}, kSpacing, 120},
              {{"p= %5", "p= %abc"}, kSpacing, 120},
              {{"p= %5", "p= %1234"}, kSpacing, 243},
              {{Sj("p= ＭＳ 明朝 m-50 %20")}, kIndent, -50},
              {{Sj("p= ＭＳ 明朝 m-50 %20")}, kSpacing, 140},
              {{"p= m30", "p= IPAmincho %10"}, kIndent, 30},
              {{"p= m30", "p= IPAmincho %10"}, kSpacing, 130},
              {{"p+ $0000FF Sans m30 %40", "p=m="}, kIndent, 0},
              {{"p+ $0000FF Sans m30 %40", "p=m="}, kScale, 100},
              {{"p+ $0000FF Sans m30 %40", "p=m="}, kSpacing, 160}};
  const MarkReader reader(DefaultRules(), Fonts());
  for (const auto &c : ints)
    EXPECT_EQ(c.value, Parse(reader, c.lines).*c.field) << c.lines.back().substr(0, 20);

  constexpr auto kColour = &MarkState::markColorText;
  constexpr auto kFont = &MarkState::markFont;
  const struct {
    std::vector<std::string> lines;
    std::string MarkState::*field;
    std::string value;
  } texts[] = {{{"p= $0000FF", "p+"}, kColour, "$0000FF"},
               {{"p= $0000FF", "p--- C="}, kColour, "$000000"},
               {{"p= $FF0000", "p= c="}, kColour, "$000000"},
               {{"p= $12"}, kColour, "$12"},
               {{"p+ $0000FF Sans m30 %40", "p=m="}, kColour, "$0000FF"},
               {{"p+ $0000FF Sans m30 %40", "p=m="}, kFont, "Sans"},
               {{Sj("p= ＭＳ 明朝 m-50 %20")}, kFont, Sj("ＭＳ 明朝")},
               {{"p= m30", "p= IPAmincho %10"}, kFont, "IPAmincho"},
               {{"p= Sans Mono"}, kFont, "Sans Mono"},
               {{"p= Sans", "p- f="}, kFont, Sj("ＭＳ ゴシック")},
               {{"p= NoSuchFace"}, kFont, Sj("ＭＳ ゴシック")}};
  for (const auto &c : texts)
    EXPECT_EQ(c.value, Parse(reader, c.lines).*c.field) << c.lines.back();
  EXPECT_TRUE(Parse(reader, {"p-" + std::string(10000, '\x82')}).markIsActive);
}

// A longer scale mark starts the sign run after it; the font look-ahead
// covers five entries.
TEST(MarkStateTest, OtherMarksAndFontLists) {
  MarkRules rules = DefaultRules();
  rules.scaleMark = "pp";
  EXPECT_EQ(90, Parse(MarkReader(rules, Fonts()), {"pp--"}).markScale);
  rules.scaleMark = "xyz";
  // "xy" is the whole head: no sign in it, so the size stays.
  EXPECT_EQ(100, Parse(MarkReader(rules, Fonts()), {"xyz-"}).markScale);

  const MarkReader reader(DefaultRules(), {"A", "A1", "A2", "A3", "A4", "A5"});
  EXPECT_EQ("A4", Parse(reader, {"p= A4"}).markFont);
  EXPECT_EQ("A", Parse(reader, {"p= A5"}).markFont);
}

TEST(MarkStateTest, RulesAndResetStateComeFromTheFormat) {
  settings::PrintFormat format;
  format.scaleMarksOn = true;
  format.scaleMark = "q";
  format.textColor = 0x00FF00;
  format.lineSpacing = 150;
  format.pageBreakMark = "--";
  const MarkReader reader(MarkRulesOf(format), Fonts());
  EXPECT_TRUE(reader.IsPageBreakLine("--"));
  const MarkState state = Parse(reader, {"q-- %5"}); // "q" is the scale mark
  EXPECT_EQ(155, state.markLineSpacing);
  EXPECT_EQ("$00FF00", state.markColorText);
  EXPECT_EQ(format.fontName, state.markFont);
}

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

// A parameter mark gets one blank before it unless one is there, and
// replaces a selection; a scale mark is a line before the caret's.
TEST(MarkInsertionTest, ParameterAndScaleMarks) {
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
  platform::TextMemo memo({"one", "two"});
  memo.SetCaret({1, 2});
  InsertScaleMark(memo, "p---");
  EXPECT_EQ((std::vector<std::string>{"one", "p---", "two"}), memo.Lines());
  memo.Select({0, 0}, {0, 3});
  InsertScaleMark(memo, "p+");
  EXPECT_EQ((std::vector<std::string>{"p+", "p---", "two"}), memo.Lines());
}

// The dialogs start at what the caret's line says, never beyond their
// spinners, and show the pitch and margin the change gives.
TEST(MarkDialogTest, StartValuesPitchAndMargin) {
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
