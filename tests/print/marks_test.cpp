#include "print/marks.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
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

// What a mark line leaves after a first one: size, margin, spacing,
// colour and font.
TEST(MarkStateTest, MarkLinesSetTheState) {
  const MarkReader reader(DefaultRules(), Fonts());
  const auto after = [&](const std::string &first, const std::string &line) {
    return Parse(reader, {first, line});
  };
  using Row = std::pair<std::string, int>;
  // Head signs set the size; long runs stop at the printable sizes.
  for (const auto &[line, scale] :
       {Row{"p--", 90}, Row{"p----------", 50}, Row{"p-+", 110}, Row{"p++++++++++", 200},
        Row{"p+-", 120}, Row{"p- - -", 95}, Row{"p=+", 100},
        Row{"p" + std::string(1000, '-'), kMinMarkScale},
        Row{"p" + std::string(10000, '+'), kMaxMarkScale}})
    EXPECT_EQ(scale, after("p+++", line).markScale) << line.substr(0, 12);
  // The margin is the number right after "m", of four digits at most.
  for (const auto &[line, indent] :
       {Row{"p= m-100", -100}, Row{"p= M40", 40}, Row{"p= mx", 0}, Row{"p= m12345", 1234},
        Row{"p= m-12345", -1234}, Row{"p= m+7", 7}})
    EXPECT_EQ(indent, after("p= m77", line).markIndent) << line;
  // "%" adds to the format's 120 %, never below 0.
  for (const auto &[line, spacing] : {Row{"p= %50", 170}, Row{"p= %-150", 0}, Row{"p= %=", 120},
                                      Row{"p= %abc", 120}, Row{"p= %1234", 243}})
    EXPECT_EQ(spacing, after("p= %5", line).markLineSpacing) << line;

  // Size, margin, spacing, colour and font: "$" sets the colour, "c="
  // restores the text colour; an installed font name is found with
  // look-ahead and taken out before the margin and spacing are read (the
  // "m" of "IPAmincho" is no margin); "m=" resets the margin only.
  const auto summary = [](const MarkState &s) {
    return std::to_string(s.markScale) + " " + std::to_string(s.markIndent) + " " +
           std::to_string(s.markLineSpacing) + " " + s.markColorText + " " + s.markFont;
  };
  const std::string gothic = Sj("ＭＳ ゴシック");
  EXPECT_EQ("85 0 120 $000000 " + gothic, summary(after("p= $0000FF", "p--- C=")));
  EXPECT_EQ("100 -50 140 $000000 " + Sj("ＭＳ 明朝"),
            summary(Parse(reader, {Sj("p= ＭＳ 明朝 m-50 %20")})));
  EXPECT_EQ("100 30 130 $000000 IPAmincho", summary(after("p= m30", "p= IPAmincho %10")));
  EXPECT_EQ("100 0 160 $0000FF Sans", summary(after("p+ $0000FF Sans m30 %40", "p=m=")));
  EXPECT_EQ("$0000FF", after("p= $0000FF", "p+").markColorText);
  EXPECT_EQ("$12", Parse(reader, {"p= $12"}).markColorText);
  // "Sans" is found first; "Sans Mono" two entries further down also occurs.
  EXPECT_EQ("Sans Mono", Parse(reader, {"p= Sans Mono"}).markFont);
  EXPECT_EQ(gothic, after("p= Sans", "p- f=").markFont);
  EXPECT_EQ(gothic, Parse(reader, {"p= NoSuchFace"}).markFont);

  // The trail byte of "ノ" is the letter "m"; it starts no margin. Only the
  // first bytes of a long line carry parameters.
  EXPECT_EQ(0, Parse(reader, {Sj("p= ノ25")}).markIndent);
  EXPECT_EQ(25, Parse(reader, {Sj("p= ノ m25")}).markIndent);
  EXPECT_EQ(0, Parse(reader, {"p= " + std::string(300, 'x') + " m25"}).markIndent);
  EXPECT_EQ(25, Parse(reader, {"p= " + std::string(200, 'x') + " m25"}).markIndent);
  const MarkState huge = Parse(reader, {"p-" + std::string(10000, '\x82')});
  EXPECT_TRUE(huge.markIsActive);
  EXPECT_EQ(95, huge.markScale);
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
  EXPECT_EQ("155 $00FF00 " + format.fontName, std::to_string(state.markLineSpacing) + " " +
                                                  state.markColorText + " " + state.markFont);
}

// Each mark command writes its mark; a parameter mark gets one blank before
// it unless one is there and replaces a selection; a scale mark replaces a
// selected line.
TEST(MarkInsertionTest, CommandsWriteTheirMarks) {
  EXPECT_EQ((std::vector<std::string>{"mk++", "p=", Sj("200％ "), "$0000FF", "f=", "%-40", "m250"}),
            (std::vector<std::string>{ScaleMarkLine("mk", 2), ScaleMarkLine("p", 0),
                                      ScalePercentText(10), ColourMarkText(base::RGB(255, 0, 0), 0),
                                      FontMarkText("IPAGothic", "IPAGothic"), SpacingMarkText(-40),
                                      IndentMarkText(250)}));
  const struct {
    std::string line;
    int from, to;
    std::string expected;
  } cases[] = {{"p= ", 3, 3, "p= c="},
               {"p=\t", 3, 3, "p=\tc="},
               {"p=$00FF00", 2, 9, "p= c="},
               {Sj("p=　"), 4, 4, Sj("p=　 c=")}};
  for (const auto &c : cases) {
    platform::TextMemo memo({c.line});
    memo.Select({0, c.from}, {0, c.to});
    InsertParameterMark(memo, "c=");
    EXPECT_EQ(c.expected, memo.Line(0));
    EXPECT_EQ(static_cast<int>(c.expected.size()), memo.Caret().col);
  }
  platform::TextMemo memo({"one", "two"});
  memo.Select({0, 0}, {0, 3});
  InsertScaleMark(memo, "p+");
  EXPECT_EQ((std::vector<std::string>{"p+", "two"}), memo.Lines());
}

// The dialogs start at what the caret's line says, never beyond their
// spinners, and show the pitch and margin the change gives.
TEST(MarkDialogTest, StartValuesPitchAndMargin) {
  MarkRules rules;
  rules.scaleMarksOn = true;
  const MarkReader reader(rules, {"IPAmincho"});
  EXPECT_EQ((std::vector<int>{-100, 3000, 0, 20, 0, -100, 18}),
            (std::vector<int>{IndentOfLine(reader, "p- IPAmincho m-100"),
                              IndentOfLine(reader, "p= m9999"), IndentOfLine(reader, "plain m25"),
                              SpacingChangeOfLine("p= %20", 100), SpacingChangeOfLine("p= %%", 100),
                              RaisedSpacingChange(-500, 100), SpacingPictureGap(100, 20)}));
  EXPECT_EQ((std::vector<std::string>{"3.5mm", "7.1mm", "0.0mm", Sj("左余白　約26mm"),
                                      Sj("左余白　約-7mm")}),
            (std::vector<std::string>{
                SpacingPitchText(50, 360, 100, 0), SpacingPitchText(50, 360, 100, 100),
                SpacingPitchText(50, 360, 100, -300), LeftMarginText(326, 360, 25),
                LeftMarginText(326, 360, -300)}));
}

} // namespace
} // namespace zenpa::print
