#include "drill/drill_format.h"

#include <gtest/gtest.h>

namespace zenpa::drill {
namespace {

TEST(DrillFormatTest, RecordFieldsBecomeSettingsAndGoBackUnchanged) {
  settings::PrintFormat format;
  format.drill.digits = 12;
  format.drill.sheets = 3;
  format.drill.hint = 4;
  format.drill.hintByDigit = true;
  format.drill.operation = settings::DrillOperation::Subtract;
  format.drill.addToDocument = true;
  format.drill.pageBreak = false;
  format.drill.appendAnswer = true;
  format.drill.showWrongDigits = true;
  const DrillSettings settings = SettingsFromFormat(format);
  EXPECT_EQ(12, settings.digitCount);
  EXPECT_EQ(3, settings.sheetCount);
  EXPECT_EQ(4, settings.hintCount);
  EXPECT_TRUE(settings.hintByDigit);
  EXPECT_EQ(Operation::Subtraction, settings.op);
  EXPECT_TRUE(settings.addToDocument);
  EXPECT_FALSE(settings.pageBreak);
  EXPECT_TRUE(settings.answersToo);

  settings::DrillOptions stored;
  stored.showWrongDigits = true; // a game option, which storing leaves alone
  StoreSettings(settings, stored);
  EXPECT_EQ(format.drill, stored);
}

TEST(DrillFormatTest, PlacePageBreakAndTabsComeFromTheRecord) {
  settings::PrintFormat format;
  EXPECT_EQ(editor::InsertionPlace::AtEnd, OutputFromFormat(format).place);
  EXPECT_EQ("\f", OutputFromFormat(format).pageBreakMark);
  EXPECT_FALSE(TabsFromFormat(format).enabled);
  format.insertionPlace = settings::InsertionPlace::Here;
  format.pageBreakMark = "----";
  format.tabsOn = true;
  format.tabWidth = 4;
  EXPECT_EQ(editor::InsertionPlace::AtCaret, OutputFromFormat(format).place);
  EXPECT_EQ("----", OutputFromFormat(format).pageBreakMark);
  EXPECT_TRUE(TabsFromFormat(format).enabled);
  EXPECT_EQ(4, TabsFromFormat(format).width);
}

} // namespace
} // namespace zenpa::drill
