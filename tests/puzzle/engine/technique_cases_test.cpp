// The technique cases of tests/data/techniques: each case on its own, the
// same case with rows and columns exchanged, and the case behind its gate.
#include "technique_cases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace zenpa::testing {
namespace {

// The cases of the three family files that pass the filter.
template <typename Keep> std::vector<TechniqueCase> Cases(Keep keep) {
  std::vector<TechniqueCase> all;
  for (const char *file : {"fish.cases", "wings.cases", "chains.cases"}) {
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

TEST_P(TechniqueCaseTest, RemovesExactlyTheListedCandidates) {
  const TechniqueCase &c = GetParam();
  SCOPED_TRACE(c.where);
  puzzle::Engine e = EngineOn(c.grid);
  AdvancedTechniques().at(c.technique)(e);
  EXPECT_EQ(c.removed, RemovedCandidates(c.grid, e.CellGrid));
  if (c.stepText == "-") {
    EXPECT_FALSE(e.Changed);
    EXPECT_EQ("", e.StepText);
    EXPECT_EQ("1", LevelText(e));
    return;
  }
  EXPECT_TRUE(e.Changed);
  EXPECT_FALSE(e.Contradiction);
  EXPECT_EQ(c.stepText, e.StepText);
  EXPECT_EQ(c.level, LevelText(e));
  EXPECT_EQ(puzzle::LevelColour(e.Level), e.Panel4Colour);
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

// "r3c5-7" lists with rows and columns exchanged, sorted again.
std::string TransposedRemovals(const std::string &removed) {
  if (removed == "none")
    return removed;
  std::vector<std::tuple<int, int, int>> cells;
  std::istringstream in(removed);
  for (std::string t; in >> t;) {
    int r = 0, c = 0, d = 0;
    std::sscanf(t.c_str(), "r%dc%d-%d", &r, &c, &d);
    cells.emplace_back(c, r, d);
  }
  std::sort(cells.begin(), cells.end());
  std::string out;
  for (const auto &[r, c, d] : cells) {
    out += (out.empty() ? "r" : " r") + std::to_string(r) + "c" + std::to_string(c) + "-" +
           std::to_string(d);
  }
  return out;
}

// The operation that searches the other way, "-y" and "-x" labels swapped.
std::string CounterPart(const std::string &technique) {
  for (const char *pair : {"Xwing", "Swordfish", "Skyscraper"}) {
    const std::string base(pair);
    if (technique == base + "tate")
      return base + "yoko";
    if (technique == base + "yoko")
      return base + "tate";
  }
  return technique;
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
  SCOPED_TRACE(c.where);
  const puzzle::Grid grid = Transposed(c.grid);
  puzzle::Engine e = EngineOn(grid);
  AdvancedTechniques().at(CounterPart(c.technique))(e);
  EXPECT_EQ(TransposedRemovals(c.removed), RemovedCandidates(grid, e.CellGrid));
  EXPECT_EQ(c.stepText == "-" ? "" : SwappedSuffix(c.stepText), e.StepText);
}

// --- gates -------------------------------------------------------------------

int BoxOf(const std::string &technique) {
  static const std::map<std::string, int> kBoxes = {
      {"Xwingtate", puzzle::kBoxXWing},
      {"Xwingyoko", puzzle::kBoxXWing},
      {"Swordfishtate", puzzle::kBoxSwordfish},
      {"Swordfishyoko", puzzle::kBoxSwordfish},
      {"Skyscrapertate", puzzle::kBoxSkyscraper},
      {"Skyscraperyoko", puzzle::kBoxSkyscraper},
      {"XYwing", puzzle::kBoxXYWing},
      {"XYwingB", puzzle::kBoxXYWing},
      {"XYZwing", puzzle::kBoxXYWing},
      {"RemotePair", puzzle::kBoxRemotePair},
      {"WStringKite", puzzle::kBoxTwoStringKite},
      {"EmptyRectangle", puzzle::kBoxEmptyRectangle},
  };
  return kBoxes.at(technique);
}

TEST_P(GatedCaseTest, OnlyItsOwnBoxStopsIt) {
  const TechniqueCase &c = GetParam();
  SCOPED_TRACE(c.where);
  const int box = BoxOf(c.technique);
  puzzle::Engine e = EngineOn(c.grid);
  e.Options.conditionsPanelShown = true;
  e.Options.mustUseHardest = true;
  e.Options.boxes.fill(false);
  e.Options.boxes[box] = true;
  AdvancedTechniques().at(c.technique)(e);
  EXPECT_EQ(c.removed, RemovedCandidates(c.grid, e.CellGrid)) << "own box on";

  e = EngineOn(c.grid);
  e.Options.conditionsPanelShown = true;
  e.Options.selectionSwitch = puzzle::SelectionSwitch::Selection;
  e.Options.boxes.fill(true);
  e.Options.boxes[box] = false;
  AdvancedTechniques().at(c.technique)(e);
  EXPECT_EQ("none", RemovedCandidates(c.grid, e.CellGrid)) << "own box off";
  EXPECT_FALSE(e.Changed);
}

INSTANTIATE_TEST_SUITE_P(Cases, TechniqueCaseTest,
                         ::testing::ValuesIn(Cases([](const TechniqueCase &) { return true; })),
                         CaseName);
// A remote pair chain walks rows before columns, so its mirror image is
// another chain.
INSTANTIATE_TEST_SUITE_P(Cases, MirroredCaseTest,
                         ::testing::ValuesIn(Cases([](const TechniqueCase &c) {
                           return c.technique != "RemotePair";
                         })),
                         CaseName);
INSTANTIATE_TEST_SUITE_P(
    Cases, GatedCaseTest,
    ::testing::ValuesIn(Cases([](const TechniqueCase &c) { return c.stepText != "-"; })), CaseName);

} // namespace
} // namespace zenpa::testing
