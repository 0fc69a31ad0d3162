// The puzzle engine's state: the grids, counters and flags through which
// every solving technique reports, the technique options, and the step trace.
//
// An Engine is an ordinary object; several may live at once (one per thread in
// the command line). Techniques are free functions over one Engine (singles.h,
// locked.h, subsets.h, ...). They follow one contract:
//  - a technique guarded by a check box returns at once when TechniqueGate
//    says so;
//  - every candidate it removes goes through Eliminate (or a PatternStep),
//    which sets Changed, raises Level/LevelSub, paints the level colour and,
//    when the cell is left with one candidate, runs kakunin and counts the
//    placement in OpenCount;
//  - it returns at once when Contradiction is set;
//  - in step mode it shows its step through debug / mark / wait / markd.
//
// Cells are 9-bit candidate masks (cell.h). Coordinates (x, y) are column and
// row, 1-based. All texts (StepText, ClueText, labels) are Shift-JIS.
#pragma once

#include "puzzle/engine/cell.h"
#include "puzzle/engine/cell_sets.h"
#include "puzzle/engine/options.h"
#include "puzzle/engine/units.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zenpa::puzzle {

// Level a technique raises the grade to, the sub-code of the level-11
// techniques (-1 for the others) and the colour of the level indicator Panel4.
struct TechniqueLevel {
  int level = 1;
  int sub = -1;
  std::uint32_t colour = 0;
};

inline constexpr TechniqueLevel kLevelEasy{1, -1, 0xFFE0D0}; // Easy, Block Unique
inline constexpr TechniqueLevel kLevelLineUnique{2, -1, 0xD0F0C0};
inline constexpr TechniqueLevel kLevelCellUnique{3, -1, 0xB8FCDA};
inline constexpr TechniqueLevel kLevelLocalize{4, -1, 0x92F4F4};
inline constexpr TechniqueLevel kLevelNakedPair{5, -1, 0x95BFFF};
inline constexpr TechniqueLevel kLevelHiddenPair{6, -1, 0x95BFFF};
inline constexpr TechniqueLevel kLevelNakedTriple{7, -1, 0xC9ACFD};
inline constexpr TechniqueLevel kLevelHiddenTriple{8, -1, 0xC9ACFD};
inline constexpr TechniqueLevel kLevelXWing{9, -1, 0xFFB9E4};
inline constexpr TechniqueLevel kLevelSwordfish{10, -1, 0xFFB9E4};
inline constexpr std::uint32_t kLevel11Colour = 0xEEDDFF;
inline constexpr std::uint32_t kUnsolvedColour = 0xC0C0C0; // level 12

// A level-11 technique with its sub-code: 0 Skyscraper, 10 Finned X-Wing,
// 20 Finned Skyscraper, 30 XY-Wing, 40 XYZ-Wing, 50 Remote Pair,
// 60 2-String Kite, 61 Grouped 2-String Kite, 70 Empty Rectangle,
// 80 Naked Quad, 90 Hidden Quad.
constexpr TechniqueLevel Level11(int sub) { return TechniqueLevel{11, sub, kLevel11Colour}; }

// Colour of the level indicator for a grade 1..12 (0 for anything else).
std::uint32_t LevelColour(int level);

// StepKey values.
inline constexpr int kKeyNone = 0;
inline constexpr int kKeyBackspace = 8; // step back
inline constexpr int kKeyTab = 9;       // write the candidate list into the document
inline constexpr int kKeyEnter = 13;    // next step
inline constexpr int kKeyEscape = 27;   // stop showing steps
inline constexpr int kNoStepTarget = 255;

class Engine;

// The step-by-step display. The engine keeps the step counters and decides
// what is shown when; an observer puts it on the screen and in the document.
// Every method has a do-nothing default, so a display implements what it has.
class StepObserver {
public:
  virtual ~StepObserver() = default;
  // Label41 (solved cells, open cells, step text) and Label44 ("L." level);
  // the level panel is shown in the engine's LevelPanelColour.
  virtual void ShowStatus(const std::string & /*stepLine*/, const std::string & /*levelLine*/) {}
  virtual void HideStatus() {}
  // The two-byte text of cell (x, y) in the document's puzzle grid.
  virtual std::string PuzzleCell(int /*x*/, int /*y*/) { return {}; }
  // Replaces cell (x, y) in the document's puzzle grid by a two-byte text.
  virtual void SetPuzzleCell(int /*x*/, int /*y*/, const std::string & /*text*/) {}
  // Selects cell (x, y) in the document and moves the assist window's cursor.
  virtual void ShowCell(int /*x*/, int /*y*/) {}
  // Draws a mark ("◆", "◇", or "　" to clear) on the assist window's board.
  virtual void SetBoardMark(int /*x*/, int /*y*/, const std::string & /*text*/) {}
  // Lets pending events run until a key is stored in the engine's StepKey.
  // The default presses Enter.
  virtual void WaitForKey(Engine &engine);
  // Rewrites the candidate list (itiran) where the display keeps it.
  virtual void RefreshCandidateList(Engine & /*engine*/) {}
};

