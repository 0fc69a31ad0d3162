// Line edits of the "/k" mode (KMode): a Ctrl+click toggles a leading "'"
// on the caret's line, and the sound-assignment button "音の指定" names a
// sound file at the end of a line after ",file:". Lines are Shift-JIS bytes;
// paths use "/" and the program directory ends in "/".
#pragma once

#include "platform/host.h"
#include "platform/memo.h"

#include <string>

namespace zenpa::editor {

// The line with a leading "'" added, or removed when it starts with one.
std::string ToggledQuote(const std::string &line);

// Toggles the quote on the caret's line, puts the caret at the line's start
// and scrolls to it. Other lines are not touched.
void ToggleQuoteAtCaret(platform::Memo &memo);

// The open dialog's filter for sound files.
std::string SoundFilter();

// A line can take a sound when it holds ":".
bool TakesSound(const std::string &line);

// The file named after ",file:", empty without one.
std::string SoundFileOf(const std::string &line);

// The line's text before ",file:" (the whole line without one), trailing
// commas removed, then ",file:" and the file: its name alone when it lies
// in programDir, else its path. An empty file removes the ",file:" part.
std::string WithSound(const std::string &line, const std::string &file,
                      const std::string &programDir);

// The button "音の指定" on the caret's line, when it holds ":": without Ctrl
// an open dialog for sound files starts on the file the line names (when it
// exists) and the chosen file is written into the line; with Ctrl the
// ",file:" part is removed. The caret goes to the start of the line. True
// when the line changed.
bool AssignSound(platform::Memo &memo, platform::Host &host, const std::string &programDir,
                 bool ctrl);

} // namespace zenpa::editor
