#include "puzzle/engine/trial.h"

#include "puzzle/engine/solver.h"

#include <algorithm>

namespace zenpa::puzzle {
namespace {

// The next cell in row order; y becomes 10 after the last cell.
void Advance(int &x, int &y) {
  if (++x > 9) {
    x = 1;
    ++y;
  }
}

class TrialSearch {
public:
  TrialSearch(Engine &e, TrialListener &listener) : e_(e), listener_(listener) {}

  TrialResult Run(TrialOptions options) {
    e_.TrialBase = e_.CellGrid;
    baseOpenCount_ = e_.OpenCount;
    if (options.stageOne)
      StageOne(options.resumeAt);
    if (!Stopped())
      StageTwo();
    e_.CellGrid = e_.TrialBase;
    e_.OpenCount = baseOpenCount_;
    e_.Contradiction = false;
    return {answers_, stopped_};
  }

private:
  bool Stopped() {
    if (!stopped_)
      stopped_ = listener_.StopRequested();
    return stopped_;
  }

  // Every cell with k candidates, for k from the resume point's count up;
  // the first round starts at the resume point's cell.
  void StageOne(const TrialResumePoint &from) {
    listener_.StageStarted(1);
    int tried = 0;
    for (int k = std::max(2, from.candidates); k <= 9; ++k) {
      const Pos start = k == from.candidates ? from.cell : Pos{1, 1};
      for (int y = start.y; y <= 9; ++y) {
        for (int x = y == start.y ? start.x : 1; x <= 9; ++x) {
          if (Stopped())
            return;
          const Cell cell = e_.TrialBase(x, y);
          if (CandidateCount(cell) != k)
            continue;
          listener_.Advance();
          listener_.Progress(baseOpenCount_ - tried++);
          TryEachCandidate(x, y, cell, k);
        }
      }
    }
  }

  void TryEachCandidate(int x, int y, Cell candidates, int k) {
    for (int d = 1; d <= 9; ++d) {
      if (!HasDigit(candidates, d) || Stopped())
        continue;
      e_.CellGrid = e_.TrialBase;
      e_.OpenCount = baseOpenCount_ - 1;
      e_.Contradiction = false;
      e_.CellGrid(x, y) = DigitBit(d);
      TrialSolve(e_);
      if (!e_.Contradiction && IsSolvedGrid(e_.CellGrid))
        Record(1, Pos{x, y}, d, k);
    }
  }

  void StageTwo() {
    listener_.StageStarted(2);
    e_.CellGrid = e_.TrialBase;
    e_.OpenCount = baseOpenCount_;
    int x = 1;
    int y = 1;
    while (y <= 9 && IsPlaced(e_.CellGrid(x, y)))
      Advance(x, y);
    if (y > 9)
      return;
    // Start just before the first open cell.
    if (--x < 1) {
      x = 9;
      --y;
    }
    karioki(x, y);
  }

  // Places each candidate of the first open cell after (column, row) and
  // searches on from there.
  void karioki(int column, int row) {
    const Grid saved = e_.CellGrid;
    const int savedOpen = e_.OpenCount;
    int x = column;
    int y = row;
    Advance(x, y);
    listener_.Progress(std::max(0, 81 - (y - 1) * 9 - x));
    while (y <= 9 && IsPlaced(saved(x, y)))
      Advance(x, y);
    if (y > 9)
      return;
    for (int d = 1; d <= 9; ++d) {
      if (!HasDigit(saved(x, y), d))
        continue;
      if (Stopped())
        return;
      e_.CellGrid = saved;
      e_.OpenCount = savedOpen - 1;
      e_.Contradiction = false;
      e_.CellGrid(x, y) = DigitBit(d);
      Propagate();
      if (e_.Contradiction)
        continue;
      if (AllPlaced(e_.CellGrid)) {
        if (IsSolvedGrid(e_.CellGrid))
          Record(2, Pos{x, y}, d);
        continue;
      }
      if (x != 9 || y != 9)
        karioki(x, y);
    }
    listener_.Advance();
  }

  // Cell Unique until it changes nothing, then Line Unique, until neither
  // changes anything or a contradiction is met.
  void Propagate() {
    for (;;) {
      e_.Changed = false;
      CellUniqueSweep(e_);
      if (e_.Contradiction)
        return;
      if (e_.Changed)
        continue;
      LineUniqueDigits(e_);
      if (e_.Contradiction || !e_.Changed)
        return;
    }
  }

  void Record(int stage, Pos cell, int digit, int k = 0) {
    std::string text = GridText(e_.CellGrid);
    if (std::find(answers_.begin(), answers_.end(), text) != answers_.end())
      return;
    answers_.push_back(text);
    const TrialAnswer answer{
        std::move(text), static_cast<int>(answers_.size()), stage, cell, digit, k};
    listener_.Answer(answer, e_);
  }

  Engine &e_;
  TrialListener &listener_;
  int baseOpenCount_ = 0;
  std::vector<std::string> answers_;
  bool stopped_ = false;
};

// Stops the search once it has found limit answers.
class CountingListener : public TrialListener {
public:
  explicit CountingListener(int limit) : limit_(limit) {}
  bool StopRequested() override { return limit_ > 0 && count_ >= limit_; }
  void Answer(const TrialAnswer &answer, const Engine &) override { count_ = answer.number; }
  int Count() const { return count_; }

private:
  int limit_;
  int count_ = 0;
};

} // namespace

TrialResult RunTrialSearch(Engine &e, TrialListener &listener, TrialOptions options) {
  return TrialSearch(e, listener).Run(options);
}

int CountAnswers(Engine &e, int limit) {
  CountingListener listener(limit);
  RunTrialSearch(e, listener, TrialOptions{false, {}});
  return listener.Count();
}

} // namespace zenpa::puzzle
