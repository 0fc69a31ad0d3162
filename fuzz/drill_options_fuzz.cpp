// Drill options as typed in the panel's boxes: any text gives a count in range.
#include "drill/drill_settings.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace drill = zenpa::drill;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  if (size == 0)
    return 0;
  const int position = data[0];
  const std::string text(reinterpret_cast<const char *>(data) + 1, size - 1);
  drill::ParseInteger(text);
  drill::NumberBox digits{text, position};
  drill::NumberBox sheets{text, position};
  drill::NumberBox hints{text, position};
  const int d = drill::TakeDigitCount(digits);
  const int s = drill::TakeSheetCount(sheets);
  const int h = drill::TakeHintCount(hints);
  if (d > drill::kMaxDigits || s < drill::kMinSheets || h > drill::kMaxHints)
    std::abort();
  return 0;
}
