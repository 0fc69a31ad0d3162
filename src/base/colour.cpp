#include "base/colour.h"

#include <charconv>
#include <cstdio>

namespace zenpa::base {

std::string ColourToText(Colour c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "$%06X", static_cast<unsigned>(c & 0xFFFFFF));
  return buf;
}

Colour ColourFromText(std::string_view text) {
  unsigned long long value = 0;
  const char *first = text.data();
  const char *last = text.data() + text.size();
  int base = 10;
  if (!text.empty() && text.front() == '$') {
    ++first;
    base = 16;
  }
  auto [ptr, ec] = std::from_chars(first, last, value, base);
  if (ec != std::errc() || ptr != last || first == last)
    return 0;
  // Only blue, green and red are kept: wider values would save differently.
  return static_cast<Colour>(value & 0xFFFFFF);
}

} // namespace zenpa::base
