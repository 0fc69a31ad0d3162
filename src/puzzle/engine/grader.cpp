#include "puzzle/engine/grader.h"

#include "base/sjis.h"

#include <array>
#include <string_view>
#include <utility>

namespace zenpa::puzzle {
namespace {

// Names of the techniques that decide levels 1..10, indexed by level - 1.
constexpr std::array<std::string_view, 10> kLevelNames = {
    "Block Unique", "Line Unique",  "Cell Unique",   "Localization", "Naked Pair",
    "Hidden Pair",  "Naked Triple", "Hidden Triple", "X-Wing",       "Swordfish"};

// Names of the advanced techniques by their `LevelSub` code.
constexpr std::array<std::pair<int, std::string_view>, 11> kAdvancedNames = {{
    {0, "Skyscraper"},
    {10, "Finned X-Wing"},
    {20, "Finned Skyscraper"},
    {30, "XY-Wing"},
    {40, "XYZ-Wing"},
    {50, "Remote Pair"},
    {60, "2-String Kite"},
    {61, "Grouped 2-String Kite"},
    {70, "Empty Rectangle"},
    {80, "Naked Quad"},
    {90, "Hidden Quad"},
}};

std::string AdvancedName(int levelSub) {
  for (const auto &[code, name] : kAdvancedNames) {
    if (code == levelSub)
      return std::string(name);
  }
  return {};
}

} // namespace

std::string DifficultyMessage(int level) {
  if (level == 1)
    return base::Sj("やさしい問題です｡");
  if (level == 2 || level == 3)
    return base::Sj("ふつうの問題です｡");
  if (level == 4)
    return base::Sj("やや難しい問題です｡");
  if (level == 5 || level == 6)
    return base::Sj("難しい問題です｡");
  if (level >= 7 && level <= 11)
    return base::Sj("かなり難しい問題です｡");
  if (level == kStuckLevel)
    return base::Sj("難しすぎる問題です｡");
  return {};
}

std::string HardestName(int level, int levelSub, bool blockUniqueHUsed) {
  std::string name;
  if (level >= 1 && level <= 10)
    name = std::string(kLevelNames[level - 1]);
  else if (level == 11)
    name = AdvancedName(levelSub);
  if (level != kStuckLevel && blockUniqueHUsed)
    name += " b";
  return name;
}

std::string ClueLevelText(const std::string &clueText, int level) {
  return clueText + "-clue  level " + std::to_string(level);
}

GradeLabels GradeOf(const std::string &clueText, int level, int levelSub, bool blockUniqueHUsed) {
  return {DifficultyMessage(level), ClueLevelText(clueText, level),
          HardestName(level, levelSub, blockUniqueHUsed)};
}

} // namespace zenpa::puzzle
