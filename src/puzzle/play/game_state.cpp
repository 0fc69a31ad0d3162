#include "puzzle/play/game_state.h"

#include "base/digits.h"
#include "base/sjis.h"

#include <array>

namespace zenpa::play {
namespace {

struct MinSec {
  int minutes = 0;
  int seconds = 0;
};

MinSec Split(std::int64_t elapsedMs) {
  const std::int64_t seconds = elapsedMs < 0 ? 0 : elapsedMs / 1000;
  return {static_cast<int>(seconds / 60), static_cast<int>(seconds % 60)};
}

std::string MinutesSeconds(std::int64_t elapsedMs) {
  const MinSec t = Split(elapsedMs);
  return base::zenkakuW(t.minutes) + base::Sj("分") + base::zenkakuW(t.seconds) + base::Sj("秒");
}

// True when the nine cells given by index(k), k = 0..8, hold 1..9 once each.
template <typename Index> bool HoldsEveryDigit(const GridDigits &values, Index index) {
  std::array<bool, 10> seen{};
  for (int k = 0; k < 9; ++k) {
    const int d = values[index(k)];
    if (d < 1 || d > 9 || seen[d])
      return false;
    seen[d] = true;
  }
  return true;
}

} // namespace

std::string GameClockText(std::int64_t elapsedMs) {
  return base::Sj("数独ゲーム ") + MinutesSeconds(elapsedMs);
}

std::string GameCaption() { return base::Sj("ZENPA - 数独"); }

std::string LevelLabel(int level) {
  if (level == 1)
    return base::Sj("－やさしい問題－");
  if (level == 2 || level == 3)
    return base::Sj("－ふつうの問題－");
  if (level == 4)
    return base::Sj("－やや難しい問題－");
  if (level == 5 || level == 6)
    return base::Sj("－難しい問題－");
  if (level >= 7)
    return base::Sj("－かなり難しい問題－");
  return {};
}

int GridViewHeight(int lineHeight, bool titleShown) {
  return (titleShown ? 21 : 20) * lineHeight + 40;
}

int GridViewWidth(int gridTextWidth, int fullWidthChar) {
  return gridTextWidth + 3 * fullWidthChar;
}

PuzzleGoalTexts PuzzleGoal(int level, std::int64_t elapsedMs) {
  static const std::string kBlank = base::Sj("　");
  PuzzleGoalTexts texts;
  texts.caption = base::Sj("数独　") + LevelLabel(level);
  texts.headline = base::Sj("☆☆ できあがり ☆☆");
  texts.timeLine = MinutesSeconds(elapsedMs);
  if (texts.timeLine.compare(0, kBlank.size(), kBlank) == 0)
    texts.timeLine.erase(0, kBlank.size());
  texts.resultLine = base::Sj("★ おめでとう ★");
  return texts;
}

bool IsSolvedGrid(const GridDigits &v) {
  for (int i = 0; i < 9; ++i) {
    const bool row = HoldsEveryDigit(v, [i](int k) { return 9 * i + k; });
    const bool column = HoldsEveryDigit(v, [i](int k) { return 9 * k + i; });
    const int r0 = 3 * (i / 3), c0 = 3 * (i % 3);
    const bool block =
        HoldsEveryDigit(v, [r0, c0](int k) { return 9 * (r0 + k / 3) + c0 + k % 3; });
    if (!row || !column || !block)
      return false;
  }
  return true;
}

bool GameState::Start(const GridDigits &givens, std::int64_t now) {
  givens_ = givens;
  givenCount_ = 0;
  std::string signature;
  for (int d : givens) {
    givenCount_ += d != 0 ? 1 : 0;
    signature += static_cast<char>('0' + d);
  }
  history_.Reset();
  startMs_ = now;
  completedAnswer_.clear();
  const bool newPuzzle = signature != signature_;
  signature_ = signature;
  return newPuzzle;
}

Completion GameState::Check(const platform::Memo &memo, int topLine, puzzle::Grid &model) {
  Completion result;
  if (topLine < 0 || GridRowLineIndex(topLine, 1) >= memo.LineCount())
    return result;
  result.gridFound = true;
  result.values = ReadGridAt(memo, topLine, true).digits;
  result.open = 0;
  for (int i = 0; i < 81; ++i) {
    const int x = i % 9 + 1, y = i / 9 + 1, d = result.values[i];
    result.open += d == 0 ? 1 : 0;
    if (d != 0)
      model(x, y) = puzzle::DigitBit(d);
    else
      model(x, y) = keepCandidates_ ? savedCandidates_(x, y) : puzzle::kAllCandidates;
  }
  result.progressText =
      std::to_string(81 - result.open - givenCount_) + " (" + std::to_string(result.open) + ")";
  result.complete = IsSolvedGrid(result.values);
  if (result.complete) {
    completedAnswer_.clear();
    for (int d : result.values)
      completedAnswer_ += static_cast<char>('0' + d);
  }
  return result;
}

void GameState::KeepCandidates(const puzzle::Grid &model) {
  keepCandidates_ = true;
  savedCandidates_ = model;
}

} // namespace zenpa::play
