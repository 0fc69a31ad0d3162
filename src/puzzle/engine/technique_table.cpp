#include "puzzle/engine/technique_table.h"

#include "puzzle/engine/subsets.h"

namespace zenpa::puzzle {

const std::array<TechniqueFn, kAdvancedTechniqueCount> &AdvancedTechniques() {
  static constexpr std::array<TechniqueFn, kAdvancedTechniqueCount> table = {
      wkoho,   // kNakedPair
      wkohoH,  // kHiddenPair
      tkoho,   // kNakedTriple
      tkohoH,  // kHiddenTriple
      nullptr, // kXWingRows
      nullptr, // kXWingColumns
      nullptr, // kSwordfishRows
      nullptr, // kSwordfishColumns
      nullptr, // kSkyscraperRows
      nullptr, // kSkyscraperColumns
      nullptr, // kXYWing
      nullptr, // kXYWingSecond
      nullptr, // kXYZWing
      nullptr, // kRemotePair
      nullptr, // kTwoStringKite
      nullptr, // kEmptyRectangle
      qkoho,   // kNakedQuad
      qkohoH,  // kHiddenQuad
  };
  return table;
}

} // namespace zenpa::puzzle
