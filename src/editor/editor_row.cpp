#include "editor/editor_row.h"

#include <algorithm>

namespace zenpa::editor {

EditorRowSplit SplitEditorRow(int rowWidth, int editorWidth) {
  const int room = std::max(0, rowWidth - kSplitterWidth);
  if (editorWidth > rowWidth - kSplitterWidth - 1 || editorWidth < 0)
    return {std::max(0, room - 1), std::min(1, room)};
  return {editorWidth, room - editorWidth};
}

EditorRowSplit ResizedEditorRow(int rowWidth, int editorWidth, bool fills) {
  return SplitEditorRow(rowWidth, fills ? rowWidth : editorWidth);
}

void EditorWidthDragged(settings::FormatState &state, int paneWidth) {
  if (state.format.editorWidth == paneWidth)
    return;
  state.format.editorWidth = paneWidth;
  state.modified = true;
}

} // namespace zenpa::editor
