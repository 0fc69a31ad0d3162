#include "puzzle/engine/engine.h"

#include "base/digits.h"
#include "base/sjis.h"

#include <algorithm>

namespace zenpa::puzzle {
namespace {

bool SameInPeers(const Grid &g, int x, int y) {
  const Cell c = g(x, y);
  const std::array<Cell, 81> &cells = g.Cells();
  bool same = false;
  for (unsigned char peer : PeersOf(x, y))
    same |= cells[peer] == c;
  return same;
}

// True when a placed digit stands twice among the cells of a unit.
bool UnitRepeats(const Grid &g, const Unit &unit) {
  Cell seen = kNoCandidates;
  for (const Pos &p : unit.cells) {
    const Cell c = g(p.x, p.y);
    if (!IsPlaced(c))
      continue;
    if (seen & c)
      return true;
    seen |= c;
  }
  return false;
}

} // namespace

long UnitSum(const Grid &grid, const Unit &unit) {
  long sum = 0;
  for (const Pos &p : unit.cells)
    sum += CellValue(grid(p.x, p.y));
  return sum;
}

void StepObserver::WaitForKey(Engine &engine) {
  if (engine.StepKey == kKeyNone)
    engine.StepKey = kKeyEnter;
}

std::uint32_t LevelColour(int level) {
  static constexpr std::uint32_t kColours[13] = {0,        0xFFE0D0, 0xD0F0C0, 0xB8FCDA, 0x92F4F4,
                                                 0x95BFFF, 0x95BFFF, 0xC9ACFD, 0xC9ACFD, 0xFFB9E4,
                                                 0xFFB9E4, 0xEEDDFF, 0xC0C0C0};
  return (level >= 1 && level <= 12) ? kColours[level] : 0;
}

Engine::Engine() {
  CellGrid = FreshGrid();
  PuzzleCopy = CellGrid;
  StartGrid = CellGrid;
  TrialBase = CellGrid;
  ListGrid = CellGrid;
}

void Engine::BeginSolve() {
  Level = 1;
  LevelSub = 0;
  StepText.clear();
  BlockUniqueHUsed = false;
  LevelPanelColour = kLevelEasy.colour;
  marking_ = false;
  marked_.clear();
}

void Engine::RaiseLevel(const TechniqueLevel &level) {
  LevelPanelColour = level.colour;
  if (level.sub < 0) {
    Level = std::max(Level, level.level);
    return;
  }
  if (Level < 12)
    Level = 11;
  LevelSub = std::max(LevelSub, level.sub);
}

void Engine::kakunin(int x, int y) {
  // A cell's value lies in 1..9 exactly when it holds one candidate.
  if (!IsPlaced(CellGrid(x, y)) || SameInPeers(CellGrid, x, y))
    Contradiction = true;
}

void Engine::RemoveCandidate(int x, int y, int d) {
  CellGrid(x, y) &= static_cast<Cell>(~DigitBit(d));
  Changed = true;
}

bool Engine::SettleCell(int x, int y) {
  if (CandidateCount(CellGrid(x, y)) != 1)
    return true;
  kakunin(x, y);
  if (Contradiction)
    return false;
  --OpenCount;
  return true;
}

bool Engine::Eliminate(int x, int y, int d, const TechniqueLevel &level) {
  RemoveCandidate(x, y, d);
  RaiseLevel(level);
  return SettleCell(x, y);
}

void Engine::Place(int x, int y, int d) {
  CellGrid(x, y) = PlacedCell(d);
  Changed = true;
  --OpenCount;
}

int Engine::GivenCount() const {
  int count = 0;
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x)
      count += IsPlaced(PuzzleCopy(x, y)) ? 1 : 0;
  }
  return count;
}

std::string Engine::StepStatusLine() const {
  static const std::string kGap = base::Sj(")　");
  const int solved = 81 - OpenCount - GivenCount();
  return std::to_string(solved) + "(" + std::to_string(OpenCount) + kGap + StepText;
}

void Engine::SetStepText(const std::string &label, long number) {
  StepText.assign(label);
  if (number >= 0 && number <= 9)
    StepText.push_back(static_cast<char>('0' + number));
  else
    StepText += std::to_string(number);
}

std::string Engine::LevelLine() const { return "L." + std::to_string(Level); }

const DigitCells &Engine::Taking() {
  if (!takenValid_) {
    taken_ = DigitCells(CellGrid);
    takenValid_ = true;
  } else {
    // Few cells change between two takings: only those are sorted again.
    taken_.Follow(takenGrid_, CellGrid);
  }
  takenGrid_ = CellGrid;
  return taken_;
}

