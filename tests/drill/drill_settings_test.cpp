#include "drill/drill_settings.h"

#include <gtest/gtest.h>

namespace zenpa::drill {
namespace {

// A typed whole decimal number within its range stands; one out of it is
// corrected (the digit count below 4 and anything not a number take the
// up-down's value).
TEST(DrillSettingsTest, BoxesTakeTheirNumbersIntoTheirRanges) {
  const struct {
    int (*take)(NumberBox &);
    std::string typed;
    int position, expected;
    std::string shown; // the box's text afterwards
  } rows[] = {{TakeDigitCount, "4", 7, 4, "4"},
              {TakeDigitCount, "3", 7, 7, "7"},
              {TakeDigitCount, "ten", 12, 12, "12"},
              {TakeDigitCount, "", 5, 5, "5"},
              {TakeDigitCount, "50", 33, 50, "50"},
              {TakeDigitCount, "99999999999", 9, 9, "9"},
              {TakeDigitCount, "5000", 33, kMaxDigits, std::to_string(kMaxDigits)},
              {TakeSheetCount, "3", 1, 3, "3"},
              {TakeSheetCount, "-2", 5, 1, "1"},
              {TakeSheetCount, "x", 5, 5, "5"},
              {TakeHintCount, "12", 0, 9, "9"},
              {TakeHintCount, "+3", 0, 3, "+3"}};
  for (const auto &r : rows) {
    NumberBox box{r.typed, r.position};
    EXPECT_EQ(std::pair(r.expected, r.shown), std::pair(r.take(box), box.text)) << r.typed;
  }
  for (const char *text : {"+", "-", "+-3", "1.5", "3a", " 3", "0x10"})
    EXPECT_EQ(std::nullopt, ParseInteger(text)) << "'" << text << "'";
}

} // namespace
} // namespace zenpa::drill
