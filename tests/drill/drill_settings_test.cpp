#include "drill/drill_settings.h"

#include <gtest/gtest.h>

namespace zenpa::drill {
namespace {

struct BoxCase {
  std::string typed;
  int position;
  int expected;
  std::string shown; // the box's text afterwards
};

void ExpectTaken(int (*take)(NumberBox &), const std::vector<BoxCase> &cases) {
  for (const BoxCase &c : cases) {
    NumberBox box{c.typed, c.position};
    EXPECT_EQ(c.expected, take(box)) << "typed '" << c.typed << "'";
    EXPECT_EQ(c.shown, box.text) << "typed '" << c.typed << "'";
  }
}

TEST(DrillSettingsTest, DigitCountTakesFourAndMoreAsTypedElseTheUpDown) {
  ExpectTaken(TakeDigitCount, {{"10", 7, 10, "10"},
                               {"4", 7, 4, "4"},
                               {"3", 7, 7, "7"},
                               {"-5", 12, 12, "12"},
                               {"ten", 12, 12, "12"},
                               {"", 5, 5, "5"},
                               {"50", 33, 50, "50"},
                               {"5000", 33, kMaxDigits, std::to_string(kMaxDigits)},
                               {"99999999999", 9, 9, "9"}});
}

TEST(DrillSettingsTest, SheetAndHintCountsAreCorrectedIntoTheirRanges) {
  ExpectTaken(TakeSheetCount,
              {{"3", 1, 3, "3"}, {"0", 5, 1, "1"}, {"-2", 5, 1, "1"}, {"x", 5, 5, "5"}});
  ExpectTaken(TakeHintCount,
              {{"2", 0, 2, "2"}, {"12", 0, 9, "9"}, {"x", 4, 4, "4"}, {"+3", 0, 3, "+3"}});
}

TEST(DrillSettingsTest, OnlyWholeDecimalNumbersAreNumbers) {
  EXPECT_EQ(std::optional<int>(12), ParseInteger("12"));
  EXPECT_EQ(std::optional<int>(-4), ParseInteger("-4"));
  EXPECT_EQ(std::optional<int>(7), ParseInteger("+7"));
  for (const char *text : {"", "+", "-", "+-3", "1.5", "3a", " 3", "0x10"})
    EXPECT_EQ(std::nullopt, ParseInteger(text)) << "'" << text << "'";
}

} // namespace
} // namespace zenpa::drill