void Engine::RefreshCandidateList() {
  if (Observer != nullptr)
    Observer->RefreshCandidateList(*this);
}

bool Engine::SilentStep() {
  if (StepNo == StepTarget - 1)
    RefreshCandidateList();
  if (StepTarget >= kNoStepTarget)
    return false;
  if (StepNo != StepTarget)
    return true;
  StepTarget = kNoStepTarget;
  return false;
}

int Engine::AwaitKey() {
  StepKey = kKeyNone;
  if (Observer == nullptr)
    return StepKey = kKeyEnter;
  Observer->ShowStatus(StepStatusLine(), LevelLine());
  for (;;) {
    Observer->WaitForKey(*this);
    if (StepKey != kKeyTab)
      break;
    if (Options.SwitchOn())
      Observer->RefreshCandidateList(*this);
    StepKey = kKeyNone;
  }
  if (StepKey == kKeyNone)
    StepKey = kKeyEnter;
  return StepKey;
}

void Engine::StepBack() {
  if (PlayerSteps == StepNo - 1)
    ++StepNo;
  StepTarget = StepNo - 1;
  if (StepTarget == PlayerSteps)
    StepTarget = PlayerSteps + 1;
  RestartRequest = true;
}

void Engine::debug(int x, int y) {
  if (!Tracing())
    return;
  const int digit = DigitOf(CellGrid(x, y));
  if (digit != 0) {
    ++StepNo;
    lastStep_ = Pos{x, y};
  }
  if (SilentStep())
    return;
  static const std::string kDiamond = base::Sj("◆");
  static const std::string kBlank = base::Sj("　");
  bool diamond = false;
  if (Observer != nullptr) {
    Observer->ShowCell(x, y);
    diamond = Observer->PuzzleCell(x, y) == kDiamond;
    if (!diamond)
      Observer->SetPuzzleCell(x, y, base::CircledDigit(digit));
  }
  const int key = AwaitKey();
  if (Observer == nullptr)
    return;
  if (diamond)
    Observer->SetPuzzleCell(x, y, kBlank);
  if (key != kKeyBackspace) {
    RefreshCandidateList();
    Observer->HideStatus();
    return;
  }
  StepBack();
  if (lastStep_.x != 0)
    Observer->SetPuzzleCell(lastStep_.x, lastStep_.y, kBlank);
  Observer->HideStatus();
}

void Engine::wait() {
  if (!Tracing() || SilentStep())
    return;
  const int key = AwaitKey();
  if (Observer != nullptr)
    Observer->HideStatus();
  if (key == kKeyBackspace)
    StepBack();
}

void Engine::MarkCell(int x, int y, const std::string &symbol) {
  if (!Tracing())
    return;
  if (!marking_) {
    ++StepNo;
    marking_ = true;
  }
  if (StepTarget < kNoStepTarget && StepNo < StepTarget)
    return;
  marked_.push_back(Pos{x, y});
  if (Observer == nullptr)
    return;
  Observer->SetPuzzleCell(x, y, symbol);
  Observer->SetBoardMark(x, y, symbol);
}

void Engine::mark(int x, int y) {
  static const std::string kDiamond = base::Sj("◆");
  MarkCell(x, y, kDiamond);
}

void Engine::markR(int x, int y) {
  static const std::string kHollow = base::Sj("◇");
  MarkCell(x, y, kHollow);
}

void Engine::markd() {
  static const std::string kBlank = base::Sj("　");
  marking_ = false;
  if (Observer != nullptr) {
    for (const Pos &p : marked_) {
      Observer->SetPuzzleCell(p.x, p.y, kBlank);
      Observer->SetBoardMark(p.x, p.y, kBlank);
    }
  }
  marked_.clear();
}

bool AnswerTest(const Grid &grid) {
  for (int i = 1; i <= 9; ++i) {
    if (UnitSum(grid, ColumnUnit(i)) != 45)
      return false;
  }
  for (int i = 1; i <= 9; ++i) {
    if (UnitSum(grid, RowUnit(i)) != 45)
      return false;
  }
  return true;
}

bool HasRepeatedDigit(const Grid &grid) {
  for (int i = 1; i <= 9; ++i) {
    if (UnitRepeats(grid, ColumnUnit(i)))
      return true;
  }
  for (int i = 1; i <= 9; ++i) {
    if (UnitRepeats(grid, RowUnit(i)))
      return true;
  }
  for (const Pos &b : BlockOrder()) {
    if (UnitRepeats(grid, BlockUnit(b.x, b.y)))
      return true;
  }
  return false;
}

} // namespace zenpa::puzzle
