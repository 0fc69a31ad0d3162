// The generator's settings, the correction of the clue window at the start of
// a repeat run, the acceptance test of repeat mode and the auto-record file
// numbering.
#pragma once

#include "puzzle/engine/options.h"
#include "puzzle/play/symmetry.h"

#include <string>

namespace zenpa::play {

struct GeneratorSettings {
  int target = 32;     // LabeledEdit12 "数字"
  int lowerBound = 32; // LabeledEdit18 "数字の許容"
  int upperBound = 32; // Edit16 (after "～")
  int trials = 6;      // LabeledEdit16 "試作回数"
  Symmetry symmetry = Symmetry::None;
  bool addToDocument = false;      // CheckBox8
  bool appendAnswer = false;       // CheckBox10 "答えも付加"
  bool conditionsPanel = false;    // Panel6 shown: repeat mode
  bool patternMode = false;        // CheckPattern ticked with the conversion panel shown
  std::string patternText;         // Memo2 of the conversion panel
  bool autoRecord = false;         // Panel5 shown
  std::string stem = "sudoku";     // LabeledEdit13 "ファイル名"
  std::string firstNumber = "001"; // LabeledEdit14 "始め"
  std::string lastNumber = "001";  // LabeledEdit15 "終わり"

  bool RepeatMode() const { return conditionsPanel || autoRecord; }
};

// A typed "数字" is clamped to 16..80.
int ClampTarget(int typed);

// At the start of a repeat run: "数字の許容" above "数字" or below 16 becomes
// "数字"; an upper bound below "数字" or above 80 becomes "数字".
void CorrectClueWindow(GeneratorSettings &s);

// The repeat mode's acceptance test for a graded puzzle: its level (1..12),
// technique code (LevelSub) and clue count.
bool Accepts(const puzzle::TechniqueOptions &options, const GeneratorSettings &s, int level,
             int levelSub, int clues, bool success);

// A record number as text: decimal, left-padded with "0" to the length of the
// first number's text when that text starts with "0" ("001" style).
std::string RecordNumberText(int number, const std::string &firstText);

// The number a record field holds: 1 when it is not a number.
int RecordNumberValue(const std::string &text);

// stem + record number + ".nbp".
std::string RecordFileName(const std::string &stem, int number, const std::string &firstText);

} // namespace zenpa::play
