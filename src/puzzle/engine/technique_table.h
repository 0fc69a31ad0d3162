// The techniques after the singles and locked candidates, by name, for the
// solver loops to arrange in their orders. Row and column forms of the fish
// are separate entries.
#pragma once

#include "puzzle/engine/engine.h"

#include <array>

namespace zenpa::puzzle {

using TechniqueFn = void (*)(Engine &);

enum AdvancedTechnique : int {
  kNakedPair,
  kHiddenPair,
  kNakedTriple,
  kHiddenTriple,
  kXWingRows,
  kXWingColumns,
  kSwordfishRows,
  kSwordfishColumns,
  kSkyscraperRows,
  kSkyscraperColumns,
  kXYWing,
  kXYWingSecond,
  kXYZWing,
  kRemotePair,
  kTwoStringKite,
  kEmptyRectangle,
  kNakedQuad,
  kHiddenQuad,
  kAdvancedTechniqueCount
};

const std::array<TechniqueFn, kAdvancedTechniqueCount> &AdvancedTechniques();

} // namespace zenpa::puzzle
