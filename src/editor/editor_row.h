// The row of the main window that holds the document editor: the editor
// pane, a splitter 4 pixels wide and the side panel beside it. The record's
// editorWidth (",メモ幅 (ピクセル)", the panel's memo-width field) decides the
// split, and a drag of the splitter writes it back. Because the editor's
// width decides where a wrapped document breaks its printed lines, a resize
// of the window leaves the editor its width: the side panel takes the
// change. An editor that fills the row (the side panel at 1 pixel, the
// design's "full width") follows the window instead. Widths are screen pixels.
#pragma once

#include "settings/format_commands.h"

namespace zenpa::editor {

inline constexpr int kSplitterWidth = 4;

struct EditorRowSplit {
  int editor = 0; // the editor pane
  int side = 0;   // the side panel
  // The editor fills the row: it follows the window's width.
  bool Fills() const { return side <= 1; }
  bool operator==(const EditorRowSplit &) const = default;
};

// The side panel takes rowWidth - 4 - editorWidth. An editor width beyond
// rowWidth - 5 leaves the side panel 1 pixel and the editor the rest.
EditorRowSplit SplitEditorRow(int rowWidth, int editorWidth);

// The row after a resize: an editor that filled the row fills it again;
// any other keeps its width as far as the row allows.
EditorRowSplit ResizedEditorRow(int rowWidth, int editorWidth, bool fills);

// The splitter was dragged: the memo-width field takes the editor pane's
// width, and a new width marks the format modified.
void EditorWidthDragged(settings::FormatState &state, int paneWidth);

} // namespace zenpa::editor
