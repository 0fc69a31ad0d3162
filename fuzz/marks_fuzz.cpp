// Mark lines: any line is read as a mark or as text with marks on.
#include "base/file_io.h"
#include "print/marks.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char *>(data), size);
  zenpa::print::MarkRules rules;
  rules.scaleMarksOn = true;
  const zenpa::print::MarkReader reader(rules, {"Gothic", "Mincho", "Sans"});
  zenpa::print::MarkState state = reader.ResetState();
  for (const std::string &line : zenpa::base::SplitLines(bytes)) {
    reader.ReadPMark(line, state);
    reader.IsPrintableLine(line);
    zenpa::print::SpacingParameter(line, 100);
  }
  return 0;
}
