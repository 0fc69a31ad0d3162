// The row of the main window that holds the document editor: the editor
// pane, a splitter 4 pixels wide and the side panel beside it. The record's
// editorWidth (",メモ幅 (ピクセル)", the panel's memo-width field) decides the
// split; a drag of the splitter and a resize of the window write it back.
// Widths are screen pixels.
#pragma once

#include "settings/format_commands.h"

namespace zenpa::editor {

inline constexpr int kSplitterWidth = 4;

struct EditorRowSplit {
  int editor = 0; // the editor pane
  int side = 0;   // the side panel
  bool operator==(const EditorRowSplit &) const = default;
};

// The side panel takes rowWidth - 4 - editorWidth. An editor width beyond
// rowWidth - 5 leaves the side panel 1 pixel and the editor the rest.
EditorRowSplit SplitEditorRow(int rowWidth, int editorWidth);

// The splitter was dragged: the memo-width field takes the editor pane's
// width, and a new width marks the format modified.
void EditorWidthDragged(settings::FormatState &state, int paneWidth);

// The window was resized and the editor pane followed it: the record keeps
// the window's and the pane's widths, so that the field and a saved format
// tell the truth, but a resize is no change of the format and leaves
// FormatModified as it was.
void WindowResized(settings::FormatState &state, int windowWidth, int paneWidth);

} // namespace zenpa::editor
