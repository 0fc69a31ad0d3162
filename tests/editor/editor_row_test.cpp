#include "editor/editor_row.h"

#include <gtest/gtest.h>

namespace zenpa::editor {
namespace {

// The side panel takes what the editor and the 4-pixel splitter leave, at
// least 1 pixel. After a resize an editor that filled the row fills it
// again; any other keeps its width as far as the row allows.
TEST(EditorRowTest, SplitAndResize) {
  const struct {
    int row, editorWidth;
    bool fills;
    EditorRowSplit expected;
  } cases[] = {
      {769, 500, false, {500, 265}}, {769, 764, false, {764, 1}}, {769, 765, false, {764, 1}},
      {400, 500, false, {395, 1}},   {999, 500, true, {994, 1}},  {3, 500, false, {0, 0}},
  };
  for (const auto &c : cases)
    EXPECT_EQ(c.expected, ResizedEditorRow(c.row, c.editorWidth, c.fills)) << c.row;
  EXPECT_TRUE(SplitEditorRow(769, 764).Fills());
  EXPECT_FALSE(SplitEditorRow(769, 763).Fills());
}

} // namespace
} // namespace zenpa::editor
