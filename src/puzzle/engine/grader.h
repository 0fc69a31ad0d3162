// Grading of a puzzle solved by the human techniques: the difficulty message,
// the name of the hardest technique and the clue/level line of the result
// panel. Texts are Shift-JIS bytes.
//
// Levels run 1..12 (12: the techniques could not finish the puzzle). For
// level 11 the technique code `LevelSub` names the hardest technique of the
// advanced family (0 Skyscraper, 10 Finned X-Wing, ... 90 Hidden Quad).
#pragma once

#include <string>

namespace zenpa::puzzle {

// Level reached by a solve that the techniques could not finish.
inline constexpr int kStuckLevel = 12;

// What the result panel shows after a solve: `Label30` (difficulty message),
// `Label31` (clue count and level) and `Label40` (hardest technique).
struct GradeLabels {
  std::string difficulty; // Label30
  std::string clueLevel;  // Label31
  std::string hardest;    // Label40
};

// Difficulty message for a level, "" for a level outside 1..12.
std::string DifficultyMessage(int level);

// `HardestName`: the hardest technique used, with " b" appended when Block
// Unique H placed a digit. Empty for the stuck level.
std::string HardestName(int level, int levelSub, bool blockUniqueHUsed);

// `Label31`: the clue count text followed by "-clue  level " and the level.
std::string ClueLevelText(const std::string &clueText, int level);

// The three labels of a solve that ended at the given level.
GradeLabels GradeOf(const std::string &clueText, int level, int levelSub, bool blockUniqueHUsed);

} // namespace zenpa::puzzle
