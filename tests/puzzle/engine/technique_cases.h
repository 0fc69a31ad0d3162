// Test support for the techniques: the operations by name, the regression
// cases of tests/data/techniques/*.cases, and what a run changed. A case is
// one line ("#" starts a comment):
//
//   operation [digits] | switch | position | changes | step text | grade [| trace]
//
// switch is "off" or "green" (columns first); position is in the token form
// of grid_text.h; changes is "none" or every changed cell, as "r3c5-47"
// (4 and 7 taken out) or "r3c5=12" (now 1 and 2, "=-" nothing); step text
// is "-" for none; grade is "-" or words: "level=9", "level=11.60" (with
// LevelSub), "contradiction", "buh" (Block Unique H used). The trace is what
// step mode shows, event by event after " ; ": a mark drawn ("r3c5*" for
// "◆", "r3c5o" for "◇") or taken away ("r3c5-"), the step text at each wait
// for a key, "list" for each refresh of the candidate list; then "#" and the
// step count.
#pragma once

#include "base/sjis.h"
#include "puzzle/engine/locked.h"
#include "puzzle/engine/singles.h"
#include "puzzle/engine/technique_table.h"
#include "puzzle/support/grid_text.h"

#include <deque>
#include <fstream>
#include <functional>
#include <map>
#include <ostream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace zenpa::testing {

// A technique of the solver's table by the name of its operation, with the
// box that gates it. The subsets may take a cell's last candidate, the fish,
// wings and chains never do.
struct Listed {
  const char *name;
  puzzle::AdvancedTechnique id;
  int box;
  bool subset = false;
  puzzle::TechniqueFn Run() const { return puzzle::AdvancedTechniques()[id]; }
};

inline const std::vector<Listed> &ListedTechniques() {
  using namespace puzzle;
  static const std::vector<Listed> kTable = {
      {"wkoho", kNakedPair, kBoxNakedPair, true},
      {"wkohoH", kHiddenPair, kBoxHiddenPair, true},
      {"tkoho", kNakedTriple, kBoxNakedTriple, true},
      {"tkohoH", kHiddenTriple, kBoxHiddenTriple, true},
      {"qkoho", kNakedQuad, kBoxNakedQuad, true},
      {"qkohoH", kHiddenQuad, kBoxHiddenQuad, true},
      {"Xwingyoko", kXWingRows, kBoxXWing},
      {"Xwingtate", kXWingColumns, kBoxXWing},
      {"Swordfishyoko", kSwordfishRows, kBoxSwordfish},
      {"Swordfishtate", kSwordfishColumns, kBoxSwordfish},
      {"Skyscraperyoko", kSkyscraperRows, kBoxSkyscraper},
      {"Skyscrapertate", kSkyscraperColumns, kBoxSkyscraper},
      {"XYwing", kXYWing, kBoxXYWing},
      {"XYwingB", kXYWingSecond, kBoxXYWing},
      {"XYZwing", kXYZWing, kBoxXYWing},
      {"RemotePair", kRemotePair, kBoxRemotePair},
      {"WStringKite", kTwoStringKite, kBoxTwoStringKite},
      {"EmptyRectangle", kEmptyRectangle, kBoxEmptyRectangle},
  };
  return kTable;
}

inline const Listed *FindListed(const std::string &name) {
  for (const Listed &t : ListedTechniques()) {
    if (name == t.name)
      return &t;
  }
  return nullptr;
}

using Operation = std::function<void(puzzle::Engine &, const std::vector<int> &)>;

// Every operation a case may name.
inline const std::map<std::string, Operation> &Operations() {
  static const std::map<std::string, Operation> kTable = [] {
    std::map<std::string, Operation> table = {
        {"linenokori1", [](puzzle::Engine &e, const auto &) { puzzle::linenokori1(e); }},
        {"blocknokori1", [](puzzle::Engine &e, const auto &) { puzzle::blocknokori1(e); }},
        {"kihonkaiho", [](puzzle::Engine &e, const auto &) { puzzle::kihonkaiho(e); }},
        {"onajisuji",
         [](puzzle::Engine &e, const auto &a) { puzzle::onajisuji(e, a.at(0), a.at(1)); }},
        {"hitotudake", [](puzzle::Engine &e, const auto &a) { puzzle::hitotudake(e, a.at(0)); }},
        {"hitoblockdake",
         [](puzzle::Engine &e, const auto &a) { puzzle::hitoblockdake(e, a.at(0)); }},
        {"hitoretudake",
         [](puzzle::Engine &e, const auto &a) { puzzle::hitoretudake(e, a.at(0)); }},
    };
    for (const Listed &t : ListedTechniques())
      table[t.name] = [run = t.Run()](puzzle::Engine &e, const auto &) { run(e); };
    return table;
  }();
  return kTable;
}

// What changed, in the notation of a case: "-" when candidates were taken
// out and more than one is left, "=" for any other change.
inline std::string CellChanges(const puzzle::Grid &before, const puzzle::Grid &after) {
  std::string out;
  for (int i = 0; i < 81; ++i) {
    const int x = i % 9 + 1, y = i / 9 + 1;
    const puzzle::Cell b = before(x, y), a = after(x, y);
    if (a == b)
      continue;
    out += (out.empty() ? "" : " ") + CellName(x, y);
    if (puzzle::IsOpen(a) && (a & ~b) == 0)
      out += "-" + puzzle::CandidateText(b & ~a);
    else
      out += "=" + (a == puzzle::kNoCandidates ? "-" : puzzle::CandidateText(a));
  }
  return out.empty() ? "none" : out;
}

