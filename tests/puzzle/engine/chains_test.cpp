#include "technique_cases.h"

#include <gtest/gtest.h>

namespace zenpa::testing {
namespace {

using puzzle::CellFromText;
using puzzle::RemotePairPartner;

TEST(RemotePairPartnerTest, FindsAnotherCellWithTheSameTextByMode) {
  puzzle::Grid g = puzzle::FreshGrid();
  for (const puzzle::Pos p : {puzzle::Pos{1, 1}, puzzle::Pos{5, 1}, puzzle::Pos{6, 1},
                              puzzle::Pos{1, 6}, puzzle::Pos{2, 2}, puzzle::Pos{3, 3}}) {
    g(p.x, p.y) = CellFromText("37");
  }
  g(9, 9) = CellFromText("37");
  const puzzle::Engine e = EngineOn(g);
  // The first match in row, column and block order; never the cell itself.
  EXPECT_EQ("51", RemotePairPartner(e, "37", 1, 1, 1));
  EXPECT_EQ("16", RemotePairPartner(e, "37", 1, 1, 2));
  EXPECT_EQ("22", RemotePairPartner(e, "37", 1, 1, 3));
  EXPECT_EQ("11", RemotePairPartner(e, "37", 5, 1, 1));
  EXPECT_EQ("11", RemotePairPartner(e, "37", 3, 3, 3));
  // The block search leaves out the cell's own row and column.
  EXPECT_EQ("", RemotePairPartner(e, "37", 5, 1, 3));
  EXPECT_EQ("", RemotePairPartner(e, "37", 9, 9, 1));
  EXPECT_EQ("", RemotePairPartner(e, "12", 1, 1, 1));
}

TEST(RemotePairTest, EndsAreFirstMarksAndTheLinksSecond) {
  EXPECT_EQ("r1c1* r4c2* r1c3o r5c3o",
            MarksOf(puzzle::RemotePair, "chains.cases", "Remote Pair 37"));
}

TEST(RemotePairTest, LongerChainsAreTriedWhenTheShortOneRemovesNothing) {
  // Cells of {3,7}: r1c1 - r1c3 - r5c3 - r4c2 - r4c8 - r9c8. The four-cell
  // chain removes nothing here (its targets lack 3 and 7); the six-cell
  // chain ends at r9c8, whose corners r9c1 and r1c8 lose the pair.
  puzzle::Grid g = CaseGrid("chains.cases", "Remote Pair 37");
  g(2, 3) = puzzle::kAllCandidates;
  for (const puzzle::Pos p : {puzzle::Pos{1, 4}, puzzle::Pos{1, 5}, puzzle::Pos{1, 6},
                              puzzle::Pos{2, 1}, puzzle::Pos{2, 2}, puzzle::Pos{2, 3}}) {
    g(p.x, p.y) = CellFromText("1245689");
  }
  g(8, 4) = CellFromText("37");
  g(8, 9) = CellFromText("37");
  EXPECT_EQ(Step("Remote Pair 37", "r1c8-37 r9c1-37"), StepOf(puzzle::RemotePair, g));
}

TEST(KiteTest, MarksTheBlockLinkSecond) {
  EXPECT_EQ("r2c1o r1c3o r8c1* r1c7*",
            MarksOf(puzzle::WStringKite, "chains.cases", "2-String Kite 6"));
}

TEST(KiteTest, ThePlainSearchOfEveryDigitComesBeforeTheGroupedOne) {
  const puzzle::Grid grouped = CaseGrid("chains.cases", "G. 2-String Kite 2");
  const puzzle::Grid plain = CaseGrid("chains.cases", "2-String Kite 6");
  puzzle::Grid both;
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x)
      both(x, y) = grouped(x, y) & plain(x, y);
  }
  EXPECT_EQ(Step("2-String Kite 6", "r8c7-6"), StepOf(puzzle::WStringKite, both));
}

TEST(EmptyRectangleTest, MarksTheColumnOfTheBlock) {
  EXPECT_EQ("r2c2o r8c2* r1c6* r2c6* r3c6*",
            MarksOf(puzzle::EmptyRectangle, "chains.cases", "Empty Rectagle 9"));
}

} // namespace
} // namespace zenpa::testing
