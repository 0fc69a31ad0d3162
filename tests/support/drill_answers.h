// The digits a player types, row by row, to finish the worksheet in a
// document: worked out from the sheet's top row, as the drill tests need.
#pragma once

#include "drill/drill_writer.h"
#include "drill/pyramid.h"
#include "platform/memo.h"

#include <vector>

namespace zenpa::testing {

inline std::vector<int> SheetAnswers(const platform::Memo &memo) {
  const auto sheet = drill::ReadSheetForAnswer(memo, 0);
  std::vector<int> digits;
  const auto rows = drill::Pyramid(sheet->digits, sheet->op);
  for (std::size_t r = 1; r < rows.size(); ++r)
    digits.insert(digits.end(), rows[r].begin(), rows[r].end());
  return digits;
}

} // namespace zenpa::testing
