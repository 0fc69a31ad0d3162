#include "ui/qt/pdf_deflate.h"

#include <zlib.h>

namespace {

thread_local int defaultLevel = Z_DEFAULT_COMPRESSION;

} // namespace

// zlib's own entry for a stream at a level, which the program's definition
// stands in for: the same opening with the same window and memory, at the
// level the running ScopedDeflateLevel gives when the caller asked for the
// default.
extern "C" int ZEXPORT deflateInit_(z_streamp strm, int level, const char *version,
                                    int stream_size) {
  constexpr int kMemLevel = 8; // zlib's default
  if (level == Z_DEFAULT_COMPRESSION)
    level = defaultLevel;
  return deflateInit2_(strm, level, Z_DEFLATED, MAX_WBITS, kMemLevel, Z_DEFAULT_STRATEGY, version,
                       stream_size);
}

namespace zenpa::ui {

ScopedDeflateLevel::ScopedDeflateLevel(int level) : previous_(defaultLevel) {
  defaultLevel = level;
}

ScopedDeflateLevel::~ScopedDeflateLevel() { defaultLevel = previous_; }

} // namespace zenpa::ui
