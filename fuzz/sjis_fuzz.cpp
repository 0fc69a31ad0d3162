// The Shift-JIS codec: any bytes survive the trip through UTF-16 unchanged,
// and the helpers that walk characters stay inside the text.
#include "base/sjis.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char *>(data), size);
  bool lossless = true;
  if (zenpa::base::Utf16ToSjis(zenpa::base::SjisToUtf16(bytes), &lossless) != bytes || !lossless)
    std::abort();
  zenpa::base::Utf8ToSjis(bytes);
  zenpa::base::SjisToUtf8(bytes);
  if (zenpa::base::CharCount(bytes) > bytes.size())
    std::abort();
  const std::size_t half = size / 2;
  if (zenpa::base::CharStart(bytes, half) > half && size > 0)
    std::abort();
  zenpa::base::FindChars(bytes, bytes.substr(half));
  return 0;
}
