#include "puzzle/engine/technique_table.h"

#include "puzzle/engine/chains.h"
#include "puzzle/engine/fish.h"
#include "puzzle/engine/subsets.h"
#include "puzzle/engine/wings.h"

namespace zenpa::puzzle {

const std::array<TechniqueFn, kAdvancedTechniqueCount> &AdvancedTechniques() {
  static constexpr std::array<TechniqueFn, kAdvancedTechniqueCount> table = {
      wkoho,          // kNakedPair
      wkohoH,         // kHiddenPair
      tkoho,          // kNakedTriple
      tkohoH,         // kHiddenTriple
      Xwingyoko,      // kXWingRows
      Xwingtate,      // kXWingColumns
      Swordfishyoko,  // kSwordfishRows
      Swordfishtate,  // kSwordfishColumns
      Skyscraperyoko, // kSkyscraperRows
      Skyscrapertate, // kSkyscraperColumns
      XYwing,         // kXYWing
      XYwingB,        // kXYWingSecond
      XYZwing,        // kXYZWing
      RemotePair,     // kRemotePair
      WStringKite,    // kTwoStringKite
      EmptyRectangle, // kEmptyRectangle
      qkoho,          // kNakedQuad
      qkohoH,         // kHiddenQuad
  };
  return table;
}

} // namespace zenpa::puzzle
