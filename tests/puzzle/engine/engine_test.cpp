#include "puzzle/engine/engine.h"

#include "base/sjis.h"
#include "puzzle/engine/grader.h"
#include "technique_cases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace zenpa::puzzle {
namespace {

using testing::GridFromPuzzle;

const char *kSolved = "534678912672195348198342567859761423426853791713924856"
                      "961537284287419635345286179";

TEST(CellTest, TextAndValueFollowTheCandidateDigits) {
  EXPECT_EQ("137|", CandidateText(CellFromText("731")) + "|" + CandidateText(kNoCandidates));
  EXPECT_EQ((std::vector<int>{123456789, 0, 7, 0}),
            (std::vector<int>{CellValue(kAllCandidates), CellValue(kNoCandidates),
                              DigitOf(DigitBit(7)), DigitOf(CellFromText("78"))}));
  EXPECT_EQ(kNoCandidates, PlacedCell(0) | PlacedCell(10));
}

// A repeat in any kind of unit: a Latin square made by shifting rows repeats
// only in its blocks.
TEST(RepeatTest, RepeatsInRowsColumnsAndBlocks) {
  std::string latin;
  for (int i = 0; i < 81; ++i)
    latin += static_cast<char>('1' + (i / 9 + i % 9) % 9);
  EXPECT_EQ(
      (std::vector<bool>{false, false, true}),
      (std::vector<bool>{HasRepeatedDigit(GridFromPuzzle(kSolved)), HasRepeatedDigit(FreshGrid()),
                         HasRepeatedDigit(GridFromPuzzle(latin))}));
  for (const auto &[a, b] :
       {std::pair<Pos, Pos>{{1, 1}, {1, 9}}, {{1, 1}, {9, 1}}, {{4, 4}, {6, 6}}}) {
    Grid g = FreshGrid();
    g(a.x, a.y) = g(b.x, b.y) = DigitBit(3);
    EXPECT_TRUE(HasRepeatedDigit(g)) << b.x << "," << b.y;
  }
}

// The level keeps its highest value and the highest sub-code at level 11;
// the panel takes the colour of the last technique.
TEST(LevelTest, RaisesLevelAndKeepsTheHighestSubCode) {
  Engine e;
  const auto grade = [&e] { return std::tuple{e.Level, e.LevelSub, e.LevelPanelColour}; };
  e.RaiseLevel(kLevelLocalize);
  e.RaiseLevel(kLevelLineUnique);
  EXPECT_EQ((std::tuple{4, 0, kLevelLineUnique.colour}), grade());
  e.RaiseLevel(Level11(60));
  e.RaiseLevel(Level11(30));
  EXPECT_EQ((std::tuple{11, 60, kLevel11Colour}), grade());
  e.Level = 12;
  e.RaiseLevel(Level11(90));
  EXPECT_EQ((std::tuple{12, 90, kLevel11Colour}), grade());
}

TEST(GraderTest, EveryLevelAndTechniqueHasItsWords) {
  const char *const words[] = {
      "やさしい問題です｡",     "ふつうの問題です｡",     "ふつうの問題です｡",
      "やや難しい問題です｡",   "難しい問題です｡",       "難しい問題です｡",
      "かなり難しい問題です｡", "かなり難しい問題です｡", "かなり難しい問題です｡",
      "かなり難しい問題です｡", "かなり難しい問題です｡", "難しすぎる問題です｡"};
  // Level, sub-code and hardest technique; " b" after it when Block Unique H
  // was used, which a stuck puzzle never shows.
  std::istringstream rows(
      "1 0 Block Unique;2 0 Line Unique b;3 0 Cell Unique;4 0 Localization;"
      "5 0 Naked Pair;6 0 Hidden Pair;7 0 Naked Triple;8 0 Hidden Triple;9 0 X-Wing;"
      "10 0 Swordfish;11 0 Skyscraper;11 10 Finned X-Wing;11 20 Finned Skyscraper;"
      "11 30 XY-Wing;11 40 XYZ-Wing;11 50 Remote Pair;11 60 2-String Kite;"
      "11 61 Grouped 2-String Kite b;11 70 Empty Rectangle;11 80 Naked Quad;"
      "11 90 Hidden Quad;12 0;");
  for (std::string row; std::getline(rows, row, ';');) {
    int level = 0, sub = 0, at = 0;
    std::sscanf(row.c_str(), "%d %d %n", &level, &sub, &at);
    const std::string hardest = row.substr(std::min<std::size_t>(at, row.size()));
    const bool buh = hardest.ends_with(" b") || level == 12;
    const GradeLabels labels = GradeOf("24", level, sub, buh);
    EXPECT_EQ(
        std::tuple(base::Sj(words[level - 1]), hardest, "24-clue  level " + std::to_string(level)),
        std::tuple(labels.difficulty, labels.hardest, labels.clueLevel));
  }
}

// A technique is gated off when its box is off, the panel shown and either
// "有効・必須" ticked or the selection switch on; the switch cycles through
// four colours.
TEST(OptionsTest, GateAndSelectionSwitch) {
  TechniqueOptions o;
  o.boxes[kBoxLocalization] = false;
  std::vector<bool> gates = {TechniqueGate(o, kBoxLocalization)}; // panel hidden
  o.conditionsPanelShown = true;
  gates.push_back(TechniqueGate(o, kBoxLocalization)); // neither condition
  o.mustUseHardest = true;
  gates.push_back(TechniqueGate(o, kBoxLocalization));
  o.mustUseHardest = false;
  std::vector<std::uint32_t> colours;
  for (int i = 0; i < 5; ++i) {
    colours.push_back(SwitchColour(o.selectionSwitch, 0x123456));
    o.AdvanceSwitch();
  }
  EXPECT_EQ((std::vector<std::uint32_t>{0x123456, 0x0000FF, 0x008000, 0xFF0000, 0x123456}),
            colours);
  gates.push_back(TechniqueGate(o, kBoxLocalization)); // the switch is on
  gates.push_back(TechniqueGate(o, kBoxNakedPair));    // its box is on
  EXPECT_EQ((std::vector<bool>{false, false, true, true, false}), gates);
  EXPECT_EQ(base::Sj("縦→横"), SwitchHint(SelectionSwitch::ColumnsFirst));
}

Engine TracingEngine(testing::TraceRecorder &rec) {
  Engine e;
  e.StepMode = true;
  e.Observer = &rec;
  e.CellGrid(1, 1) = DigitBit(4);
  e.StepText = "Easy 4";
  return e;
}

// Backspace asks for a replay up to the step before, never behind the
// player's own steps.
TEST(StepTraceTest, BackspaceRequestsAReplayOneStepEarlier) {
  testing::TraceRecorder rec({kKeyEnter, kKeyEnter, kKeyBackspace});
  Engine e = TracingEngine(rec);
  for (int i = 0; i < 3; ++i)
    e.debug(1, 1);
  EXPECT_EQ((std::tuple{true, 2}), std::tuple(e.RestartRequest, e.StepTarget));
  EXPECT_EQ("r1c1:④ r1c1:④ r1c1:④ r1c1:　", rec.cells);
  testing::TraceRecorder back({kKeyBackspace});
  Engine player = TracingEngine(back);
  player.PlayerSteps = player.StepNo = 4;
  player.debug(1, 1); // step 5, the first after the player's
  EXPECT_EQ((std::tuple{5, 6}), std::tuple(player.StepTarget, player.StepNo));
}

// The status line counts the cells solved and still open; nothing is shown
// outside step mode or once Escape was pressed.
TEST(StepTraceTest, StatusLineAndNothingOutsideStepModeOrAfterEscape) {
  testing::TraceRecorder rec({kKeyEscape});
  Engine e = TracingEngine(rec);
  e.StepMode = false;
  e.debug(1, 1);
  e.mark(1, 1);
  EXPECT_EQ(0, e.StepNo);
  e.StepMode = true;
  e.PuzzleCopy = GridFromPuzzle(std::string(30, '1') + std::string(51, '.'));
  e.OpenCount = 40;
  e.debug(1, 1);
  e.debug(1, 1);
  EXPECT_EQ((std::tuple{std::string("Easy 4 ; list"), std::string("11(40)　Easy 4"), kKeyEscape}),
            std::tuple(rec.trace, rec.status, e.StepKey));
}

} // namespace
} // namespace zenpa::puzzle