class Engine {
public:
  Engine();

  // The grids. CellGrid is the only one the techniques read and change.
  Grid CellGrid;
  Grid PuzzleCopy; // the puzzle as read: givens and full cells
  Grid StartGrid;  // restore point of step mode and of the partial answer
  Grid TrialBase;  // where every trial placement starts
  Grid ListGrid;   // source of the candidate list text
  // Digits of one unit by cell position 1..9 (element 0 unused), rebuilt by
  // the hidden-subset techniques for every unit they look at.
  std::array<Cell, 10> PositionTable{};

  // Counters and flags.
  int OpenCount = 81;
  bool Changed = false;
  bool InnerChanged = false;
  bool Contradiction = false;
  int Level = 1;
  int LevelSub = 0;
  bool BlockUniqueHUsed = false;
  std::string StepText;
  std::string ClueText;
  std::uint32_t LevelPanelColour = kLevelEasy.colour; // the step panel Panel4

  // Step trace state.
  bool StepMode = false;
  int StepKey = kKeyNone;
  int StepNo = 0;
  int StepTarget = kNoStepTarget;
  int PlayerSteps = 0;
  bool RestartRequest = false;

  // The placed cells of the last cross-hatching outside step mode that
  // placed nothing: with the same placed cells it would place nothing again.
  std::optional<PlacedCells> QuietHatch;

  TechniqueOptions Options;
  StepObserver *Observer = nullptr;

  // Green switch: row/column techniques scan columns first.
  bool ColumnsFirst() const { return Options.ColumnsFirst(); }
  bool Gated(int box) const { return TechniqueGate(Options, box); }
  // Step display is wanted: step mode on and not stopped with Escape.
  bool Tracing() const { return StepMode && StepKey != kKeyEscape; }

  // Start of a solve: Level 1, empty StepText, LevelSub and BlockUniqueHUsed
  // cleared, level colour of level 1, no pattern marked.
  void BeginSolve();

  // Raises Level (and LevelSub for level-11 techniques) and paints the colour.
  void RaiseLevel(const TechniqueLevel &level);

  // Placement check of cell (x, y): sets Contradiction when its value is not
  // 1..9, or when another cell of its row, column or block holds the same
  // candidates. Never clears Contradiction.
  void kakunin(int x, int y);

  // Removes digit d from cell (x, y) (which must hold it): sets Changed,
  // raises the level, then SettleCell. Returns false on Contradiction.
  bool Eliminate(int x, int y, int d, const TechniqueLevel &level);
  // The two halves of Eliminate: the removal with Changed set, and the check
  // of a cell that may have been left with one candidate (kakunin, then
  // OpenCount decreased unless Contradiction; false on Contradiction).
  void RemoveCandidate(int x, int y, int d);
  bool SettleCell(int x, int y);

  // Writes digit d into cell (x, y) as a direct placement: sets Changed and
  // decreases OpenCount. No check is made here.
  void Place(int x, int y, int d);

  // Number of placed cells of PuzzleCopy (the givens).
  int GivenCount() const;

  // Step trace (each does nothing unless Tracing()):
  // shows the step that changed cell (x, y) and waits for a key;
  void debug(int x, int y);
  // waits for a key after a pattern has been marked, without touching a cell;
  void wait();
  // marks a pattern cell with "◆" (mark) or "◇" (markR, a second role);
  void mark(int x, int y);
  void markR(int x, int y);
  // takes the marks away again.
  void markd();

  // StepText := label followed by the decimal text of number. The text's
  // storage is reused from step to step.
  void SetStepText(const std::string &label, long number);

  // Asks the step display to rewrite the candidate list.
  void RefreshCandidateList();

  // Where the digits stand on CellGrid as it is now. The taking is kept and
  // only the cells changed since are sorted again, so the scans of one pass
  // share it.
  const DigitCells &Taking();

  // Label41 and Label44 texts of the current step.
  std::string StepStatusLine() const;
  std::string LevelLine() const;

private:
  void MarkCell(int x, int y, const std::string &symbol);
  // Waits for a key; Tab rewrites the candidate list while the switch is on.
  int AwaitKey();
  // Backspace: request a replay that stops one step earlier.
  void StepBack();
  // Replay: true while a step whose number differs from StepTarget passes silently.
  bool SilentStep();

  Grid takenGrid_;
  DigitCells taken_;
  bool takenValid_ = false;
  bool marking_ = false;
  std::vector<Pos> marked_;
  Pos lastStep_;
};

// Sum of the values of a unit's cells (45 when all nine are placed and differ).
long UnitSum(const Grid &grid, const Unit &unit);

// Whole-grid answer test: every column, then every row, adds up to 45 by
// cell values. Blocks are not summed.
bool AnswerTest(const Grid &grid);

// True when a digit stands in more than one placed cell of a column, a row
// or a block.
bool HasRepeatedDigit(const Grid &grid);

} // namespace zenpa::puzzle
