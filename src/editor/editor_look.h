// How the document editor shows its text, taken from the print format and
// the view toggles of the settings menu: font face, pixel height and colour,
// wrapping, tab stops, pane width and caret. The window applies an
// EditorLook whenever it differs from the one it applied last, so a loaded
// format, the format reset and every toggle reach the editor the same way.
//
// Also the settings menu's rules for the editor fields of the record: a
// change of wrapping, tabs or tab width marks the format modified; with tabs
// off the tab width is 1.
#pragma once

#include "base/colour.h"
#include "settings/format_commands.h"

#include <string>

namespace zenpa::editor {

struct EditorLook {
  std::string fontFace; // as the format names it (Shift-JIS); the window substitutes
  int fontPixels = 16;  // screen pixels of the font height
  base::Colour colour = 0;
  bool wrap = false;      // wraps at the right edge: vertical scroll bar only
  int tabWidth = 1;       // characters (half-width columns) per tab stop
  bool tabsOn = false;    // the Tab key types a tab; off: it moves the focus
  int editorWidth = 0;    // pane width in screen pixels
  bool overwrite = false; // the overwrite mode of typing
  bool operator==(const EditorLook &) const = default;
};

// The divisor of the reduced display ("文字の縮小表示(&H)"): 1 without it;
// with it 2 below 280 points, one more for each further 140 points, at most 8.
int ReducedDivisor(double fontSize, bool reduced);

// The editor font's pixel height for the print font size on a screen of
// screenDpi pixels per inch, reduced by the divisor; at least 1.
int EditorFontPixels(double fontSize, int screenDpi, bool reduced);

EditorLook LookOf(const settings::PrintFormat &format, int screenDpi, bool reduced);

// Width of the caret in pixels: 2 normally, half the font height in
// overwrite mode, the whole font height while a grid mode types into cells.
int CaretWidth(int fontPixels, bool overwrite, bool gridMode);

// The settings menu's editor items.
void SetWrap(settings::FormatState &state, bool on);
void SetTabsOn(settings::FormatState &state, bool on);
void SetTabWidth(settings::FormatState &state, int width); // kept within 1..8

} // namespace zenpa::editor
