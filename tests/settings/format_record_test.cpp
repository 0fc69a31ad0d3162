#include "settings/print_format.h"

#include <gtest/gtest.h>

#include <tuple>

#include "base/units.h"
#include "settings/support/format_samples.h"

namespace zenpa::settings {
namespace {

FormatEnvironment FineEnvironment() {
  FormatEnvironment env;
  env.dpi = 600;
  env.offsetLeft = 100;
  env.offsetTop = 400; // wider than 15 mm at 600 dpi
  env.clientWidth = 1000;
  env.windowFrame = 16;
  return env;
}

TEST(FormatRecord, StartRecordFollowsThePrinterAndItsOffsets) {
  EXPECT_EQ(StartFormat(FormatEnvironment{}), PrintFormat{});
  const FormatEnvironment env = FineEnvironment();
  const PrintFormat f = StartFormat(env);
  EXPECT_EQ(env.offsetTop, f.topMargin);
  EXPECT_EQ(base::MmToPix(23, 600), f.leftMargin);
  EXPECT_EQ(1016, f.windowWidth);
  EXPECT_EQ(995, f.editorWidth);
}

TEST(FormatRecord, ResetSetsItsOwnFieldsAndKeepsTheOthers) {
  const FormatEnvironment env = FineEnvironment();
  const PrintFormat changed = testing::EveryFieldChanged();
  PrintFormat f = changed;
  ResetFormat(f, env);
  EXPECT_EQ(env.offsetTop, f.topMargin);
  EXPECT_EQ(env.offsetLeft, f.leftMargin);
  // The page, the font and the frame are as a fresh record has them.
  const PrintFormat fresh = StartFormat(env);
  const auto page = [](const PrintFormat &r) {
    return std::tie(r.linesPerPage, r.lineSpacing, r.charSpacing, r.fontName, r.fontSize,
                    r.tabWidth, r.paperSize, r.frameColor, r.frameInTextColor, r.windowWidth);
  };
  EXPECT_EQ(page(fresh), page(f));

  EXPECT_EQ(changed.pageNumberLeft, f.pageNumberLeft);
  EXPECT_EQ(changed.frameRect, f.frameRect);
  EXPECT_EQ(changed.puzzle, f.puzzle);
  EXPECT_EQ(changed.drill, f.drill);
}

// "Check all" checks the techniques up to Remote Pair, the extra panel's
// only while that panel is shown; closing the panel clears them.
TEST(FormatRecord, CheckAllTakesTheTechniquesOfTheShownPanels) {
  TechniqueOptions t;
  t.SetAllBoxes(false);
  EXPECT_FALSE(t.boxes[kBoxBlockUnique] || t.boxes[kBoxRemotePair]);
  t.SetAllBoxes(true);
  EXPECT_TRUE(t.boxes[kBoxBlockUnique] && t.boxes[kBoxRemotePair]);
  EXPECT_FALSE(t.boxes[kBoxHiddenQuad]);
  t.SetExtraPanelVisible(true);
  t.SetAllBoxes(true);
  EXPECT_TRUE(t.boxes[kBoxHiddenQuad]);
  t.SetExtraPanelVisible(false);
  EXPECT_FALSE(t.boxes[kBoxHiddenQuad]);
  EXPECT_TRUE(t.boxes[kBoxRemotePair]);
}

} // namespace
} // namespace zenpa::settings
