#include "technique_cases.h"

#include <gtest/gtest.h>

namespace zenpa::testing {
namespace {

TEST(FishTest, StepShowsTheCornersOnceAsOneStep) {
  MarkRecorder rec;
  puzzle::Engine e = EngineOn(CaseGrid("fish.cases", "X-Wing-y 5"));
  WatchSteps(e, rec);
  puzzle::Xwingtate(e);
  EXPECT_EQ("r3c2* r7c2* r3c6* r7c6*", rec.marks);
  EXPECT_EQ(4, rec.cleared);
  EXPECT_EQ(1, e.StepNo); // no cell was placed, so only the marked pattern counts
}

TEST(FishTest, SkyscraperMarksBothColumnsOncePerCell) {
  EXPECT_EQ("r1c1* r7c1* r1c5* r8c5*",
            MarksOf(puzzle::Skyscrapertate, "fish.cases", "Skyscraper-y 4"));
}

TEST(FishTest, ACellLeftWithOneCandidateIsCheckedAndCounted) {
  puzzle::Grid g = CaseGrid("fish.cases", "X-Wing-y 5");
  g(1, 3) = puzzle::CellFromText("57"); // the first cell the X-Wing clears
  puzzle::Engine e = EngineOn(g);
  const int open = e.OpenCount;
  puzzle::Xwingtate(e);
  EXPECT_EQ("7", puzzle::CandidateText(e.CellGrid(1, 3)));
  EXPECT_EQ(open - 1, e.OpenCount);
  EXPECT_FALSE(e.Contradiction);

  g(1, 1) = puzzle::DigitBit(7); // now the 7 left in r3c1 repeats in column 1
  e = EngineOn(g);
  puzzle::Xwingtate(e);
  EXPECT_TRUE(e.Contradiction);
  EXPECT_EQ("r3c1=7", CellChanges(g, e.CellGrid)); // nothing after the contradiction
  EXPECT_EQ(81 - PlacedCount(g), e.OpenCount);
}

TEST(FishTest, APatternFoundWhileChangedIsSetEndsTheCall) {
  // The first X-Wing of this position (columns 1 and 2) removes nothing. On
  // its own the search goes on to the next one; with Changed already set by
  // an earlier technique the call ends at the first.
  const puzzle::Grid g = CaseGrid("fish.cases", "X-Wing-y 5", "r5c3-5");
  puzzle::Engine e = EngineOn(g);
  e.Changed = true;
  puzzle::Xwingtate(e);
  EXPECT_EQ("none", CellChanges(g, e.CellGrid));
  EXPECT_EQ("", e.StepText);
}

} // namespace
} // namespace zenpa::testing
