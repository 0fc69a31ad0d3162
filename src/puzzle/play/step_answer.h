// Step-by-step solving (`DebugAnswer`): the solve shows each step in the
// document's grid and waits for a key; Backspace steps back by solving again
// silently up to the step before.
//
// Before the steps, a grid the player has partly filled in ("①".."⑨") can be
// taken up (partial_answer.h).
#pragma once

#include "puzzle/engine/engine.h"
#include "puzzle/play/answer_solve.h"

#include <string>

namespace zenpa::play {

// Shows the steps of a solve in the document's grid and in the step panel
// `Panel4`. WaitForKey lets events run until a key
// has been stored in the engine's StepKey (or a stop is requested).
class DocumentStepDisplay : public puzzle::StepObserver {
public:
  explicit DocumentStepDisplay(AnswerContext &ctx) : ctx_(ctx) {}

  void ShowStatus(const std::string &stepLine, const std::string &levelLine) override;
  void HideStatus() override;
  std::string PuzzleCell(int x, int y) override;
  void SetPuzzleCell(int x, int y, const std::string &text) override;
  void ShowCell(int x, int y) override;
  void WaitForKey(puzzle::Engine &engine) override;
  void RefreshCandidateList(puzzle::Engine &engine) override;

  std::string stepText;      // Label41: the step
  std::string levelText;     // Label44: the level
  bool panelVisible = false; // Panel4

private:
  // Line index and byte offset of cell (x, y) in the document; false when
  // the row line is missing or too short.
  bool CellPosition(int x, int y, int &line, std::size_t &offset) const;

  AnswerContext &ctx_;
};

// `DebugAnswer`: the difficulty check, then the step-by-step solve, again
// after every step back. fromGame: called from the game, which keeps the
// player's digits without asking, captions the stop button "ゲーム" and gets
// the puzzle back at the end (state.ResumeGame). The keys come through
// StepKeyPressed while the steps wait.
void DebugAnswer(AnswerContext &ctx, bool fromGame = false);

} // namespace zenpa::play
