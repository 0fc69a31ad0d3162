#include "puzzle/engine/solver.h"

#include "base/sjis.h"
#include "puzzle/engine/locked.h"
#include "puzzle/engine/singles.h"
#include "puzzle/engine/technique_table.h"

#include <algorithm>
#include <vector>

namespace zenpa::puzzle {
namespace {

constexpr bool HasSeveral(Cell c) { return (c & (c - 1)) != 0; }

// The union of the candidates of the open cells of every row, column and
// block (blocks numbered band by band).
struct OpenCandidates {
  std::array<Cell, 9> row{};
  std::array<Cell, 9> column{};
  std::array<Cell, 9> block{};
  Cell Around(int x, int y) const {
    return row[y - 1] | column[x - 1] | block[(y - 1) / 3 * 3 + (x - 1) / 3];
  }
};

OpenCandidates OpenCandidatesOf(const Grid &grid) {
  OpenCandidates open;
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x) {
      const Cell c = grid(x, y);
      if (!HasSeveral(c))
        continue;
      open.row[y - 1] |= c;
      open.column[x - 1] |= c;
      open.block[(y - 1) / 3 * 3 + (x - 1) / 3] |= c;
    }
  }
  return open;
}

// One entry of a pass: the technique and whether a change after it starts
// the pass again.
struct PassStep {
  TechniqueFn run;
  bool restartOnChange = true;
};

using PassOrder = std::vector<PassStep>;

void Append(PassOrder &order, std::initializer_list<int> ids, bool restartOnChange = true) {
  for (int id : ids)
    order.push_back({AdvancedTechniques()[id], restartOnChange});
}

// Techniques 7..20 in the default order; columnsFirst puts the column form
// of X-Wing, Swordfish and Skyscraper before the row form.
void AppendAdvanced(PassOrder &order, bool columnsFirst) {
  Append(order, {kNakedPair, kHiddenPair, kNakedTriple, kHiddenTriple});
  for (int rows : {kXWingRows, kSwordfishRows, kSkyscraperRows}) {
    const int columns = rows + 1;
    if (columnsFirst)
      Append(order, {columns, rows});
    else
      Append(order, {rows, columns});
  }
  Append(order, {kXYWing, kXYWingSecond, kXYZWing, kRemotePair, kTwoStringKite, kEmptyRectangle,
                 kNakedQuad, kHiddenQuad});
}

// Techniques 20 down to 6, the hard-to-easy order.
void AppendReversed(PassOrder &order) {
  Append(order, {kHiddenQuad, kNakedQuad, kEmptyRectangle, kTwoStringKite, kRemotePair, kXYZWing,
                 kXYWingSecond, kXYWing, kSkyscraperRows, kSkyscraperColumns, kSwordfishRows,
                 kSwordfishColumns, kXWingRows, kXWingColumns, kHiddenTriple, kNakedTriple,
                 kHiddenPair, kNakedPair});
  order.push_back({LocalizeDigits});
}

// The full pass of a solve. The first steps up to Block Unique run together.
PassOrder SolveOrder(SelectionSwitch state, bool stepMode) {
  PassOrder order;
  order.push_back({linenokori1, false});
  if (stepMode)
    order.push_back({blocknokori1, false});
  order.push_back({kihonkaiho});
  order.push_back({LineUniqueDigits});
  order.push_back({CellUniqueSweep});
  if (state == SelectionSwitch::HardToEasy) {
    AppendReversed(order);
    return order;
  }
  order.push_back({LocalizeDigits});
  AppendAdvanced(order, state == SelectionSwitch::ColumnsFirst);
  return order;
}

PassOrder TrialOrder() {
  PassOrder order = {{CellUniqueSweep}, {LineUniqueDigits}, {LocalizeDigits}};
  AppendAdvanced(order, false);
  return order;
}

