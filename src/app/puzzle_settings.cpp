#include "app/puzzle_settings.h"

#include <algorithm>

namespace zenpa::app {

play::PuzzleTextOptions TextOptionsFrom(const settings::PrintFormat &format) {
  const settings::PuzzleOptions &p = format.puzzle;
  play::PuzzleTextOptions text;
  text.titleOn = p.printTitle;
  text.clueOn = p.printClue;
  text.howToPlayOn = p.printHowToPlay;
  text.pageBreakOn = p.pageBreak;
  text.appendAnswer = p.appendAnswer;
  text.title = p.title;
  std::copy(p.howToPlay.begin(), p.howToPlay.end(), text.howToPlay.begin());
  text.pageBreakMark = format.pageBreakMark;
  return text;
}

editor::InsertionPlace PlaceFrom(const settings::PrintFormat &format) {
  return format.insertionPlace == settings::InsertionPlace::Here ? editor::InsertionPlace::AtCaret
                                                                 : editor::InsertionPlace::AtEnd;
}

puzzle::TechniqueOptions TechniquesFrom(const settings::PuzzleOptions &puzzle,
                                        const puzzle::TechniqueOptions &current) {
  puzzle::TechniqueOptions options = current;
  for (int box = 1; box <= settings::kTechniqueFlagCount; ++box)
    options.CheckBoxL[static_cast<std::size_t>(box)] =
        puzzle.techniques[static_cast<std::size_t>(box - 1)];
  options.CheckBoxYH = puzzle.mustUseHardest;
  options.Panel6Visible = puzzle.settingsMenuShown;
  return options;
}

void StoreTechniques(const puzzle::TechniqueOptions &options, settings::PuzzleOptions &puzzle) {
  for (int box = 1; box <= settings::kTechniqueFlagCount; ++box)
    puzzle.techniques[static_cast<std::size_t>(box - 1)] =
        options.CheckBoxL[static_cast<std::size_t>(box)];
  puzzle.mustUseHardest = options.CheckBoxYH;
  puzzle.settingsMenuShown = options.Panel6Visible;
}

play::GeneratorSettings GeneratorSettingsFrom(const settings::PuzzleOptions &puzzle) {
  play::GeneratorSettings s;
  s.target = puzzle.targetGivens;
  s.lowerBound = puzzle.lowerGivens;
  s.upperBound = puzzle.upperGivens;
  s.trials = puzzle.attempts;
  s.symmetry =
      static_cast<play::Symmetry>(std::clamp(puzzle.symmetry, 0, play::kSymmetryCount - 1));
  s.addToDocument = puzzle.addToDocument;
  s.appendAnswer = puzzle.appendAnswer;
  s.conditionsPanel = puzzle.settingsMenuShown;
  s.autoRecord = puzzle.recordPanelShown;
  s.stem = puzzle.recordStem;
  s.firstNumber = puzzle.recordFirst;
  s.lastNumber = puzzle.recordLast;
  return s;
}

void StoreGeneratorSettings(const play::GeneratorSettings &s, settings::PuzzleOptions &puzzle) {
  puzzle.lowerGivens = s.lowerBound;
  puzzle.upperGivens = s.upperBound;
  puzzle.recordFirst = s.firstNumber;
  puzzle.recordLast = s.lastNumber;
}

void SetTargetGivens(settings::PuzzleOptions &puzzle, int typed) {
  const int target = play::ClampTarget(typed);
  puzzle.targetGivens = target;
  puzzle.lowerGivens = std::min(puzzle.lowerGivens, target);
  puzzle.upperGivens = std::max(puzzle.upperGivens, target);
}

void SetRecordFirst(settings::PuzzleOptions &puzzle, const std::string &text) {
  puzzle.recordFirst = text;
  if (play::RecordNumberValue(text) > play::RecordNumberValue(puzzle.recordLast))
    puzzle.recordLast = text;
}

} // namespace zenpa::app
