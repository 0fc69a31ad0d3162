// Test support for the technique families: the operations by name, cases
// read from tests/data/techniques/*.cases, and what a run changed.
#pragma once

#include "base/sjis.h"
#include "puzzle/engine/chains.h"
#include "puzzle/engine/engine.h"
#include "puzzle/engine/fish.h"
#include "puzzle/engine/wings.h"
#include "puzzle/support/grid_text.h"

#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace zenpa::testing {

using Technique = void (*)(puzzle::Engine &);

// The operations of the fish, wing and chain families by name.
inline const std::map<std::string, Technique> &AdvancedTechniques() {
  static const std::map<std::string, Technique> kTable = {
      {"Xwingtate", puzzle::Xwingtate},
      {"Xwingyoko", puzzle::Xwingyoko},
      {"Swordfishtate", puzzle::Swordfishtate},
      {"Swordfishyoko", puzzle::Swordfishyoko},
      {"Skyscrapertate", puzzle::Skyscrapertate},
      {"Skyscraperyoko", puzzle::Skyscraperyoko},
      {"XYwing", puzzle::XYwing},
      {"XYwingB", puzzle::XYwingB},
      {"XYZwing", puzzle::XYZwing},
      {"RemotePair", puzzle::RemotePair},
      {"WStringKite", puzzle::WStringKite},
      {"EmptyRectangle", puzzle::EmptyRectangle},
  };
  return kTable;
}

// Position text with "^57" cells (all digits but 5 and 7) spelt out.
inline puzzle::Grid GridFromCaseText(const std::string &text) {
  std::istringstream in(text);
  std::string token, plain;
  while (in >> token) {
    if (token.size() > 1 && token[0] == '^')
      token = puzzle::CandidateText(puzzle::kAllCandidates & ~puzzle::CellFromText(token));
    plain += token + ' ';
  }
  return GridFromTokens(plain);
}

// The candidates present in `before` and gone in `after`, as
// "r<row>c<column>-<digit>" sorted by row, column and digit; "none" if none.
inline std::string RemovedCandidates(const puzzle::Grid &before, const puzzle::Grid &after) {
  std::string out;
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x) {
      const puzzle::Cell gone = before(x, y) & ~after(x, y);
      for (int d = 1; d <= 9; ++d) {
        if (puzzle::HasDigit(gone, d)) {
          out += (out.empty() ? "r" : " r") + std::to_string(y) + "c" + std::to_string(x) + "-" +
                 std::to_string(d);
        }
      }
    }
  }
  return out.empty() ? "none" : out;
}

inline int OpenCells(const puzzle::Grid &g) {
  int n = 0;
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x)
      n += puzzle::IsOpen(g(x, y)) ? 1 : 0;
  }
  return n;
}

// An engine working on grid g, as the solver leaves it before a technique.
inline puzzle::Engine EngineOn(const puzzle::Grid &g) {
  puzzle::Engine e;
  e.BeginSolve();
  e.CellGrid = g;
  e.OpenCount = OpenCells(g);
  return e;
}

struct TechniqueCase {
  std::string where; // file:line
  std::string technique;
  std::string stepText; // "-" when nothing may change
  std::string level;    // "9", "11.60", or "-"
  puzzle::Grid grid;
  std::string removed;
};

inline std::string Trim(const std::string &s) {
  const auto b = s.find_first_not_of(' ');
  const auto e = s.find_last_not_of(' ');
  return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

inline std::vector<TechniqueCase> LoadCases(const std::string &name) {
  std::vector<TechniqueCase> cases;
  std::ifstream in(std::string(TEST_DATA_DIR) + "/techniques/" + name);
  std::string line;
  for (int n = 1; std::getline(in, line); ++n) {
    if (line.empty() || line[0] == '#')
      continue;
    std::vector<std::string> f;
    std::istringstream fields(line);
    for (std::string part; std::getline(fields, part, '|');)
      f.push_back(Trim(part));
    if (f.size() != 5)
      throw std::runtime_error(name + ":" + std::to_string(n) + ": expected 5 fields");
    cases.push_back(
        {name + ":" + std::to_string(n), f[0], f[1], f[2], GridFromCaseText(f[3]), f[4]});
  }
  return cases;
}

// "9" or "11.60" for the engine's Level and LevelSub.
inline std::string LevelText(const puzzle::Engine &e) {
  return e.Level == 11 ? "11." + std::to_string(e.LevelSub) : std::to_string(e.Level);
}

} // namespace zenpa::testing

namespace zenpa::testing {

// Step display that records the pattern marks drawn on the board, as
// "r<row>c<column>*" for "◆" and "r<row>c<column>o" for "◇", and the number
// of times the marks were taken away.
class MarkRecorder : public puzzle::StepObserver {
public:
  void SetBoardMark(int x, int y, const std::string &text) override {
    static const std::string kDiamond = base::Sj("◆");
    static const std::string kHollow = base::Sj("◇");
    const std::string cell = "r" + std::to_string(y) + "c" + std::to_string(x);
    if (text == kDiamond || text == kHollow) {
      marks += (marks.empty() ? "" : " ") + cell + (text == kDiamond ? "*" : "o");
    } else {
      ++cleared;
    }
  }
  std::string marks;
  int cleared = 0;
};

// An engine on g in step mode, its display recorded by rec.
inline puzzle::Engine TracingEngineOn(const puzzle::Grid &g, MarkRecorder &rec) {
  puzzle::Engine e = EngineOn(g);
  e.StepMode = true;
  e.Observer = &rec;
  return e;
}

// The grid of the first case in a family file whose step text is stepText
// and whose removals start with firstRemoved.
inline puzzle::Grid CaseGrid(const std::string &file, const std::string &stepText,
                             const std::string &firstRemoved = "") {
  for (const TechniqueCase &c : LoadCases(file)) {
    if (c.stepText == stepText && c.removed.rfind(firstRemoved, 0) == 0)
      return c.grid;
  }
  throw std::runtime_error("no case " + stepText + " in " + file);
}

// The marks drawn when `run` shows the step of a case, named as CaseGrid.
inline std::string MarksOf(Technique run, const std::string &file, const std::string &stepText) {
  MarkRecorder rec;
  puzzle::Engine e = TracingEngineOn(CaseGrid(file, stepText), rec);
  run(e);
  return rec.marks;
}

using Step = std::pair<std::string, std::string>; // step text, removed candidates

// Step text and removed candidates of one call of `run` on g.
inline Step StepOf(Technique run, const puzzle::Grid &g,
                   puzzle::SelectionSwitch state = puzzle::SelectionSwitch::Off) {
  puzzle::Engine e = EngineOn(g);
  e.Options.selectionSwitch = state;
  run(e);
  return {e.StepText, RemovedCandidates(g, e.CellGrid)};
}

} // namespace zenpa::testing