// What a pass over a grid whose every cell holds one digit leaves behind:
// no technique finds an open cell to work on, so nothing changes, and the
// Cell Unique sweep, part of every order, clears InnerChanged.
bool SkipFullPass(Engine &e) {
  if (!AllPlaced(e.CellGrid))
    return false;
  e.InnerChanged = false;
  return true;
}

// Passes until one changes nothing, a contradiction, or a step back.
void RunPasses(Engine &e, const PassOrder &order) {
  e.Changed = true;
  while (e.Changed && !e.Contradiction) {
    e.Changed = false;
    if (SkipFullPass(e))
      return;
    for (const PassStep &step : order) {
      step.run(e);
      if (e.Contradiction || e.RestartRequest)
        return;
      if (step.restartOnChange && e.Changed)
        break;
    }
  }
}

SolveResult Classify(Engine &e) {
  if (!e.Contradiction && AllPlaced(e.CellGrid) && HasRepeatedDigit(e.CellGrid))
    e.Contradiction = true;
  if (e.Contradiction)
    return SolveResult::Contradiction;
  if (AllPlaced(e.CellGrid))
    return SolveResult::Solved;
  e.Level = 12;
  e.LevelPanelColour = kUnsolvedColour;
  return SolveResult::Stuck;
}

SolveResult SolveWith(Engine &e, const PassOrder &order) {
  e.BeginSolve();
  RunPasses(e, order);
  return Classify(e);
}

} // namespace

void LoadPuzzle(Engine &e, const PuzzleDigits &digits) {
  e.OpenCount = 81;
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x) {
      const int d = digits[9 * (y - 1) + (x - 1)];
      const bool given = d >= 1 && d <= 9;
      e.CellGrid(x, y) = given ? DigitBit(d) : kAllCandidates;
      e.OpenCount -= given ? 1 : 0;
    }
  }
  e.PuzzleCopy = e.CellGrid;
  e.ClueText = std::to_string(81 - e.OpenCount);
}

PuzzleDigits GridDigits(const Grid &grid) {
  PuzzleDigits digits{};
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x)
      digits[9 * (y - 1) + (x - 1)] = DigitOf(grid(x, y));
  }
  return digits;
}

std::string GridText(const Grid &grid) {
  std::string text;
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x)
      text += CandidateText(grid(x, y));
  }
  return text;
}

PuzzleFault CheckPuzzle(Engine &e, bool autoRecordPanelShown) {
  PuzzleFault fault = PuzzleFault::None;
  if (e.OpenCount > 65 && !autoRecordPanelShown)
    fault = PuzzleFault::TooFewGivens;
  else if (e.OpenCount == 0)
    fault = IsSolvedGrid(e.CellGrid) ? PuzzleFault::Complete : PuzzleFault::BadAnswer;
  for (int y = 1; y <= 9 && fault == PuzzleFault::None; ++y) {
    for (int x = 1; x <= 9 && !e.Contradiction; ++x) {
      if (IsPlaced(e.CellGrid(x, y)))
        e.kakunin(x, y);
    }
    if (e.Contradiction)
      fault = PuzzleFault::Broken;
  }
  if (fault != PuzzleFault::None)
    e.Contradiction = true;
  return fault;
}

std::string PuzzleFaultMessage(PuzzleFault fault) {
  switch (fault) {
  case PuzzleFault::TooFewGivens:
    return base::Sj("ヒント数字が少なすぎます。");
  case PuzzleFault::Complete:
    return base::Sj("　指定の数独は完成しています。\rカーソルを問題の上に置いて下さい。");
  case PuzzleFault::BadAnswer:
    return base::Sj("　指定の数独の答えは異常です。\rカーソルを問題の上に置いて下さい。");
  case PuzzleFault::Broken:
    return base::Sj("問題が壊れています。");
  case PuzzleFault::None:
    break;
  }
  return {};
}

bool AllPlaced(const Grid &grid) {
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x) {
      if (!IsPlaced(grid(x, y)))
        return false;
    }
  }
  return true;
}

