#include "drill/drill_settings.h"

#include <gtest/gtest.h>

namespace zenpa::drill {
namespace {

// A typed number within its range stands; one out of it is corrected (the
// digit count below 4 and anything not a number take the up-down's value).
TEST(DrillSettingsTest, BoxesTakeTheirNumbersIntoTheirRanges) {
  const struct {
    int (*take)(NumberBox &);
    std::string typed;
    int position, expected;
    std::string shown; // the box's text afterwards
  } rows[] = {{TakeDigitCount, "10", 7, 10, "10"},
              {TakeDigitCount, "4", 7, 4, "4"},
              {TakeDigitCount, "3", 7, 7, "7"},
              {TakeDigitCount, "-5", 12, 12, "12"},
              {TakeDigitCount, "ten", 12, 12, "12"},
              {TakeDigitCount, "", 5, 5, "5"},
              {TakeDigitCount, "50", 33, 50, "50"},
              {TakeDigitCount, "5000", 33, kMaxDigits, std::to_string(kMaxDigits)},
              {TakeDigitCount, "99999999999", 9, 9, "9"},
              {TakeSheetCount, "3", 1, 3, "3"},
              {TakeSheetCount, "0", 5, 1, "1"},
              {TakeSheetCount, "-2", 5, 1, "1"},
              {TakeSheetCount, "x", 5, 5, "5"},
              {TakeHintCount, "2", 0, 2, "2"},
              {TakeHintCount, "12", 0, 9, "9"},
              {TakeHintCount, "x", 4, 4, "4"},
              {TakeHintCount, "+3", 0, 3, "+3"}};
  for (const auto &r : rows) {
    NumberBox box{r.typed, r.position};
    EXPECT_EQ(r.expected, r.take(box)) << "typed '" << r.typed << "'";
    EXPECT_EQ(r.shown, box.text) << "typed '" << r.typed << "'";
  }
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
