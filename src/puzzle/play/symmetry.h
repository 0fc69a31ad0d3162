// Symmetry of the givens of a generated puzzle: when a cell is opened, its
// partner cells are opened with it so that the pattern of givens keeps the
// chosen symmetry. Coordinates are (column x, row y), 1-based.
//
//   "１８０度"  (10-x, 10-y)
//   "９０度"    (10-x, 10-y), (10-y, x), (y, 10-x)
//   "上下左右"  (10-x, 10-y), (10-x, y), (x, 10-y)
//   "Ｘ線"      (10-x, 10-y), (10-y, 10-x), (y, x)
//   "左右"      (10-x, y)
//   "上下"      (x, 10-y)
//   "＼線"      (y, x)
//   "／線"      (10-y, 10-x)
#pragma once

#include "puzzle/engine/units.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zenpa::play {

// In the order of the radio buttons RadioButton11, RadioButton3..RadioButton10.
enum class Symmetry {
  None,
  Rot90,
  Rot180,
  FourWay,
  LeftRight,
  UpDown,
  BothDiagonals,
  Slash,
  Backslash
};

inline constexpr int kSymmetryCount = 9;

// Radio-button caption (Shift-JIS): "なし", "９０度", "１８０度", ...
std::string SymmetryCaption(Symmetry s);

// Command-line name: none, 90, 180, four, lr, ud, x, slash, backslash.
std::string_view SymmetryName(Symmetry s);
std::optional<Symmetry> SymmetryFromName(std::string_view name);

// The cells opened besides (x, y), without (x, y) itself and without repeats.
std::vector<puzzle::Pos> SymmetricPartners(Symmetry s, puzzle::Pos p);

} // namespace zenpa::play
