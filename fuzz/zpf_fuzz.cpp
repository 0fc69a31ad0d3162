// The format-file reader: any lines are applied or stopped at, never a crash.
#include "base/file_io.h"
#include "settings/format_file.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char *>(data), size);
  zenpa::settings::PrintFormat format;
  zenpa::settings::LoadContext ctx;
  ctx.programDir = "/nonexistent/";
  zenpa::settings::ApplyFormatLines(format, zenpa::base::SplitLines(bytes), ctx);
  return 0;
}
