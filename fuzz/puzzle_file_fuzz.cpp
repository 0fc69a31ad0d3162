// Puzzle files and addresses: file text read in both dialects, pasted text
// (a puzzle address among it) read as a grid, and the grid written back in
// every form.
#include "puzzle/play/conversion.h"
#include "puzzle/play/puzzle_file_reader.h"

#include <cstdint>
#include <string>

namespace play = zenpa::play;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char *>(data), size);
  const std::vector<std::string> lines = play::SplitFileLines(bytes);
  play::ReadPuzzleLines(lines, play::PuzzleDialect::Plain);
  play::ReadPuzzleLines(lines, play::PuzzleDialect::Csv);
  for (const std::string &line : lines)
    play::ReadCandidateRow(play::RebuildSeparatedRow(line));
  play::ReadImportText(bytes);
  play::GridDigits digits{};
  for (std::size_t i = 0; i < digits.size() && i < size; ++i)
    digits[i] = data[i] % 10;
  for (int form = 0; form <= static_cast<int>(play::ConversionForm::Address2); ++form)
    play::ConvertDigits(digits, static_cast<play::ConversionForm>(form), {});
  return 0;
}
