#include "puzzle/play/symmetry.h"

#include "base/sjis.h"

#include <algorithm>
#include <array>

namespace zenpa::play {
namespace {

struct SymmetryInfo {
  const char *caption; // UTF-8
  const char *name;
};

constexpr std::array<SymmetryInfo, kSymmetryCount> kInfo = {{
    {"なし", "none"},
    {"９０度", "90"},
    {"１８０度", "180"},
    {"上下左右", "four"},
    {"左右", "lr"},
    {"上下", "ud"},
    {"Ｘ線", "x"},
    {"／線", "slash"},
    {"＼線", "backslash"},
}};

const SymmetryInfo &InfoOf(Symmetry s) { return kInfo[static_cast<std::size_t>(s)]; }

} // namespace

std::string SymmetryCaption(Symmetry s) { return base::Sj(InfoOf(s).caption); }

std::string_view SymmetryName(Symmetry s) { return InfoOf(s).name; }

std::optional<Symmetry> SymmetryFromName(std::string_view name) {
  for (int i = 0; i < kSymmetryCount; ++i) {
    if (name == kInfo[static_cast<std::size_t>(i)].name)
      return static_cast<Symmetry>(i);
  }
  return std::nullopt;
}

std::vector<puzzle::Pos> SymmetricPartners(Symmetry s, puzzle::Pos p) {
  const int x = p.x, y = p.y;
  const puzzle::Pos centre{10 - x, 10 - y}, mirrorX{10 - x, y}, mirrorY{x, 10 - y};
  const puzzle::Pos diag{y, x}, antiDiag{10 - y, 10 - x};
  std::vector<puzzle::Pos> cells;
  switch (s) {
  case Symmetry::None:
    break;
  case Symmetry::Rot180:
    cells = {centre};
    break;
  case Symmetry::Rot90:
    cells = {centre, {10 - y, x}, {y, 10 - x}};
    break;
  case Symmetry::FourWay:
    cells = {centre, mirrorX, mirrorY};
    break;
  case Symmetry::BothDiagonals:
    cells = {centre, antiDiag, diag};
    break;
  case Symmetry::LeftRight:
    cells = {mirrorX};
    break;
  case Symmetry::UpDown:
    cells = {mirrorY};
    break;
  case Symmetry::Backslash:
    cells = {diag};
    break;
  case Symmetry::Slash:
    cells = {antiDiag};
    break;
  }
  std::vector<puzzle::Pos> unique;
  for (const auto &c : cells) {
    if (c != p && std::find(unique.begin(), unique.end(), c) == unique.end())
      unique.push_back(c);
  }
  return unique;
}

} // namespace zenpa::play
