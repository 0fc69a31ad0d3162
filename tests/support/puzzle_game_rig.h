// A puzzle game over a document in memory, for the tests of the game and of
// what plays it: the document, a host, a format without the title line or
// the automatic print format, the puzzle commands and the game. A sample
// puzzle is written as a grid between two lines of text, the caret in it.
#pragma once

#include "app/puzzle_game.h"
#include "base/sjis.h"
#include "platform/text_memo.h"
#include "puzzle/play/grid_text.h"
#include "support/event_host.h"
#include "support/temp_dir.h"

#include <string>
#include <vector>

namespace zenpa::testing {

// 81 digits row by row, '0' for an open cell.
inline play::GridDigits DigitsOf(const char *text) {
  play::GridDigits d{};
  for (int i = 0; i < 81; ++i)
    d[i] = text[i] - '0';
  return d;
}

class PuzzleGameRig {
protected:
  PuzzleGameRig() {
    format.format.puzzle.autoApplyFormat = false;
    format.format.puzzle.printTitle = false;
  }
  void WriteGrid(const char *digits) {
    std::vector<std::string> lines{base::Sj("前の行")};
    for (const std::string &line : play::GridBlockLines(play::GivenCells(DigitsOf(digits))))
      lines.push_back(line);
    lines.push_back(base::Sj("後の行"));
    memo.SetLines(lines);
    memo.SetCaret({3, 0});
  }
  // The two bytes of the cell at (column, row), 0..8, of the written grid.
  std::string Cell(int column, int row) const {
    return memo.Line(2 + 2 * row).substr(2 + 4 * column, 2);
  }

  TempDir dir;
  platform::TextMemo memo;
  EventHost host;
  settings::FormatState format;
  app::WindowModes modes;
  app::PuzzleCommands puzzle{modes, memo, host, format, dir.Dir(), app::PuzzleHooks{}};
  app::PuzzleGame game{modes, memo, host, format, puzzle, app::PuzzleGameHooks{}};
};

} // namespace zenpa::testing