bool IsSolvedGrid(const Grid &grid) { return AllPlaced(grid) && !HasRepeatedDigit(grid); }

void LineUniqueDigits(Engine &e) {
  DigitCells cells = e.Taking();
  for (int d = 1; d <= 9; ++d) {
    hitotudake(e, d, cells);
    if (e.Changed || e.Contradiction)
      return;
  }
}

void CellUniqueSweep(Engine &e) {
  const OpenCandidates open = OpenCandidatesOf(e.CellGrid);
  e.InnerChanged = false;
  for (int y = 1; y <= 9; ++y) {
    if (e.Contradiction || e.Changed)
      return;
    for (int x = 1; x <= 9; ++x) {
      const Cell c = e.CellGrid(x, y);
      // Only a placed digit still listed by an open peer has work to do;
      // the unions only shrink as the sweep goes on.
      if (c == kNoCandidates || HasSeveral(c) || (c & open.Around(x, y)) == 0)
        continue;
      onajisuji(e, x, y);
      if (e.Contradiction || e.InnerChanged)
        break;
    }
  }
}

void LocalizeDigits(Engine &e) {
  DigitCells cells = e.Taking();
  for (int d = 1; d <= 9; ++d) {
    hitoretudake(e, d, cells);
    if (e.Changed || e.Contradiction)
      return;
    hitoblockdake(e, d, cells);
    if (e.Changed || e.Contradiction)
      return;
  }
}

SolveResult Solve(Engine &e) {
  return SolveWith(e, SolveOrder(e.Options.selectionSwitch, e.StepMode));
}

SolveResult SolveInDefaultOrder(Engine &e) {
  return SolveWith(e, SolveOrder(SelectionSwitch::Off, e.StepMode));
}

void TrialSolve(Engine &e) {
  static const PassOrder order = TrialOrder();
  RunPasses(e, order);
}

void SolveAfterTrial(Engine &e) {
  PassOrder order = {{linenokori1, false}, {blocknokori1, false}, {kihonkaiho},
                     {LineUniqueDigits},   {CellUniqueSweep},     {LineUniqueDigits},
                     {LocalizeDigits}};
  AppendAdvanced(order, false);
  RunPasses(e, order);
}

int TechniqueLimit(const TechniqueOptions &options) {
  for (int box = kBoxHiddenQuad; box >= kBoxLocalization; --box) {
    if (options.boxes[box])
      return box;
  }
  if (options.boxes[kBoxBlockUnique] || options.boxes[kBoxLineUnique] ||
      options.boxes[kBoxCellUnique])
    return 1;
  return 16;
}

void anzensyokyo(Engine &e) {
  const int limit = TechniqueLimit(e.Options);
  PassOrder order = {{CellUniqueSweep}, {LineUniqueDigits}};
  auto allow = [&](int above, std::initializer_list<int> ids, bool restart = true) {
    if (limit > above)
      Append(order, ids, restart);
  };
  if (limit > 3)
    order.push_back({[](Engine &en) {
      DigitCells cells = en.Taking();
      for (int d = 1; d <= 9 && !en.Changed && !en.Contradiction; ++d) {
        hitoblockdake(en, d, cells);
        if (!en.Changed && !en.Contradiction)
          hitoretudake(en, d, cells);
      }
    }});
  allow(4, {kNakedPair});
  allow(5, {kHiddenPair}, false);
  allow(6, {kNakedTriple});
  allow(7, {kHiddenTriple}, false);
  allow(8, {kXWingRows, kXWingColumns});
  allow(9, {kSwordfishRows, kSwordfishColumns});
  allow(10, {kSkyscraperRows, kSkyscraperColumns});
  allow(11, {kXYWing, kXYWingSecond, kXYZWing});
  allow(12, {kRemotePair});
  allow(13, {kTwoStringKite});
  allow(14, {kEmptyRectangle});
  allow(15, {kNakedQuad});
  allow(16, {kHiddenQuad});
  RunPasses(e, order);
}

} // namespace zenpa::puzzle
