// The solver loop: reading a puzzle into the engine, the input checks, the
// human-technique solve in its three orders, and the technique-limited solve
// used by the generator.
//
// One pass runs the techniques in a fixed order and starts again from the
// first one after every change (after the first three, which always run
// together), until a pass changes nothing or a contradiction is met:
//   1 Easy-x/-y  2 Easy-b (step mode only)  3 Block Unique
//   4 Line Unique (digits 1..9)  5 Cell Unique sweep  6 Localize L, B (digits)
//   7 Naked Pair  8 Hidden Pair  9 Naked Triple  10 Hidden Triple
//   11 X-Wing  12 Swordfish  13 Skyscraper (rows, then columns)
//   14 XY-Wing  15 XYZ-Wing  16 Remote Pair  17 2-String Kite
//   18 Empty Rectangle  19 Naked Quad  20 Hidden Quad
// With the selection switch green the column forms of 11..13 go first; blue
// runs 20 down to 6 after technique 5.
#pragma once

#include "puzzle/engine/engine.h"

#include <array>
#include <string>

namespace zenpa::puzzle {

// 81 digits of a puzzle row by row (index 9 * (y - 1) + (x - 1)); 0 = open.
using PuzzleDigits = std::array<int, 81>;

// Fills CellGrid from digits (givens placed, other cells "123456789"), sets
// OpenCount, PuzzleCopy and ClueText (the number of givens).
void LoadPuzzle(Engine &e, const PuzzleDigits &digits);

// CellGrid as 81 digits row by row, 0 for an open cell.
PuzzleDigits GridDigits(const Grid &grid);

// CellGrid as 81 cell texts concatenated row by row (the answer form).
std::string GridText(const Grid &grid);

// The input checks of a freshly read puzzle, in the order they are made.
enum class PuzzleFault {
  None,
  TooFewGivens, // fewer than 16 givens
  Complete,     // no open cell, a correct answer
  BadAnswer,    // no open cell, not an answer
  Broken,       // a given repeats in its row, column or block
};

// Runs the input checks on the puzzle just loaded; sets Contradiction on a
// fault. Too few givens are accepted while the auto-record panel is shown.
PuzzleFault CheckPuzzle(Engine &e, bool autoRecordPanelShown);

// The message box text of a fault ("" for None).
std::string PuzzleFaultMessage(PuzzleFault fault);

// True when every cell holds one digit.
bool AllPlaced(const Grid &grid);

// True when every cell is placed and every row, column and block holds the
// nine digits.
bool IsSolvedGrid(const Grid &grid);

// Technique 4: Line Unique for d = 1..9 until one changes something.
void LineUniqueDigits(Engine &e);
// Technique 5: Cell Unique from every placed cell, row by row.
void CellUniqueSweep(Engine &e);
// Technique 6: Localize L then B for d = 1..9 until one changes something.
void LocalizeDigits(Engine &e);

enum class SolveResult { Solved, Stuck, Contradiction };

// The solve loop in the order the selection switch and step mode give:
// BeginSolve, then passes until nothing changes. A finished grid that breaks
// a row, column or block counts as a contradiction. A stuck solve leaves
// Level 12 and the grey level colour.
SolveResult Solve(Engine &e);

// The same loop in the default order (rows before columns, whatever the
// switch), as the silent check of a partial answer uses it.
SolveResult SolveInDefaultOrder(Engine &e);

// The loop after one trial placement: Cell Unique sweep, Line Unique,
// Localize, then techniques 7..20, restarting after every change.
void TrialSolve(Engine &e);

// The step-by-step solve that goes on from a trial placement: Easy, Block
// Unique, Line Unique, Cell Unique sweep, Line Unique again, Localize, then
// techniques 7..20 (rows before columns), restarting after every change.
// The level reached so far is kept.
void SolveAfterTrial(Engine &e);

// `anzensyokyo`: the generator's solve, limited to the techniques up to the
// highest checked box.
void anzensyokyo(Engine &e);

// Highest technique allowed to `anzensyokyo` by the check boxes.
int TechniqueLimit(const TechniqueOptions &options);

} // namespace zenpa::puzzle
