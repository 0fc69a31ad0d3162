#include "puzzle/engine/answer_text.h"

#include "base/digits.h"
#include "base/sjis.h"

namespace zenpa::puzzle {
namespace {

constexpr int kListField = 7;
const char *const kListRule =
    " -----------------------+-----------------------+-----------------------";

// Deletes d from the open cells of a unit of ListGrid except (x, y).
bool PruneUnit(Grid &list, const Unit &unit, int d) {
  bool single = false;
  for (const Pos &p : unit.cells) {
    Cell &c = list(p.x, p.y);
    if (!IsOpen(c) || !HasDigit(c, d))
      continue;
    c &= static_cast<Cell>(~DigitBit(d));
    single = single || IsPlaced(c);
  }
  return single;
}

// One pass over ListGrid in row order; placedIn tells which cells to use.
bool PrunePass(Engine &e, const Grid &placedIn) {
  bool single = false;
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x) {
      if (IsPlaced(placedIn(x, y)) && dsView(e, x, y))
        single = true;
    }
  }
  return single;
}

std::string ListRow(const Grid &list, int y) {
  std::string line = " ";
  for (int x = 1; x <= 9; ++x) {
    const std::string text = CandidateText(list(x, y));
    if (text.size() >= 8) {
      line += text.substr(0, 8);
      continue;
    }
    line += text + std::string(kListField - text.size(), ' ');
    if (x < 9)
      line += (x == 3 || x == 6) ? "|" : " ";
  }
  return line;
}

std::string AnswerCell(const Grid &g, int x, int y) {
  static const std::string kBlank = base::Sj("　");
  const int d = DigitOf(g(x, y));
  return d == 0 ? kBlank : base::zenkaku(d);
}

void Write(TextOutput &out, const std::string &line) {
  if (out.insertLine)
    out.insertLine(line);
}

} // namespace

bool dsView(Engine &e, int x, int y) {
  const int d = DigitOf(e.ListGrid(x, y));
  if (d == 0)
    return false;
  bool single = PruneUnit(e.ListGrid, RowUnit(y), d);
  single = PruneUnit(e.ListGrid, ColumnUnit(x), d) || single;
  return PruneUnit(e.ListGrid, BlockOf(x, y), d) || single;
}

std::vector<std::string> CandidateListLines(Engine &e, bool pruneRepeatedly) {
  e.ListGrid = e.CellGrid;
  if (pruneRepeatedly) {
    while (PrunePass(e, e.ListGrid)) {
    }
  } else {
    PrunePass(e, e.CellGrid);
  }
  std::vector<std::string> lines;
  for (int y = 1; y <= 9; ++y) {
    lines.push_back(ListRow(e.ListGrid, y));
    if (y == 3 || y == 6)
      lines.emplace_back(kListRule);
  }
  return lines;
}

void itiran(Engine &e, TextOutput &out) {
  const std::vector<std::string> lines = CandidateListLines(e, out.pruneRepeatedly);
  if (e.StepKey == kKeyTab) {
    Write(out, "");
    for (const std::string &line : lines)
      Write(out, line);
    return;
  }
  if (out.hintText == nullptr)
    return;
  platform::Memo &hint = *out.hintText;
  for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
    if (i < hint.LineCount()) {
      hint.ReplaceLine(i, lines[i]);
    } else {
      hint.InsertLine(hint.LineCount(), lines[i]);
    }
  }
}

std::vector<std::string> GridFrameLines(const std::function<std::string(int, int)> &cellText) {
  static const std::string kTop = base::Sj("┏━┯━┯━┳━┯━┯━┳━┯━┯━┓");
  static const std::string kThin = base::Sj("┠─┼─┼─╂─┼─┼─╂─┼─┼─┨");
  static const std::string kThick = base::Sj("┣━┿━┿━╋━┿━┿━╋━┿━┿━┫");
  static const std::string kBottom = base::Sj("┗━┷━┷━┻━┷━┷━┻━┷━┷━┛");
  static const std::string kHeavy = base::Sj("┃");
  static const std::string kLight = base::Sj("│");
  std::vector<std::string> lines{kTop};
  for (int y = 1; y <= 9; ++y) {
    std::string row = kHeavy;
    for (int x = 1; x <= 9; ++x)
      row += cellText(x, y) + (x % 3 == 0 ? kHeavy : kLight);
    lines.push_back(row);
    if (y < 9)
      lines.push_back(y % 3 == 0 ? kThick : kThin);
  }
  lines.push_back(kBottom);
  return lines;
}

void kotaetuke(Engine &e, TextOutput &out) {
  if (out.suppressed)
    return;
  if (e.StepKey == kKeyTab) {
    itiran(e, out);
    return;
  }
  if (out.titleLine)
    Write(out, out.puzzleTitle);
  const Grid &g = e.CellGrid;
  for (const std::string &line : GridFrameLines([&g](int x, int y) { return AnswerCell(g, x, y); }))
    Write(out, line);
  if (e.OpenCount != 0)
    itiran(e, out);
}

void kotae9txt(const Engine &e, TextOutput &out) {
  if (out.suppressed)
    return;
  for (int y = 1; y <= 9; ++y) {
    std::string line;
    for (int x = 1; x <= 9; ++x)
      line += AnswerCell(e.CellGrid, x, y);
    Write(out, line);
  }
}

void kotae1txt(const Engine &e, TextOutput &out) {
  if (out.suppressed)
    return;
  std::string line;
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x)
      line += CandidateText(e.CellGrid(x, y));
  }
  Write(out, line);
}

} // namespace zenpa::puzzle
