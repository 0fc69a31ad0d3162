#include "editor/editor_look.h"

#include <algorithm>
#include <cmath>

namespace zenpa::editor {

int ReducedDivisor(double fontSize, bool reduced) {
  if (!reduced)
    return 1;
  const long rounded = std::lround(fontSize);
  return static_cast<int>(std::clamp(rounded / 140 + 1, 2L, 8L));
}

int EditorFontPixels(double fontSize, int screenDpi, bool reduced) {
  const long full = std::lround(screenDpi * fontSize / 72.0);
  return std::max(1, static_cast<int>(full / ReducedDivisor(fontSize, reduced)));
}

EditorLook LookOf(const settings::PrintFormat &format, int screenDpi, bool reduced) {
  EditorLook look;
  look.fontFace = format.fontName;
  look.fontPixels = EditorFontPixels(format.fontSize, screenDpi, reduced);
  look.colour = format.textColor;
  look.wrap = format.wrapEditor;
  look.tabsOn = format.tabsOn;
  look.tabWidth = format.tabsOn ? std::clamp(format.tabWidth, 1, 8) : 1;
  look.editorWidth = format.editorWidth;
  look.overwrite = format.overwriteMode;
  return look;
}

int CaretWidth(int fontPixels, bool overwrite, bool gridMode) {
  if (gridMode)
    return fontPixels;
  if (overwrite)
    return std::max(2, fontPixels / 2);
  return 2;
}

void SetWrap(settings::FormatState &state, bool on) {
  state.format.wrapEditor = on;
  state.modified = true;
}

void SetTabsOn(settings::FormatState &state, bool on) {
  state.format.tabsOn = on;
  if (!on)
    state.format.tabWidth = 1;
  state.modified = true;
}

void SetTabWidth(settings::FormatState &state, int width) {
  state.format.tabWidth = std::clamp(width, 1, 8);
  state.modified = true;
}

} // namespace zenpa::editor