// g with changes in the notation of a case applied.
inline puzzle::Grid Applied(puzzle::Grid g, const std::string &changes) {
  std::istringstream in(changes);
  for (std::string t; in >> t && t != "none";) {
    int y = 0, x = 0;
    const std::size_t op = t.find_first_of("-=");
    if (std::sscanf(t.c_str(), "r%dc%d", &y, &x) != 2 || op == std::string::npos)
      throw std::invalid_argument("bad change " + t);
    const puzzle::Cell digits = puzzle::CellFromText(t.substr(op + 1));
    g(x, y) = t[op] == '=' ? digits : g(x, y) & static_cast<puzzle::Cell>(~digits);
  }
  return g;
}

// A case as read: "" for a step text of "-", the grade with its level always
// given.
struct TechniqueCase {
  std::string where; // file:line
  std::string operation;
  std::vector<int> digits;
  bool green = false;
  puzzle::Grid grid;
  std::string changes, stepText, grade, trace;

  puzzle::Grid After() const { return Applied(grid, changes); }
};

inline void PrintTo(const TechniqueCase &c, std::ostream *os) { *os << c.where; }

inline std::string Trimmed(const std::string &s) {
  const auto b = s.find_first_not_of(" \t\r");
  const auto e = s.find_last_not_of(" \t\r");
  return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

inline TechniqueCase ParseCase(const std::string &where, const std::string &line) {
  std::vector<std::string> f;
  std::istringstream fields(line);
  for (std::string part; std::getline(fields, part, '|');)
    f.push_back(Trimmed(part));
  if (f.size() != 6 && f.size() != 7)
    throw std::runtime_error(where + ": expected 6 or 7 fields");
  const std::string grade = f[5] == "-" ? "" : f[5];
  TechniqueCase c{where, {}, {}, f[1] == "green", GridFromTokens(f[2]), f[3]};
  c.stepText = f[4] == "-" ? "" : f[4];
  c.grade = grade.rfind("level=", 0) == 0 ? grade : Trimmed("level=1 " + grade);
  c.trace = f.size() == 7 ? f[6] : "";
  std::istringstream head(f[0]);
  head >> c.operation;
  for (int d; head >> d;)
    c.digits.push_back(d);
  return c;
}

inline std::vector<TechniqueCase> LoadCases(const std::string &name) {
  std::vector<TechniqueCase> cases;
  std::ifstream in(std::string(TEST_DATA_DIR) + "/techniques/" + name);
  std::string line;
  for (int n = 1; std::getline(in, line); ++n) {
    if (!Trimmed(line).empty() && line[0] != '#')
      cases.push_back(ParseCase(name + ":" + std::to_string(n), line));
  }
  return cases;
}

// An engine on the case's position with its switch.
inline puzzle::Engine EngineFor(const TechniqueCase &c) {
  puzzle::Engine e = EngineOn(c.grid);
  if (c.green)
    e.Options.selectionSwitch = puzzle::SelectionSwitch::ColumnsFirst;
  return e;
}

inline void RunCase(const TechniqueCase &c, puzzle::Engine &e) {
  Operations().at(c.operation)(e, c.digits);
}

// The grade of a run in the words of a case.
inline std::string GradeOf(const puzzle::Engine &e) {
  const std::string level =
      e.Level == 11 ? "11." + std::to_string(e.LevelSub) : std::to_string(e.Level);
  return "level=" + level + (e.Contradiction ? " contradiction" : "") +
         (e.BlockUniqueHUsed ? " buh" : "");
}

// Step display that answers each wait with the next of its keys (Enter when
// they run out) and records the events of a trace; the document's cells and
// the status line apart.
class TraceRecorder : public puzzle::StepObserver {
public:
  explicit TraceRecorder(std::deque<int> keys = {}) : keys_(std::move(keys)) {}
  void SetBoardMark(int x, int y, const std::string &text) override {
    Add(CellName(x, y) + (text == base::Sj("◆") ? "*" : text == base::Sj("◇") ? "o" : "-"));
  }
  void WaitForKey(puzzle::Engine &e) override {
    e.StepKey = keys_.empty() ? puzzle::kKeyEnter : keys_.front();
    if (!keys_.empty())
      keys_.pop_front();
    Add(base::SjisToUtf8(e.StepText));
  }
  void RefreshCandidateList(puzzle::Engine &) override { Add("list"); }
  void SetPuzzleCell(int x, int y, const std::string &text) override {
    cells += (cells.empty() ? "" : " ") + CellName(x, y) + ":" + base::SjisToUtf8(text);
  }
  void ShowStatus(const std::string &stepLine, const std::string &) override {
    status = base::SjisToUtf8(stepLine);
  }
  void Add(const std::string &event) { trace += (trace.empty() ? "" : " ; ") + event; }
  std::string trace, cells, status;

private:
  std::deque<int> keys_;
};

// Random cells: empty, placed, or few candidates each, so that patterns abound.
inline puzzle::Grid RandomGrid(std::mt19937 &rng) {
  puzzle::Grid g;
  for (int i = 0; i < 81; ++i) {
    const unsigned kind = rng() % 4;
    g(i % 9 + 1, i / 9 + 1) =
        kind == 0   ? puzzle::kNoCandidates
        : kind == 1 ? puzzle::DigitBit(static_cast<int>(rng() % 9) + 1)
                    : static_cast<puzzle::Cell>(rng() & rng() & puzzle::kAllCandidates);
  }
  return g;
}

} // namespace zenpa::testing
