#include "puzzle/play/generator_settings.h"

#include <algorithm>
#include <charconv>

namespace zenpa::play {
namespace {

// Whether ticked technique box i is met by the grade.
bool TechniqueMet(int box, int level, int code) {
  if (box <= puzzle::kBoxSkyscraper)
    return level == box;
  switch (box) {
  case puzzle::kBoxXYWing:
    return code == 30 || code == 40;
  case puzzle::kBoxRemotePair:
    return code == 50;
  case puzzle::kBoxTwoStringKite:
    return code == 60 || code == 61;
  case puzzle::kBoxEmptyRectangle:
    return code == 70;
  case puzzle::kBoxNakedQuad:
    return code == 80;
  case puzzle::kBoxHiddenQuad:
    return code == 90;
  default:
    return false;
  }
}

} // namespace

Symmetry SymmetryOf(const settings::PuzzleOptions &options) {
  return static_cast<Symmetry>(std::clamp(options.symmetry, 0, kSymmetryCount - 1));
}

int ClampTarget(int typed) {
  return std::clamp(typed, settings::kTargetGivensRange.min, settings::kTargetGivensRange.max);
}

void CorrectClueWindow(settings::PuzzleOptions &p) {
  if (p.lowerGivens > p.targetGivens || p.lowerGivens < settings::kLowerGivensRange.min)
    p.lowerGivens = p.targetGivens;
  if (p.upperGivens < p.targetGivens || p.upperGivens > settings::kUpperGivensRange.max)
    p.upperGivens = p.targetGivens;
}

settings::NumberRange WidenedArrows(settings::NumberRange arrows, int value) {
  return {std::min(arrows.min, value), std::max(arrows.max, value)};
}

void SetTargetGivens(settings::PuzzleOptions &options, int typed) {
  const int target = ClampTarget(typed);
  options.targetGivens = target;
  options.lowerGivens = std::min(options.lowerGivens, target);
  options.upperGivens = std::max(options.upperGivens, target);
}

void SetRecordFirst(settings::PuzzleOptions &options, const std::string &text) {
  options.recordFirst = text;
  if (RecordNumberValue(text) > RecordNumberValue(options.recordLast))
    options.recordLast = text;
}

bool Accepts(const puzzle::TechniqueOptions &options, const GeneratorSettings &s, int level,
             int levelSub, int clues, bool success) {
  int e = 99;
  int highest = 0;
  bool anyMet = false;
  for (int box = 1; box <= puzzle::kBoxHiddenQuad; ++box) {
    if (!options.boxes[static_cast<std::size_t>(box)])
      continue;
    highest = box;
    anyMet = anyMet || TechniqueMet(box, level, levelSub);
  }
  if (highest == 0)
    e = clues;
  if (options.mustUseHardest) {
    if (highest != 0 && TechniqueMet(highest, level, levelSub))
      e = clues;
  } else if (anyMet) {
    e = clues;
  }
  if (!success)
    return false;
  return (s.options.lowerGivens <= e && e <= s.options.upperGivens) ||
         (s.patternMode && e == clues);
}

int RecordNumberValue(const std::string &text) {
  int value = 0;
  auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || ptr != text.data() + text.size() || text.empty())
    return 1;
  return value;
}

std::string RecordNumberText(int number, const std::string &firstText) {
  std::string digits = std::to_string(number);
  if (!firstText.empty() && firstText.front() == '0' && digits.size() < firstText.size())
    digits.insert(0, firstText.size() - digits.size(), '0');
  return digits;
}

std::string RecordFileName(const std::string &stem, int number, const std::string &firstText) {
  return stem + RecordNumberText(number, firstText) + ".nbp";
}

} // namespace zenpa::play
