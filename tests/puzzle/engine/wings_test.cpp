#include "technique_cases.h"

#include <gtest/gtest.h>

namespace zenpa::testing {
namespace {

using puzzle::CellFromText;

// A column wing (pivot r2c2, digit 3) and a row wing (pivot r5c5, digit 6).
puzzle::Grid TwoBlockWings() {
  puzzle::Grid g = CaseGrid("wings.cases", "XY-Wing-y 3");
  g(5, 5) = CellFromText("45");
  g(8, 5) = CellFromText("46");
  g(4, 4) = CellFromText("56");
  return g;
}

TEST(WingsTest, TheSwitchChoosesWhetherRowsOrColumnsComeFirst) {
  const puzzle::Grid g = TwoBlockWings();
  EXPECT_EQ(Step("XY-Wing-x 6", "r4c7-6 r4c8-6 r4c9-6 r5c4-6 r5c6-6"), StepOf(puzzle::XYwingB, g));
  EXPECT_EQ(Step("XY-Wing-y 3", "r1c2-3 r3c2-3 r7c3-3 r8c3-3 r9c3-3"),
            StepOf(puzzle::XYwingB, g, puzzle::SelectionSwitch::ColumnsFirst));
}

TEST(WingsTest, PivotIsTheSecondMarkAndTheWingsTheFirst) {
  EXPECT_EQ("r2c2o r2c6* r7c2*", MarksOf(puzzle::XYwing, "wings.cases", "XY-Wing 3"));
  EXPECT_EQ("r2c2o r7c2* r1c3*", MarksOf(puzzle::XYZwing, "wings.cases", "XYZ-Wing-y 3"));
}

TEST(WingsTest, XYZWingTriesThePivotDigitsInAscendingOrder) {
  // Both {1,2} (z = 1) and {2,3} (z = 3) fit beside the wing {1,3}.
  puzzle::Grid g = CaseGrid("wings.cases", "XYZ-Wing-y 3");
  g(1, 3) = CellFromText("12");
  EXPECT_EQ(Step("XYZ-Wing-y 1", "r1c2-1 r3c2-1"), StepOf(puzzle::XYZwing, g));
}

} // namespace
} // namespace zenpa::testing
