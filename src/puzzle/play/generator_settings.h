// What a generator run works with, the correction of the clue window at the start of
// a repeat run, the acceptance test of repeat mode and the auto-record file
// numbering.
#pragma once

#include "puzzle/engine/options.h"
#include "puzzle/play/symmetry.h"
#include "settings/print_format.h"

#include <string>

namespace zenpa::play {

// The record's puzzle part, which a run reads as it goes on and corrects in
// place (the clue window, the record numbers), beside the conversion panel's
// pattern, which lives only for the run.
struct GeneratorSettings {
  settings::PuzzleOptions &options;
  bool patternMode = false; // CheckPattern ticked with the conversion panel shown
  std::string patternText;  // Memo2 of the conversion panel

  // The conditions panel Panel6 or the auto-record panel Panel5 is shown.
  bool RepeatMode() const {
    return options.techniques.conditionsPanelShown || options.recordPanelShown;
  }
};

// The record's symmetry, kept to the symmetries there are.
Symmetry SymmetryOf(const settings::PuzzleOptions &options);

// "数字" takes any number of up to two digits as typed; the value kept is
// clamped to settings::kTargetGivensRange.
inline constexpr settings::NumberRange kTargetTypedRange{0, 99};
int ClampTarget(int typed);

// At the start of a repeat run: "数字の許容" above "数字" or below its range
// becomes "数字"; an upper bound below "数字" or above its range becomes "数字".
void CorrectClueWindow(settings::PuzzleOptions &options);

// The arrows of "数字" run over 24..60 at first; a value typed outside
// that range (up to the clamp) widens it to hold the value.
inline constexpr settings::NumberRange kTargetArrowStart{24, 60};
settings::NumberRange WidenedArrows(settings::NumberRange arrows, int value);

// "数字" typed: clamped; it pulls "数字の許容" down and the upper bound up to it.
void SetTargetGivens(settings::PuzzleOptions &options, int typed);

// "始め" changed: a first number above the last one moves the last one up.
void SetRecordFirst(settings::PuzzleOptions &options, const std::string &text);

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
