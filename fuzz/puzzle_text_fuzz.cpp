// Puzzle text in a document: a grid is looked for and read with the caret on
// each of the first lines (each look walks the text, so every line of a long
// input would make the run quadratic).
#include "base/file_io.h"
#include "platform/text_memo.h"
#include "puzzle/play/grid_text.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char *>(data), size);
  zenpa::platform::TextMemo memo(zenpa::base::SplitLines(bytes));
  constexpr int kCaretLines = 40;
  for (int line = 0; line < memo.LineCount() && line < kCaretLines; ++line) {
    memo.SetCaret({line, 0});
    zenpa::play::yomitori(memo);
    if (const auto top = zenpa::play::LocateGridTop(memo, line))
      zenpa::play::ReadGridAt(memo, *top, true);
  }
  return 0;
}
