#include "print/marks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/sjis.h"

namespace zenpa::print {
namespace {

using base::Sj;

MarkRules DefaultRules() {
  MarkRules r; // "p" marks, form-feed breaks, black text, 100 % spacing
  r.scaleMarksOn = true;
  r.fontName = Sj("ＭＳ ゴシック");
  return r;
}

std::vector<std::string> Fonts() {
  return {"IPAGothic", "IPAmincho",         "Sans",         "Sans Bold",
          "Sans Mono", Sj("ＭＳ ゴシック"), Sj("ＭＳ 明朝")};
}

// Parses the lines in order from a fresh state and returns the final state.
MarkState Parse(const MarkReader &reader, std::initializer_list<std::string> lines) {
  MarkState state = reader.ResetState();
  for (const auto &line : lines) {
    reader.ReadPMark(line, state);
  }
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

// The last two rows: long sign runs stop at the printable sizes.
TEST(MarkScaleTest, HeadSignsSetTheSize) {
  const MarkReader reader(DefaultRules(), Fonts());
  const std::string fewest = "p" + std::string(1000, '-'), most = "p" + std::string(10000, '+');
  const struct {
    std::string line;
    int scale;
  } cases[] = {
      {"p--", 90},          {"p----------", 50}, {"p++++++++++", 200}, {"p-+", 110},
      {"p+-", 120},         {"p- - -", 95},      {"p=+", 100},         {fewest, kMinMarkScale},
      {most, kMaxMarkScale}};
  for (const auto &c : cases) {
    EXPECT_EQ(c.scale, Parse(reader, {"p+++", c.line}).markScale) << c.line.substr(0, 12);
  }
}

TEST(MarkScaleTest, LongerMarkStartsTheSignRunAtTheThirdCharacter) {
  MarkRules rules = DefaultRules();
  rules.scaleMark = "pp";
  EXPECT_EQ(90, Parse(MarkReader(rules, Fonts()), {"pp--"}).markScale);
  rules.scaleMark = "xyz";
  // "xy" is the whole head: no sign in it, so the size stays.
  EXPECT_EQ(100, Parse(MarkReader(rules, Fonts()), {"xyz-"}).markScale);
}

TEST(MarkColourTest, DollarSetsAndCEqualsRestores) {
  const MarkReader reader(DefaultRules(), Fonts());
  EXPECT_EQ("$0000FF", Parse(reader, {"p= $0000FF", "p+"}).markColorText);
  const MarkState state = Parse(reader, {"p= $0000FF", "p--- C="});
  EXPECT_EQ("$000000", state.markColorText);
  EXPECT_EQ(85, state.markScale);
  EXPECT_EQ("$000000", Parse(reader, {"p= $FF0000", "p= c="}).markColorText);
  EXPECT_EQ("$12", Parse(reader, {"p= $12"}).markColorText);
}

TEST(MarkFontTest, InstalledNameWithLookAhead) {
  const MarkReader reader(DefaultRules(), Fonts());
  const MarkState state = Parse(reader, {Sj("p= ＭＳ 明朝 m-50 %20")});
  EXPECT_EQ(Sj("ＭＳ 明朝"), state.markFont);
  EXPECT_EQ(-50, state.markIndent);
  EXPECT_EQ(120, state.markLineSpacing);
  // "Sans" is found first; "Sans Mono" two entries further down also occurs.
  EXPECT_EQ("Sans Mono", Parse(reader, {"p= Sans Mono"}).markFont);
  EXPECT_EQ(Sj("ＭＳ ゴシック"), Parse(reader, {"p= Sans", "p- f="}).markFont);
  EXPECT_EQ(Sj("ＭＳ ゴシック"), Parse(reader, {"p= NoSuchFace"}).markFont);
}

TEST(MarkFontTest, LookAheadCoversFiveEntries) {
  const std::vector<std::string> fonts = {"A", "A1", "A2", "A3", "A4", "A5"};
  const MarkReader reader(DefaultRules(), fonts);
  EXPECT_EQ("A4", Parse(reader, {"p= A4"}).markFont);
  EXPECT_EQ("A", Parse(reader, {"p= A5"}).markFont);
}

TEST(MarkFontTest, MatchedNameIsRemovedBeforeTheMarginIsRead) {
  const MarkReader reader(DefaultRules(), Fonts());
  // The "m" of "IPAmincho" must not be read as the margin parameter.
  const MarkState state = Parse(reader, {"p= m30", "p= IPAmincho %10"});
  EXPECT_EQ("IPAmincho", state.markFont);
  EXPECT_EQ(30, state.markIndent);
  EXPECT_EQ(110, state.markLineSpacing);
}

TEST(MarkIndentTest, LeadingNumberAfterM) {
  const MarkReader reader(DefaultRules(), Fonts());
  const struct {
    std::string line;
    int indent;
  } cases[] = {{"p= m-100", -100},  {"p= M40", 40},        {"p= mx", 0},
               {"p= m12345", 1234}, {"p= m-12345", -1234}, {"p= m+7", 7}};
  for (const auto &c : cases) {
    EXPECT_EQ(c.indent, Parse(reader, {"p= m77", c.line}).markIndent) << c.line;
  }
}

TEST(MarkIndentTest, EqualsResetsTheIndentOnly) {
  const MarkReader reader(DefaultRules(), Fonts());
  const MarkState state = Parse(reader, {"p+ $0000FF Sans m30 %40", "p=m="});
  EXPECT_EQ(0, state.markIndent);
  EXPECT_EQ(100, state.markScale);
  EXPECT_EQ("$0000FF", state.markColorText);
  EXPECT_EQ("Sans", state.markFont);
  EXPECT_EQ(140, state.markLineSpacing);
}

TEST(MarkIndentTest, LettersInsideDoubleByteCharactersAreNotParameters) {
  const MarkReader reader(DefaultRules(), Fonts());
  // The trail byte of "ノ" is the letter "m"; it starts no margin parameter.
  EXPECT_EQ(0, Parse(reader, {Sj("p= ノ25")}).markIndent);
  EXPECT_EQ(25, Parse(reader, {Sj("p= ノ m25")}).markIndent);
}

TEST(MarkSpacingTest, PercentAddsToTheFormatSpacing) {
  MarkRules rules = DefaultRules();
  rules.lineSpacing = 120;
  const MarkReader reader(rules, Fonts());
  const struct {
    std::string line;
    int spacing;
  } cases[] = {
      {"p= %50", 170}, {"p= %-150", 0}, {"p= %=", 120}, {"p= %abc", 120}, {"p= %1234", 243}};
  for (const auto &c : cases) {
    EXPECT_EQ(c.spacing, Parse(reader, {"p= %5", c.line}).markLineSpacing) << c.line;
  }
}

TEST(MarkRestTest, OnlyTheFirstBytesOfALongLineCarryParameters) {
  const MarkReader reader(DefaultRules(), Fonts());
  EXPECT_EQ(0, Parse(reader, {"p= " + std::string(300, 'x') + " m25"}).markIndent);
  EXPECT_EQ(25, Parse(reader, {"p= " + std::string(200, 'x') + " m25"}).markIndent);
  const MarkState huge = Parse(reader, {"p-" + std::string(10000, '\x82')});
  EXPECT_TRUE(huge.markIsActive);
  EXPECT_EQ(95, huge.markScale);
}

TEST(MarkResetTest, RulesAndResetStateComeFromTheFormat) {
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

} // namespace
} // namespace zenpa::print
