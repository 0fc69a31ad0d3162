#include "print/format_controls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zenpa::print {
namespace {

using F = FormatField;

// One row per field: the bounds the spinner keeps to, the design value a
// fresh format shows, and what typing below and above the bounds leaves.
struct FieldCase {
  F field;
  int min, max, step, design;
  const char *below, *above; // the text shown after typing min-1 and max+1
};

class FormatFieldTest : public testing::TestWithParam<FieldCase> {};

TEST_P(FormatFieldTest, BoundsDesignValueAndClamping) {
  const FieldCase &c = GetParam();
  const FieldContext ctx; // A4 on the virtual printer, offsets of 3 mm
  const FieldBounds b = BoundsOf(c.field, ctx);
  EXPECT_EQ(c.min, b.min);
  EXPECT_EQ(c.max, b.max);
  EXPECT_EQ(c.step, b.step);
  settings::PrintFormat f;
  f.tabsOn = true;
  EXPECT_EQ(c.design, FieldValue(f, c.field, ctx));
  EXPECT_EQ(c.below, SetField(f, c.field, c.min - 1, ctx));
  EXPECT_EQ(c.above, SetField(f, c.field, c.max + 1, ctx));
  // Letters, pasted Japanese, a 10-digit number, an empty field and a
  // sign the field never shows keep the held value.
  for (const char *typed : {"abc", "\x93\xfa\x96\x7b", "1234567890", "", "12x"})
    EXPECT_EQ(c.above, EnterField(f, c.field, typed, ctx)) << typed;
  if (c.min >= 0) {
    // A frame side takes a negative value as 0.
    const bool frame = c.field == F::FrameLeft || c.field == F::FrameHeight;
    EXPECT_EQ(frame ? c.below : c.above, EnterField(f, c.field, "-5", ctx));
  }
  // While typing, a number past a bound waits for the end of the edit.
  SetField(f, c.field, c.max, ctx);
  EXPECT_EQ(c.above, TypeField(f, c.field, std::to_string(c.min - 1), ctx));
  EXPECT_EQ(c.above, TypeField(f, c.field, std::to_string(c.max + 1), ctx));
  EXPECT_EQ(c.below, TypeField(f, c.field, std::to_string(c.min), ctx));
}

INSTANTIATE_TEST_SUITE_P(EveryField, FormatFieldTest,
                         testing::Values(FieldCase{F::LinesPerPage, 0, 300, 1, 0, "0", "300"},
                                         FieldCase{F::LineSpacing, -99, 500, 1, 0, "-99", "500"},
                                         FieldCase{F::CharSpacing, -100, 500, 1, 0, "-100", "500"},
                                         FieldCase{F::LeftMargin, 3, 500, 1, 23, "3", "500"},
                                         FieldCase{F::TopMargin, 3, 500, 1, 15, "3", "500"},
                                         FieldCase{F::EvenPageShift, -99, 99, 1, 0, "-99", "99"},
                                         FieldCase{F::TabWidth, 1, 8, 1, 1, "1", "8"},
                                         FieldCase{F::FontSize, 60, 6000, 10, 120, "60", "6000"},
                                         FieldCase{F::PaperBottom, 0, 500, 1, 0, "0", "500"},
                                         FieldCase{F::PaperRight, 0, 500, 1, 0, "0", "500"},
                                         FieldCase{F::FrameLeft, 0, 1000, 1, 0, "0", "210"},
                                         FieldCase{F::FrameHeight, 0, 1000, 1, 121, "0", "297"},
                                         FieldCase{F::EditorWidth, 4, 764, 5, 764, "4", "764"},
                                         FieldCase{F::ReducePercent, 50, 100, 1, 80, "50", "100"}));

// "行間" −150 shows "-99" and holds 1; "字間" below −100 holds 0. The top
// margin (kept in printer pixels) including the header edits the same
// margin less the header. A frame's top moved far down
// shortens it to end on the paper. Spinner steps go by the field's step;
// without tabs the tab width stays 1.
TEST(FormatFieldRules, SpacingsMarginsFramesAndSteps) {
  FieldContext ctx;
  ctx.headerMm = 9;
  settings::PrintFormat f;
  const std::vector<std::string> shown = {EnterField(f, F::LineSpacing, "-150", ctx),
                                          std::to_string(f.lineSpacing),
                                          EnterField(f, F::CharSpacing, "-300", ctx),
                                          std::to_string(f.charSpacing),
                                          EnterField(f, F::LineSpacing, " 25", ctx),
                                          std::to_string(f.lineSpacing),
                                          FieldText(f, F::TopWithHeader, ctx),
                                          EnterField(f, F::TopWithHeader, "40", ctx),
                                          FieldText(f, F::TopMargin, ctx),
                                          std::to_string(f.topMargin),
                                          EnterField(f, F::FrameTop, "250", ctx),
                                          std::to_string(f.frameRect.height),
                                          StepField(f, F::EditorWidth, -1, ctx),
                                          EnterField(f, F::TabWidth, "4", ctx)};
  EXPECT_EQ((std::vector<std::string>{"-99", "1", "-100", "0", "25", "125", "24", "40", "31", "439",
                                      "250", "47", "759", "1"}),
            shown);
  f.tabsOn = true;
  EXPECT_EQ("4", EnterField(f, F::TabWidth, "4", ctx));
}

} // namespace
} // namespace zenpa::print
