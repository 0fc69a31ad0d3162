// The technique cases of tests/data/techniques: each case on its own, the
// same case with rows and columns exchanged, and the case behind its gate.
#include "technique_cases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace zenpa::testing {
namespace {

// The cases of every family file that pass the filter.
template <typename Keep> std::vector<TechniqueCase> Cases(Keep keep) {
  std::vector<TechniqueCase> all;
  for (const char *file : {"singles.cases", "locked.cases", "subsets.cases", "fish.cases",
                           "wings.cases", "chains.cases"}) {
    for (const TechniqueCase &c : LoadCases(file)) {
      if (keep(c))
        all.push_back(c);
    }
  }
  return all;
}

std::string CaseName(const ::testing::TestParamInfo<TechniqueCase> &info) {
  std::string name = info.param.where;
  std::replace_if(
      name.begin(), name.end(),
      [](char ch) { return !std::isalnum(static_cast<unsigned char>(ch)); }, '_');
  return name;
}

class TechniqueCaseTest : public ::testing::TestWithParam<TechniqueCase> {};
class MirroredCaseTest : public ::testing::TestWithParam<TechniqueCase> {};
class GatedCaseTest : public ::testing::TestWithParam<TechniqueCase> {};

// The cells changed, the step text and the grade; OpenCount follows the
// grid unless a contradiction ended the run, the level panel the level.
TEST_P(TechniqueCaseTest, ChangesExactlyTheListedCells) {
  const TechniqueCase &c = GetParam();
  puzzle::Engine e = EngineFor(c);
  RunCase(c, e);
  EXPECT_EQ(CellChanges(c.grid, c.After()) + " | " + c.stepText + " | " + c.grade,
            CellChanges(c.grid, e.CellGrid) + " | " + base::SjisToUtf8(e.StepText) + " | " +
                GradeOf(e));
  EXPECT_EQ(c.changes != "none", e.Changed);
  EXPECT_TRUE(e.Contradiction || 81 - PlacedCount(e.CellGrid) == e.OpenCount) << e.OpenCount;
  EXPECT_TRUE(!e.Changed || puzzle::LevelColour(e.Level) == e.LevelPanelColour);
  if (!c.trace.empty()) {
    puzzle::Engine shown = EngineFor(c);
    TraceRecorder rec;
    shown.StepMode = true;
    shown.Observer = &rec;
    RunCase(c, shown);
    EXPECT_EQ(c.trace, rec.trace + " #" + std::to_string(shown.StepNo)) << "in step mode";
  }
}

// --- rows and columns exchanged -------------------------------------------

puzzle::Grid Transposed(const puzzle::Grid &g) {
  puzzle::Grid t;
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x)
      t(y, x) = g(x, y);
  }
  return t;
}

// The operation that searches the other way, "-y" and "-x" labels swapped.
std::string CounterPart(const std::string &technique) {
  static const std::map<std::string, std::string> kOther = {
      {"Xwingtate", "Xwingyoko"},           {"Xwingyoko", "Xwingtate"},
      {"Swordfishtate", "Swordfishyoko"},   {"Swordfishyoko", "Swordfishtate"},
      {"Skyscrapertate", "Skyscraperyoko"}, {"Skyscraperyoko", "Skyscrapertate"}};
  const auto other = kOther.find(technique);
  return other == kOther.end() ? technique : other->second;
}

std::string SwappedSuffix(std::string label) {
  for (std::size_t i = 0; i + 2 < label.size(); ++i) {
    if (label[i] == '-' && (label[i + 1] == 'x' || label[i + 1] == 'y') && label[i + 2] == ' ')
      label[i + 1] = label[i + 1] == 'x' ? 'y' : 'x';
  }
  return label;
}

TEST_P(MirroredCaseTest, RowSearchMirrorsTheColumnSearch) {
  const TechniqueCase &c = GetParam();
  const puzzle::Grid grid = Transposed(c.grid);
  puzzle::Engine e = EngineOn(grid);
  if (!c.green) // rows first in the mirror are columns first here
    e.Options.selectionSwitch = puzzle::SelectionSwitch::ColumnsFirst;
  FindListed(CounterPart(c.operation))->Run()(e);
  EXPECT_EQ(CellChanges(grid, Transposed(c.After())) + " | " + SwappedSuffix(c.stepText),
            CellChanges(grid, e.CellGrid) + " | " + base::SjisToUtf8(e.StepText));
}

// --- gates -------------------------------------------------------------------

// The box of a case's technique, 0 for none.
int BoxOf(const std::string &operation) {
  if (operation == "hitoblockdake" || operation == "hitoretudake")
    return puzzle::kBoxLocalization;
  const Listed *listed = FindListed(operation);
  return listed != nullptr ? listed->box : 0;
}

// The case run with the condition panel shown and its technique's box alone
// on ("有効・必須" ticked), or alone off (the selection switch on).
puzzle::Engine RunGated(const TechniqueCase &c, bool ownBoxOn) {
  puzzle::Engine e = EngineFor(c);
  e.Options.conditionsPanelShown = true;
  e.Options.boxes.fill(!ownBoxOn);
  e.Options.boxes[BoxOf(c.operation)] = ownBoxOn;
  e.Options.mustUseHardest = ownBoxOn;
  if (!ownBoxOn)
    e.Options.selectionSwitch = puzzle::SelectionSwitch::Selection;
  RunCase(c, e);
  return e;
}

TEST_P(GatedCaseTest, OnlyItsOwnBoxStopsIt) {
  const TechniqueCase &c = GetParam();
  EXPECT_EQ(CellChanges(c.grid, c.After()), CellChanges(c.grid, RunGated(c, true).CellGrid))
      << "own box on";
  const puzzle::Engine off = RunGated(c, false);
  EXPECT_EQ("none", CellChanges(c.grid, off.CellGrid)) << "own box off";
  EXPECT_FALSE(off.Changed);
}

INSTANTIATE_TEST_SUITE_P(Cases, TechniqueCaseTest,
                         ::testing::ValuesIn(Cases([](const TechniqueCase &) { return true; })),
                         CaseName);
// A remote pair chain walks rows before columns, so its mirror image is
// another chain.
INSTANTIATE_TEST_SUITE_P(Cases, MirroredCaseTest,
                         ::testing::ValuesIn(Cases([](const TechniqueCase &c) {
                           const Listed *t = FindListed(c.operation);
                           return t != nullptr && !t->subset && c.operation != "RemotePair";
                         })),
                         CaseName);
INSTANTIATE_TEST_SUITE_P(Cases, GatedCaseTest,
                         ::testing::ValuesIn(Cases([](const TechniqueCase &c) {
                           return BoxOf(c.operation) != 0 && c.changes != "none";
                         })),
                         CaseName);

} // namespace
} // namespace zenpa::testing
