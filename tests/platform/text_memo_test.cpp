#include "platform/text_memo.h"

#include <gtest/gtest.h>

using namespace zenpa::platform;
using Lines = std::vector<std::string>;

TEST(TextMemo, LineEditsMarkModifiedAndUndoOneStep) {
  TextMemo memo({"a", "b"});
  EXPECT_FALSE(memo.Modified());
  memo.InsertLine(1, "x");
  EXPECT_EQ((Lines{"a", "x", "b"}), memo.Lines());
  EXPECT_TRUE(memo.Modified());
  memo.ReplaceLine(0, "A");
  memo.Undo();
  EXPECT_EQ((Lines{"a", "x", "b"}), memo.Lines());
  EXPECT_FALSE(memo.CanUndo());
  memo.DeleteLine(2);
  memo.Undo();
  EXPECT_EQ((Lines{"a", "x", "b"}), memo.Lines());
  memo.DeleteLine(7); // out of range: nothing happens
  EXPECT_EQ(3, memo.LineCount());
  EXPECT_EQ("", memo.Line(-1));
  memo.ReplaceLines({{0, "A"}, {2, "B"}}); // one undo step, the line between kept
  EXPECT_EQ((Lines{"A", "x", "B"}), memo.Lines());
  memo.Undo();
  EXPECT_EQ((Lines{"a", "x", "b"}), memo.Lines());
}

TEST(TextMemo, ReplaceSelectionAcrossLines) {
  TextMemo memo({"hello", "world"});
  memo.Select({0, 2}, {1, 3});
  EXPECT_EQ("llo\r\nwor", memo.SelectedText());
  memo.ReplaceSelection("1\r\n2\r\n3");
  EXPECT_EQ((Lines{"he1", "2", "3ld"}), memo.Lines());
  EXPECT_EQ((TextPos{2, 1}), memo.Caret());
  memo.Undo();
  EXPECT_EQ((Lines{"hello", "world"}), memo.Lines());
}

TEST(TextMemo, TypingAtTheEndOfATextEndingInALineBreak) {
  TextMemo memo({"a"});
  memo.SetCaret({5, 9});
  EXPECT_EQ((TextPos{1, 0}), memo.Caret());
  memo.ReplaceSelection("b\r\n");
  EXPECT_EQ((Lines{"a", "b", ""}), memo.Lines());
  EXPECT_EQ((TextPos{2, 0}), memo.Caret());
}
