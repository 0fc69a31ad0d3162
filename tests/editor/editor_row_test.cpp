#include "editor/editor_row.h"

#include <gtest/gtest.h>

namespace zenpa::editor {
namespace {

struct SplitCase {
  int row, editorWidth;
  EditorRowSplit expected;
};

TEST(EditorRowTest, SideTakesWhatTheEditorAndSplitterLeave) {
  const SplitCase cases[] = {
      {769, 500, {500, 265}}, // the side panel: 769 - 4 - 500
      {769, 764, {764, 1}},   // the design's full width leaves the side 1 pixel
      {769, 765, {764, 1}},   // beyond row - 5: the side shrinks to 1 pixel
      {600, 764, {595, 1}},   // a width from a wider window
      {769, 4, {4, 761}},     // the field's smallest value
      {3, 500, {0, 0}},       // a row too narrow for the splitter
  };
  for (const SplitCase &c : cases)
    EXPECT_EQ(c.expected, SplitEditorRow(c.row, c.editorWidth)) << c.row << " " << c.editorWidth;
}

// A resize leaves the editor its width (where the printed lines break)
// unless it filled the row; a narrow row squeezes it, a wider one gives it back.
TEST(EditorRowTest, ResizeKeepsTheEditorWidthUnlessItFillsTheRow) {
  EXPECT_EQ((EditorRowSplit{500, 495}), ResizedEditorRow(999, 500, false));
  EXPECT_EQ((EditorRowSplit{395, 1}), ResizedEditorRow(400, 500, false));
  EXPECT_EQ((EditorRowSplit{994, 1}), ResizedEditorRow(999, 500, true));
  EXPECT_TRUE(SplitEditorRow(769, 764).Fills());
  EXPECT_FALSE(SplitEditorRow(769, 763).Fills());
}

TEST(EditorRowTest, DragMarksTheFormatOnlyWhenTheWidthChanged) {
  settings::FormatState state;
  state.format.editorWidth = 700;
  EditorWidthDragged(state, 700); // released where it was
  EXPECT_FALSE(state.modified);
  EditorWidthDragged(state, 450);
  EXPECT_EQ(450, state.format.editorWidth);
  EXPECT_TRUE(state.modified);
}

} // namespace
} // namespace zenpa::editor
