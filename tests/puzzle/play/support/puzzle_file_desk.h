// Test support: a document with the host and block writer that reading,
// importing and viewing puzzle files write through.
#pragma once

#include "platform/scripted_host.h"
#include "platform/text_memo.h"
#include "puzzle/play/puzzle_block.h"

#include <string>
#include <vector>

namespace zenpa::testing {

// The rows of a puzzle file with 30 givens ("." empty), solved by singles.
inline const std::vector<std::string> kSampleRows = {"53..7....", "6..195...", ".98....6.",
                                                     "8...6...3", "4..8.3..1", "7...2...6",
                                                     ".6....28.", "...419..5", "....8..79"};

struct PuzzleDocDesk {
  platform::TextMemo memo;
  platform::ScriptedHost host;
  settings::PrintFormat format;
  settings::PuzzleOptions &options = format.puzzle;
  settings::InsertionPlace &place = format.insertionPlace;
  play::PuzzleBlockWriter writer{memo, format};
};

} // namespace zenpa::testing
