// The recent-file history: the last five documents, offered as the items
// "(&1)" to "(&5)" at the end of the File menu and kept between runs in the
// history file "zenpa.his" in the program directory.
//
// Names are Shift-JIS bytes exactly as the document name was held (relative
// or full). The file is Shift-JIS text with CR LF lines: a header line, then
// one line per slot, an empty line for an empty slot.
#pragma once

#include "base/file_io.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace zenpa::app {

inline constexpr int kHistorySlots = 5;

class History {
public:
  // Slot 1..5; an empty string is an empty slot.
  const std::string &Slot(int slot) const { return slots_.at(slot - 1); }

  // Fills the slots from the lines of a history file (header first): every
  // line that names an existing file takes the next free slot, other lines
  // use none. Stops when the five slots are full.
  void LoadLines(const std::vector<std::string> &lines,
                 const std::function<bool(const std::string &)> &fileExists);

  // Puts a document name at the top. The default document name and a name
  // already at the top change nothing; the name moves up when it was further
  // down. Comparisons are exact.
  void Record(const std::string &docFileName);

  // The lines of the history file: the header, then the five slots.
  std::vector<std::string> FileLines() const;

  // The menu caption of slot 1..5: "(&k)" followed by the shortened name.
  std::string Caption(int slot) const;

  // A name of 51 bytes or more shows as its first 2 bytes, "..." and its last
  // 45 bytes; no double-byte character is cut in half (the half is dropped).
  static std::string ShortName(const std::string &name);

private:
  std::array<std::string, kHistorySlots> slots_;
};

// Reads programDir + "zenpa.his" into history; a missing file leaves it empty.
// A history that is a directory, unreadable or not text leaves it empty too
// and gives the message to show; the message is empty otherwise.
std::string LoadHistoryFile(History &history, const std::string &programDir);

// Writes programDir + "zenpa.his"; the path and the reason when it could
// not be written.
base::IoResult SaveHistoryFile(const History &history, const std::string &programDir);

std::string HistoryFilePath(const std::string &programDir);

} // namespace zenpa::app
