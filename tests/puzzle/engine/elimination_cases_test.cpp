// Cases of the singles, locked candidates and subsets from
// tests/data/techniques/*.txt, one per line:
//
//   technique args | switch | position | changes | step text | flags
//
// switch is "off" or "green" (columns first); position is in the token form
// of grid_text.h; changes lists every cell that differs afterwards as
// "r1c3=12" ("none" when nothing may change); step text is the expected
// StepText ("-" to skip); flags are "level=N", "sub=N", "contradiction",
// "buh" (Block Unique H used), or "-". Lines starting with "#" are comments.
#include "puzzle/engine/locked.h"
#include "puzzle/engine/singles.h"
#include "puzzle/engine/subsets.h"

#include "base/sjis.h"
#include "puzzle/support/grid_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

namespace zenpa::puzzle {
namespace {

struct EliminationCase {
  std::string where; // file:line
  std::string technique;
  std::vector<int> args;
  bool green = false;
  std::string position;
  std::string changes;
  std::string stepText;
  std::string flags;
};

void PrintTo(const EliminationCase &c, std::ostream *os) { *os << c.where; }

using Runner = std::function<void(Engine &, const std::vector<int> &)>;

const std::map<std::string, Runner> &Runners() {
  static const std::map<std::string, Runner> kRunners = {
      {"linenokori1", [](Engine &e, const auto &) { linenokori1(e); }},
      {"blocknokori1", [](Engine &e, const auto &) { blocknokori1(e); }},
      {"kihonkaiho", [](Engine &e, const auto &) { kihonkaiho(e); }},
      {"onajisuji", [](Engine &e, const auto &a) { onajisuji(e, a.at(0), a.at(1)); }},
      {"hitotudake", [](Engine &e, const auto &a) { hitotudake(e, a.at(0)); }},
      {"hitoblockdake", [](Engine &e, const auto &a) { hitoblockdake(e, a.at(0)); }},
      {"hitoretudake", [](Engine &e, const auto &a) { hitoretudake(e, a.at(0)); }},
      {"wkoho", [](Engine &e, const auto &) { wkoho(e); }},
      {"wkohoH", [](Engine &e, const auto &) { wkohoH(e); }},
      {"tkoho", [](Engine &e, const auto &) { tkoho(e); }},
      {"tkohoH", [](Engine &e, const auto &) { tkohoH(e); }},
      {"qkoho", [](Engine &e, const auto &) { qkoho(e); }},
      {"qkohoH", [](Engine &e, const auto &) { qkohoH(e); }},
  };
  return kRunners;
}

std::string Trim(const std::string &s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos)
    return {};
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string> Fields(const std::string &line) {
  std::vector<std::string> fields;
  std::istringstream in(line);
  std::string field;
  while (std::getline(in, field, '|'))
    fields.push_back(Trim(field));
  return fields;
}

std::vector<EliminationCase> LoadCases() {
  std::vector<EliminationCase> cases;
  const std::filesystem::path dir = std::filesystem::path(TEST_DATA_DIR) / "techniques";
  for (const auto &entry : std::filesystem::directory_iterator(dir)) {
    if (entry.path().extension() != ".txt")
      continue;
    std::ifstream in(entry.path());
    std::string line;
    for (int n = 1; std::getline(in, line); ++n) {
      const std::vector<std::string> f = Fields(line);
      if (Trim(line).empty() || Trim(line)[0] == '#' || f.size() != 6)
        continue;
      EliminationCase c;
      c.where = entry.path().stem().string() + "_" + std::to_string(n);
      std::istringstream head(f[0]);
      head >> c.technique;
      for (int a; head >> a;)
        c.args.push_back(a);
      c.green = f[1] == "green";
      c.position = f[2];
      c.changes = f[3];
      c.stepText = f[4];
      c.flags = f[5];
      cases.push_back(c);
    }
  }
  return cases;
}

// Every cell that differs between before and after, as "r1c3=12".
std::string Changes(const Grid &before, const Grid &after) {
  std::string out;
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x) {
      if (before(x, y) == after(x, y))
        continue;
      const Cell c = after(x, y);
      if (!out.empty())
        out += ' ';
      out += "r" + std::to_string(y) + "c" + std::to_string(x) + "=" +
             (c == kNoCandidates ? "-" : CandidateText(c));
    }
  }
  return out.empty() ? "none" : out;
}

// Changes in the row-by-row order Changes() writes them.
std::string Normalised(const std::string &changes) {
  std::istringstream in(changes);
  std::map<std::pair<int, int>, std::string> cells;
  std::string token;
  while (in >> token) {
    int y = 0, x = 0;
    if (std::sscanf(token.c_str(), "r%dc%d", &y, &x) != 2)
      return token;
    cells[{y, x}] = token;
  }
  std::string out;
  for (const auto &[pos, text] : cells)
    out += (out.empty() ? "" : " ") + text;
  return out.empty() ? "none" : out;
}

std::string Flags(const Engine &e, const std::string &wanted) {
  std::istringstream in(wanted);
  std::string out;
  std::string flag;
  while (in >> flag) {
    std::string got = "-";
    if (flag.rfind("level=", 0) == 0)
      got = "level=" + std::to_string(e.Level);
    if (flag.rfind("sub=", 0) == 0)
      got = "sub=" + std::to_string(e.LevelSub);
    if (flag == "contradiction" && e.Contradiction)
      got = flag;
    if (flag == "buh" && e.BlockUniqueHUsed)
      got = flag;
    out += (out.empty() ? "" : " ") + got;
  }
  return out;
}

class EliminationCaseTest : public ::testing::TestWithParam<EliminationCase> {};

TEST_P(EliminationCaseTest, ChangesExactlyTheListedCells) {
  const EliminationCase &c = GetParam();
  const auto runner = Runners().find(c.technique);
  ASSERT_NE(Runners().end(), runner) << c.technique;
  Engine e;
  e.CellGrid = testing::GridFromTokens(c.position);
  e.OpenCount = 81 - testing::PlacedCount(e.CellGrid);
  if (c.green)
    e.Options.selectionSwitch = SelectionSwitch::ColumnsFirst;
  const Grid before = e.CellGrid;
  runner->second(e, c.args);

  EXPECT_EQ(Normalised(c.changes), Changes(before, e.CellGrid));
  EXPECT_EQ(c.changes != "none", e.Changed);
  if (c.stepText != "-") {
    EXPECT_EQ(base::Sj(c.stepText), e.StepText);
  }
  if (c.flags != "-") {
    EXPECT_EQ(c.flags, Flags(e, c.flags));
  }
  if (!e.Contradiction) {
    EXPECT_EQ(81 - testing::PlacedCount(e.CellGrid), e.OpenCount);
  }
}

INSTANTIATE_TEST_SUITE_P(Data, EliminationCaseTest, ::testing::ValuesIn(LoadCases()),
                         [](const auto &info) { return info.param.where; });

} // namespace
} // namespace zenpa::puzzle
