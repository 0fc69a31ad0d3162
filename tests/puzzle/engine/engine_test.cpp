#include "puzzle/engine/engine.h"

#include "base/sjis.h"
#include "puzzle/engine/grader.h"
#include "puzzle/support/grid_text.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace zenpa::puzzle {
namespace {

using testing::GridFromPuzzle;

const char *kSolved = "534678912672195348198342567859761423426853791713924856"
                      "961537284287419635345286179";

TEST(CellTest, TextAndValueFollowTheCandidateDigits) {
  EXPECT_EQ("137", CandidateText(CellFromText("731")));
  EXPECT_EQ("", CandidateText(kNoCandidates));
  EXPECT_EQ(123456789, CellValue(kAllCandidates));
  EXPECT_EQ(0, CellValue(kNoCandidates));
  EXPECT_EQ(7, DigitOf(DigitBit(7)));
  EXPECT_EQ(0, DigitOf(CellFromText("78")));
  EXPECT_EQ(kNoCandidates, PlacedCell(0));
  EXPECT_EQ(kNoCandidates, PlacedCell(10));
}

// The check of one cell: placed, and its digit nowhere else in its row,
// column or block. It only ever sets the contradiction, never clears it.
TEST(KakuninTest, FlagsOpenCellsAndRepeatsInRowColumnAndBlockOnly) {
  struct Case {
    std::vector<std::pair<Pos, Cell>> cells; // the cell checked first
    bool before, expected;
  };
  const Cell five = DigitBit(5);
  const std::vector<Case> cases = {
      {{{{2, 2}, five}, {{9, 9}, five}}, false, false}, // other row, column and block
      {{{{2, 2}, five}, {{3, 3}, five}}, false, true},  // same block only
      {{{{2, 5}, five}, {{8, 5}, five}}, false, true},  // same row
      {{{{2, 5}, five}, {{2, 9}, five}}, false, true},  // same column
      {{{{4, 4}, CellFromText("12")}}, false, true},    // open
      {{{{4, 4}, kNoCandidates}}, false, true},         // emptied
      {{{{1, 1}, DigitBit(1)}}, true, true},
  };
  for (const Case &c : cases) {
    Engine e;
    e.Contradiction = c.before;
    for (const auto &[pos, cell] : c.cells)
      e.CellGrid(pos.x, pos.y) = cell;
    const Pos checked = c.cells[0].first;
    e.kakunin(checked.x, checked.y);
    EXPECT_EQ(c.expected, e.Contradiction) << checked.x << "," << checked.y;
  }
}

// The answer test adds up rows and columns only, so a Latin square made by
// shifting rows passes it; the repeat check looks at every kind of unit.
TEST(AnswerTestTest, SumsOfRowsAndColumnsAndRepeatsInEveryUnit) {
  std::string latin, open = kSolved, swapped = kSolved;
  for (int i = 0; i < 81; ++i)
    latin += static_cast<char>('1' + (i / 9 + i % 9) % 9);
  open[40] = '.';
  std::swap(swapped[0], swapped[10]); // row 1 and row 2 sums change
  EXPECT_TRUE(AnswerTest(GridFromPuzzle(kSolved)));
  EXPECT_TRUE(AnswerTest(GridFromPuzzle(latin)));
  EXPECT_FALSE(AnswerTest(GridFromPuzzle(open)));
  EXPECT_FALSE(AnswerTest(GridFromPuzzle(swapped)));
  EXPECT_FALSE(HasRepeatedDigit(GridFromPuzzle(kSolved)));
  EXPECT_FALSE(HasRepeatedDigit(FreshGrid()));
  EXPECT_TRUE(HasRepeatedDigit(GridFromPuzzle(latin)));
  for (const auto &[a, b] :
       {std::pair<Pos, Pos>{{1, 1}, {1, 9}}, {{1, 1}, {9, 1}}, {{4, 4}, {6, 6}}}) {
    Grid g = FreshGrid();
    g(a.x, a.y) = g(b.x, b.y) = DigitBit(3);
    EXPECT_TRUE(HasRepeatedDigit(g)) << b.x << "," << b.y;
  }
}

TEST(LevelTest, RaisesLevelAndKeepsTheHighestSubCode) {
  Engine e;
  e.RaiseLevel(kLevelLocalize);
  e.RaiseLevel(kLevelLineUnique);
  EXPECT_EQ(4, e.Level);
  EXPECT_EQ(kLevelLineUnique.colour, e.LevelPanelColour);
  e.RaiseLevel(Level11(60));
  e.RaiseLevel(Level11(30));
  EXPECT_EQ(11, e.Level);
  EXPECT_EQ(60, e.LevelSub);
  e.Level = 12;
  e.RaiseLevel(Level11(90));
  EXPECT_EQ(12, e.Level);
  EXPECT_EQ(90, e.LevelSub);
}

// The result panel's words for every level and hardest technique: the
// advanced ones by their sub-code, " b" after Block Unique H, none stuck.
TEST(GraderTest, EveryLevelAndTechniqueHasItsWords) {
  const struct {
    int level, sub;
    bool buh;
    const char *message, *hardest;
  } rows[] = {{1, 0, false, "やさしい問題です｡", "Block Unique"},
              {2, 0, true, "ふつうの問題です｡", "Line Unique b"},
              {3, 0, false, "ふつうの問題です｡", "Cell Unique"},
              {4, 0, false, "やや難しい問題です｡", "Localization"},
              {5, 0, false, "難しい問題です｡", "Naked Pair"},
              {6, 0, false, "難しい問題です｡", "Hidden Pair"},
              {7, 0, false, "かなり難しい問題です｡", "Naked Triple"},
              {8, 0, false, "かなり難しい問題です｡", "Hidden Triple"},
              {9, 0, false, "かなり難しい問題です｡", "X-Wing"},
              {10, 0, false, "かなり難しい問題です｡", "Swordfish"},
              {11, 0, false, "かなり難しい問題です｡", "Skyscraper"},
              {11, 10, false, "かなり難しい問題です｡", "Finned X-Wing"},
              {11, 20, false, "かなり難しい問題です｡", "Finned Skyscraper"},
              {11, 30, false, "かなり難しい問題です｡", "XY-Wing"},
              {11, 40, false, "かなり難しい問題です｡", "XYZ-Wing"},
              {11, 50, false, "かなり難しい問題です｡", "Remote Pair"},
              {11, 60, false, "かなり難しい問題です｡", "2-String Kite"},
              {11, 61, true, "かなり難しい問題です｡", "Grouped 2-String Kite b"},
              {11, 70, false, "かなり難しい問題です｡", "Empty Rectangle"},
              {11, 80, false, "かなり難しい問題です｡", "Naked Quad"},
              {11, 90, false, "かなり難しい問題です｡", "Hidden Quad"},
              {12, 0, true, "難しすぎる問題です｡", ""}};
  for (const auto &r : rows) {
    const GradeLabels labels = GradeOf("24", r.level, r.sub, r.buh);
    EXPECT_EQ(base::Sj(r.message), labels.difficulty) << r.hardest;
    EXPECT_EQ(r.hardest, labels.hardest);
    EXPECT_EQ("24-clue  level " + std::to_string(r.level), labels.clueLevel);
  }
}

TEST(EliminateTest, SettlesACellLeftWithOneCandidate) {
  Engine e;
  e.OpenCount = 10;
  e.CellGrid(1, 1) = CellFromText("37");
  EXPECT_TRUE(e.Eliminate(1, 1, 7, kLevelNakedPair));
  EXPECT_EQ(DigitBit(3), e.CellGrid(1, 1));
  EXPECT_EQ(9, e.OpenCount);
  EXPECT_TRUE(e.Changed);
  EXPECT_EQ(5, e.Level);

  e.CellGrid(5, 1) = CellFromText("34");
  EXPECT_FALSE(e.Eliminate(5, 1, 4, kLevelNakedPair));
  EXPECT_TRUE(e.Contradiction);
  EXPECT_EQ(9, e.OpenCount);
}

// A technique is gated off when its box is off, the panel shown and either
// "有効・必須" ticked or the selection switch on; the switch cycles through
// four colours; the boxes of the extra panel follow it.
TEST(OptionsTest, GateSwitchAndExtraPanelBoxes) {
  TechniqueOptions o;
  o.boxes[kBoxLocalization] = false;
  EXPECT_FALSE(TechniqueGate(o, kBoxLocalization)); // panel hidden
  o.conditionsPanelShown = true;
  EXPECT_FALSE(TechniqueGate(o, kBoxLocalization)); // neither condition
  o.mustUseHardest = true;
  EXPECT_TRUE(TechniqueGate(o, kBoxLocalization));
  o.mustUseHardest = false;
  std::vector<std::uint32_t> colours;
  for (int i = 0; i < 5; ++i) {
    colours.push_back(SwitchColour(o.selectionSwitch, 0x123456));
    o.AdvanceSwitch();
  }
  EXPECT_EQ((std::vector<std::uint32_t>{0x123456, 0x0000FF, 0x008000, 0xFF0000, 0x123456}),
            colours);
  EXPECT_TRUE(TechniqueGate(o, kBoxLocalization)); // the switch is on
  EXPECT_FALSE(TechniqueGate(o, kBoxNakedPair));
  o.selectionSwitch = SelectionSwitch::ColumnsFirst;
  EXPECT_EQ(base::Sj("縦→横"), SwitchHint(o.selectionSwitch));

  o.SetAllBoxes(true);
  EXPECT_FALSE(o.boxes[kBoxTwoStringKite]); // panel hidden: only 1 to 13
  o.SetExtraPanelVisible(true);
  o.SetAllBoxes(true);
  EXPECT_TRUE(o.boxes[kBoxHiddenQuad]);
  o.SetExtraPanelVisible(false);
  EXPECT_FALSE(o.boxes[kBoxNakedQuad]);
  EXPECT_TRUE(o.boxes[kBoxRemotePair]);
}

// A display that answers from a queue of keys and records what it was asked.
class ScriptedSteps : public StepObserver {
public:
  explicit ScriptedSteps(std::deque<int> keys) : keys_(std::move(keys)) {}
  void WaitForKey(Engine &e) override {
    ++waits;
    e.StepKey = keys_.empty() ? kKeyEnter : keys_.front();
    if (!keys_.empty())
      keys_.pop_front();
  }
  void SetPuzzleCell(int x, int y, const std::string &text) override {
    cells.push_back(std::to_string(x) + std::to_string(y) + ":" + base::SjisToUtf8(text));
  }
  void ShowStatus(const std::string &stepLine, const std::string &) override {
    status = base::SjisToUtf8(stepLine);
  }
  void RefreshCandidateList(Engine &) override { ++refreshes; }
  int waits = 0;
  int refreshes = 0;
  std::string status;
  std::vector<std::string> cells;

private:
  std::deque<int> keys_;
};

Engine TracingEngine(ScriptedSteps &steps) {
  Engine e;
  e.StepMode = true;
  e.Observer = &steps;
  e.CellGrid(1, 1) = DigitBit(4);
  return e;
}

TEST(StepTraceTest, ReplayStaysSilentUpToTheTarget) {
  ScriptedSteps steps({});
  Engine e = TracingEngine(steps);
  e.StepTarget = 3;
  e.debug(1, 1);
  e.debug(1, 1);
  EXPECT_EQ(0, steps.waits);
  EXPECT_EQ(1, steps.refreshes); // before the target step the list is refreshed
  e.debug(1, 1);
  EXPECT_EQ(1, steps.waits);
  EXPECT_EQ(kNoStepTarget, e.StepTarget);
  EXPECT_EQ((std::vector<std::string>{"11:④"}), steps.cells);
}

TEST(StepTraceTest, BackspaceRequestsAReplayOneStepEarlier) {
  ScriptedSteps steps({kKeyEnter, kKeyEnter, kKeyBackspace});
  Engine e = TracingEngine(steps);
  for (int i = 0; i < 3; ++i)
    e.debug(1, 1);
  EXPECT_TRUE(e.RestartRequest);
  EXPECT_EQ(2, e.StepTarget);
  EXPECT_EQ("11:　", steps.cells.back());
}

TEST(StepTraceTest, BackspaceNeverGoesBehindThePlayersSteps) {
  ScriptedSteps steps({kKeyBackspace});
  Engine e = TracingEngine(steps);
  e.PlayerSteps = 4;
  e.StepNo = 4;
  e.debug(1, 1); // step 5, the first after the player's
  EXPECT_EQ(5, e.StepTarget);
  EXPECT_EQ(6, e.StepNo);
}

// The marks go into the document's cells too; a pattern is one step.
TEST(StepTraceTest, AMarkedPatternCountsAsOneStep) {
  ScriptedSteps steps({});
  Engine e = TracingEngine(steps);
  e.mark(2, 2);
  e.markR(3, 3);
  e.mark(4, 4);
  EXPECT_EQ(1, e.StepNo);
  e.wait();
  e.markd();
  e.mark(2, 2);
  EXPECT_EQ(2, e.StepNo);
  EXPECT_EQ(1, steps.waits);
  EXPECT_EQ("22:◆", steps.cells[0]);
  EXPECT_EQ("33:◇", steps.cells[1]);
  EXPECT_EQ("22:　", steps.cells[3]);
}

TEST(StepTraceTest, NothingIsShownOutsideStepModeOrAfterEscape) {
  ScriptedSteps steps({kKeyEscape});
  Engine e = TracingEngine(steps);
  e.StepMode = false;
  e.debug(1, 1);
  e.mark(1, 1);
  EXPECT_EQ(0, e.StepNo);
  e.StepMode = true;
  e.debug(1, 1);
  e.debug(1, 1);
  EXPECT_EQ(1, steps.waits);
  EXPECT_EQ(kKeyEscape, e.StepKey);
}

TEST(StepTraceTest, StatusLineCountsSolvedAndOpenCells) {
  ScriptedSteps steps({});
  Engine e = TracingEngine(steps);
  e.PuzzleCopy = GridFromPuzzle(std::string(30, '1') + std::string(51, '.'));
  e.OpenCount = 40;
  e.StepText = "Cell Unique 4";
  e.debug(1, 1);
  EXPECT_EQ("11(40)　Cell Unique 4", steps.status);
}

} // namespace
} // namespace zenpa::puzzle
