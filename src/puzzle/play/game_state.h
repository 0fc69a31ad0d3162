// The state of a puzzle game played in the document: the givens it started
// with, the clock, the move history, the candidate notes kept over a pause,
// the completion check (`kanseika`) and the texts the window shows (the
// clock, the progress label, the goal dialog). Texts are Shift-JIS bytes;
// times are milliseconds of the host's clock.
#pragma once

#include "platform/memo.h"
#include "puzzle/engine/cell.h"
#include "puzzle/play/grid_text.h"
#include "puzzle/play/move_history.h"

#include <cstdint>
#include <string>

namespace zenpa::play {

// "数独ゲーム 　２分　５秒": minutes and seconds since the start in the
// two-column full-width form.
std::string GameClockText(std::int64_t elapsedMs);
// The window caption during a game: "ZENPA - 数独".
std::string GameCaption();
// "－やさしい問題－" .. "－かなり難しい問題－" for the grader's level, else "".
std::string LevelLabel(int level);

// The document view the modes need in pixels: the grid's lines (and the
// title line) with a margin, and the grid's text with three characters of
// room; the window grows to the height and is locked to the width.
int GridViewHeight(int lineHeight, bool titleShown);
int GridViewWidth(int gridTextWidth, int fullWidthChar);

// The goal dialog of a finished puzzle.
struct PuzzleGoalTexts {
  std::string caption;    // "数独　" + level label
  std::string headline;   // "☆☆ できあがり ☆☆"
  std::string timeLine;   // "２分　５秒" (no leading full-width space)
  std::string resultLine; // "★ おめでとう ★"
};
PuzzleGoalTexts PuzzleGoal(int level, std::int64_t elapsedMs);

// What the completion check found.
struct Completion {
  bool gridFound = false;
  GridDigits values{}; // cell digits row by row, 0 open
  int open = 81;
  bool complete = false;
  std::string progressText; // Label64: digits entered, " (", open cells, ")"
};

// True when every row, column and block holds each digit 1..9 once (so
// each sums to 45).
bool IsSolvedGrid(const GridDigits &values);

class GameState {
public:
  // A game starts on the grid whose givens are read: the history is
  // emptied, the clock starts at now and the completed answer is cleared.
  // True when the givens differ from the last game's (a new puzzle).
  bool Start(const GridDigits &givens, std::int64_t now);

  // `kanseika` over the grid with its top border at topLine: the grid model
  // takes the cells' digits (open cells all candidates, or the notes kept
  // over a pause); a complete grid becomes the completed answer.
  Completion Check(const platform::Memo &memo, int topLine, puzzle::Grid &model);

  // Pause: the model's candidates are kept for the resumed game.
  void KeepCandidates(const puzzle::Grid &model);
  // The notes are used by the next check only after a resume; a new game
  // starts without them.
  void DropCandidates() { keepCandidates_ = false; }

  std::int64_t StartTime() const { return startMs_; }
  int GivenCount() const { return givenCount_; }
  const GridDigits &Givens() const { return givens_; }
  // `CompletedAnswer`: the 81 digits of the last completed game ("" none).
  const std::string &CompletedAnswer() const { return completedAnswer_; }
  MoveHistory &History() { return history_; }
  const MoveHistory &History() const { return history_; }

private:
  GridDigits givens_{};
  int givenCount_ = 0;
  std::string signature_;
  std::int64_t startMs_ = 0;
  std::string completedAnswer_;
  MoveHistory history_;
  bool keepCandidates_ = false;
  puzzle::Grid savedCandidates_{};
};

} // namespace zenpa::play
