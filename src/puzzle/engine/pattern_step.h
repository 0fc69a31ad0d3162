// One found pattern's eliminations, shown as one step.
//
// The first removal sets StepText (the technique's label followed by the
// digits concerned) and, in step mode, marks the pattern's cells and waits for
// a key; every cell that then lost candidates is shown with debug; Finish
// takes the marks away. Removals follow the engine's contract (Changed, level,
// kakunin on a cell left with one candidate, OpenCount).
#pragma once

#include "puzzle/engine/engine.h"

#include <string>
#include <vector>

namespace zenpa::puzzle {

class PatternStep {
public:
  PatternStep(Engine &engine, const TechniqueLevel &level) : e_(engine), level_(level) {}
  PatternStep(const PatternStep &) = delete;
  PatternStep &operator=(const PatternStep &) = delete;

  // Label text followed by the digits, set as StepText at the first removal.
  void SetLabel(std::string text) { label_ = std::move(text); }
  // A pattern cell, marked "◆" at the first removal ("◇" when second).
  void AddMark(Pos p, bool second = false) { marks_.push_back({p, second}); }
  // The follow-up of a step already shown: its label, marks and wait stand.
  void SetQuiet() { quiet_ = true; }
  // In step mode the candidate list is rewritten after the change; with
  // showCells false the changed cells are not shown one by one.
  void RefreshListAfterwards(bool showCells) {
    refresh_ = true;
    showCells_ = showCells;
  }

  // Removes from cell p every candidate in digits, the highest digit first.
  // Returns false when a removal raised Contradiction.
  bool Remove(Pos p, Cell digits);
  // Replaces the candidates of cell p by keep, as one change (no cell is left
  // with fewer than two candidates by this).
  void Narrow(Pos p, Cell keep);

  bool Removed() const { return removed_; }
  // Rewrites the candidate list when asked to, and takes the marks away
  // when they were shown.
  void Finish();

private:
  void FirstRemoval();

  struct Mark {
    Pos pos;
    bool second = false;
  };

  Engine &e_;
  TechniqueLevel level_;
  std::string label_;
  std::vector<Mark> marks_;
  bool quiet_ = false;
  bool refresh_ = false;
  bool showCells_ = true;
  bool removed_ = false;
  bool shown_ = false;
};

// The digits of a mask as half-width text in ascending order ("37").
inline std::string DigitsText(Cell digits) { return CandidateText(digits); }

} // namespace zenpa::puzzle
