#include "puzzle/play/move_history.h"

#include <gtest/gtest.h>

namespace zenpa::play {
namespace {

TEST(MoveHistoryTest, SameCellChangesOrRemovesTheLastMove) {
  MoveHistory h;
  h.Record(1, 2, 0, 5);
  h.Record(1, 2, 5, 7); // the same cell: the move's digit changes
  EXPECT_EQ(2, h.Position());
  EXPECT_EQ((Move{1, 2, 0, 7}), *h.At(1));
  h.Record(1, 2, 7, 0); // erased again: the move is gone
  EXPECT_EQ(1, h.Position());
  EXPECT_FALSE(h.At(1).has_value());
  h.Record(1, 2, 0, 0); // an erase with no move before it is recorded
  EXPECT_EQ(2, h.Position());
}

TEST(MoveHistoryTest, BackAndForwardStopAtTheEnds) {
  MoveHistory h;
  EXPECT_FALSE(h.StepBack().has_value());
  EXPECT_EQ(1, h.Position());
  h.Record(0, 0, 0, 3);
  h.Record(4, 4, 0, 9);
  EXPECT_EQ((Move{4, 4, 0, 9}), *h.StepBack());
  EXPECT_EQ((Move{0, 0, 0, 3}), *h.StepBack());
  EXPECT_EQ(1, h.Position()); // never below the first slot
  EXPECT_EQ((Move{0, 0, 0, 3}), *h.StepForward());
  EXPECT_EQ((Move{4, 4, 0, 9}), *h.StepForward());
  EXPECT_FALSE(h.StepForward().has_value());
  EXPECT_EQ(3, h.Position());
}

TEST(MoveHistoryTest, NewMoveAfterTakingBackForgetsTheUndoneMoves) {
  MoveHistory h;
  h.Record(0, 0, 0, 1);
  h.Record(1, 0, 0, 2);
  h.Record(2, 0, 0, 3);
  h.StepBack();
  h.StepBack();
  h.Record(5, 5, 0, 4);
  EXPECT_EQ((Move{5, 5, 0, 4}), *h.At(2));
  EXPECT_FALSE(h.At(3).has_value());
  EXPECT_FALSE(h.StepForward().has_value());
}

TEST(MoveHistoryTest, PositionNeverPassesTheLastSlot) {
  MoveHistory h;
  for (int i = 0; i < 300; ++i)
    h.Record(i % 2, 0, 0, 1 + i % 9);
  EXPECT_EQ(kLastMoveSlot, h.Position());
  EXPECT_TRUE(h.At(kLastMoveSlot - 1).has_value());
}

} // namespace
} // namespace zenpa::play
