// Text the engine writes: the candidate list (itiran) and the answer forms
// (kotaetuke, kotae9txt, kotae1txt). All lines are Shift-JIS.
//
// Candidate list: eleven lines, one per row plus a rule after rows 3 and 6.
// A row line starts with a space; each cell shows its candidates padded to
// seven characters, followed by "|" after columns 3 and 6 and " " after the
// others; a cell with eight or nine candidates shows only its first eight
// and no separator, so its row keeps the width:
//   " 1      2      3      |4      5      6      |7      8      9      "
//   " -----------------------+-----------------------+-----------------------"
#pragma once

#include "platform/memo.h"
#include "puzzle/engine/engine.h"

#include <functional>
#include <string>
#include <vector>

namespace zenpa::puzzle {

// Where the engine's text goes.
struct TextOutput {
  // Inserts one document line at the answer-insertion line; consecutive
  // calls keep their order.
  std::function<void(const std::string &)> insertLine;
  // The hint window's text: the candidate list fills its lines 0 to 10.
  platform::Memo *hintText = nullptr;
  bool titleLine = true;        // "☆": the answer grid starts with the title
  std::string puzzleTitle;      // PuzzleTitle
  bool suppressed = false;      // the generator runs: nothing is written
  bool pruneRepeatedly = false; // hint window pruning: follow new singles
};

// Deletes the digit of ListGrid cell (x, y) from the open cells of its row,
// column and block, in that order. True when one of them was left with a
// single candidate.
bool dsView(Engine &e, int x, int y);

// Copies CellGrid into ListGrid, prunes it for display and returns the
// eleven lines of the candidate list.
std::vector<std::string> CandidateListLines(Engine &e, bool pruneRepeatedly);

// Writes the candidate list: into the document after an empty line while
// StepKey holds 9 (Tab), otherwise over lines 0 to 10 of the hint text.
void itiran(Engine &e, TextOutput &out);

// The nineteen lines of a framed grid; cellText gives the two-byte text of
// cell (x, y).
std::vector<std::string> GridFrameLines(const std::function<std::string(int, int)> &cellText);

// The answer grid: the title line when asked for, then the framed grid with
// each placed cell as its full-width digit and each open cell blank; the
// candidate list follows while cells are open. While StepKey holds 9 only
// the candidate list is written.
void kotaetuke(Engine &e, TextOutput &out);

// Nine lines of nine full-width digits.
void kotae9txt(const Engine &e, TextOutput &out);

// One line of the 81 cells' candidate texts, row by row.
void kotae1txt(const Engine &e, TextOutput &out);

} // namespace zenpa::puzzle
