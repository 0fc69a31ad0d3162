// What one typed key did in a drill mode, for the window to show.
#pragma once

namespace zenpa::drill {

constexpr char kEscKey = 27;

enum class KeyResult {
  Ignored,   // swallowed, nothing changed
  LeaveMode, // Esc on something that is not a cell key: leave the mode
  Wrong,     // game: a wrong digit; the caret stays on its cell
  Moved,     // the cell was written and the caret moved on (or stayed at the end)
  Goal,      // game: the final cell was answered; the goal report is ready
};

// The space and "0"…"9" are the keys a cell accepts; a space stands for 0.
inline bool IsCellKey(char key) { return key == ' ' || (key >= '0' && key <= '9'); }
inline int KeyDigit(char key) { return key == ' ' ? 0 : key - '0'; }

} // namespace zenpa::drill
