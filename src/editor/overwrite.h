// Typing in overwrite mode ("上書きモード(&O)") over a line of Shift-JIS
// bytes: a typed character replaces the whole character under the caret,
// both bytes of a double-byte one, whatever the width of the typed
// character; at the end of the line typing inserts.
#pragma once

#include <string_view>

namespace zenpa::editor {

// Byte range [start, end) of a line.
struct ByteSpan {
  int start = 0;
  int end = 0;
  friend bool operator==(const ByteSpan &, const ByteSpan &) = default;
};

// What one typed character replaces with the caret at col: the character
// there (when col is the second byte of a double-byte character, that whole
// character), or the empty span at col at or after the end of the line. The
// window selects it before the editor takes the key.
ByteSpan OverwriteSpan(std::string_view line, int col);

} // namespace zenpa::editor
