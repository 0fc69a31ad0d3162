#include "editor/editor_row.h"

#include <algorithm>

namespace zenpa::editor {

EditorRowSplit SplitEditorRow(int rowWidth, int editorWidth) {
  const int room = std::max(0, rowWidth - kSplitterWidth);
  if (editorWidth > rowWidth - kSplitterWidth - 1 || editorWidth < 0)
    return {std::max(0, room - 1), std::min(1, room)};
  return {editorWidth, room - editorWidth};
}

void EditorWidthDragged(settings::FormatState &state, int paneWidth) {
  if (state.format.editorWidth == paneWidth)
    return;
  state.format.editorWidth = paneWidth;
  state.modified = true;
}

void WindowResized(settings::FormatState &state, int windowWidth, int paneWidth) {
  state.format.windowWidth = windowWidth;
  state.format.editorWidth = paneWidth;
}

} // namespace zenpa::editor
