#include "settings/print_format.h"

#include <gtest/gtest.h>

#include "base/sjis.h"
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
  EXPECT_EQ(0, f.linesPerPage);
  EXPECT_EQ(env.offsetTop, f.topMargin);
  EXPECT_EQ(env.offsetLeft, f.leftMargin);
  EXPECT_EQ(base::Sj("ＭＳ ゴシック"), f.fontName);
  EXPECT_EQ(0u, f.frameColor);

  EXPECT_EQ(changed.pageNumberLeft, f.pageNumberLeft);
  EXPECT_EQ(changed.frameRect, f.frameRect);
  EXPECT_EQ(changed.puzzle, f.puzzle);
  EXPECT_EQ(changed.drill, f.drill);
}

} // namespace
} // namespace zenpa::settings
