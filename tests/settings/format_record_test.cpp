#include "settings/print_format.h"

#include <gtest/gtest.h>

#include "base/sjis.h"
#include "base/units.h"
#include "settings/support/format_samples.h"

namespace zenpa::settings {
namespace {

using base::Sj;

FormatEnvironment FineEnvironment() {
  FormatEnvironment env;
  env.dpi = 600;
  env.offsetLeft = 100;
  env.offsetTop = 400; // wider than 15 mm at 600 dpi
  env.clientWidth = 1000;
  env.windowFrame = 16;
  return env;
}

TEST(FormatRecord, DefaultRecordIsTheStartOnTheVirtualPrinter) {
  const PrintFormat start = StartFormat(FormatEnvironment{});
  EXPECT_EQ(base::MmToPix(15, base::kVirtualPrinterDpi), PrintFormat{}.topMargin);
  EXPECT_EQ(base::MmToPix(23, base::kVirtualPrinterDpi), PrintFormat{}.leftMargin);
  EXPECT_EQ(start, PrintFormat{});
}

TEST(FormatRecord, StartMarginsFollowThePrinterAndItsOffsets) {
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

  // Fields the reset owns.
  EXPECT_EQ(0, f.linesPerPage);
  EXPECT_EQ(100, f.lineSpacing);
  EXPECT_EQ(100, f.charSpacing);
  EXPECT_EQ(env.offsetTop, f.topMargin);
  EXPECT_EQ(env.offsetLeft, f.leftMargin);
  EXPECT_EQ(PageNumberPos::Top, f.pageNumberPos);
  EXPECT_EQ("1", f.pageNumberStart);
  EXPECT_TRUE(f.headerGap);
  EXPECT_FALSE(f.pouchBinding);
  EXPECT_EQ(0, f.evenPageShift);
  EXPECT_EQ(Sj("ＭＳ ゴシック"), f.fontName);
  EXPECT_EQ(12.0, f.fontSize);
  EXPECT_EQ(9, f.paperSize);
  EXPECT_EQ(1, f.orientation);
  EXPECT_FALSE(f.tabsOn);
  EXPECT_EQ(1, f.tabWidth);
  EXPECT_TRUE(f.autoMaxLines);
  EXPECT_EQ(1016, f.windowWidth);
  EXPECT_EQ(0, f.paperBottom);
  EXPECT_TRUE(f.frameInTextColor);
  EXPECT_EQ(0u, f.frameColor);

  // Fields the reset leaves alone.
  EXPECT_EQ(changed.pageNumberLeft, f.pageNumberLeft);
  EXPECT_EQ(changed.smallHeader, f.smallHeader);
  EXPECT_EQ(changed.reducePercent, f.reducePercent);
  EXPECT_EQ(changed.scaleMark, f.scaleMark);
  EXPECT_EQ(changed.noPairChars, f.noPairChars);
  EXPECT_EQ(changed.autoSaveFormat, f.autoSaveFormat);
  EXPECT_EQ(changed.paperEdgeOn, f.paperEdgeOn);
  EXPECT_EQ(changed.frameRect, f.frameRect);
  EXPECT_EQ(changed.pageBreakMark, f.pageBreakMark);
  EXPECT_EQ(changed.previewZoom, f.previewZoom);
  EXPECT_EQ(changed.puzzle, f.puzzle);
  EXPECT_EQ(changed.drill, f.drill);
}

} // namespace
} // namespace zenpa::settings
