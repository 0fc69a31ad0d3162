#include "base/units.h"

#include <cmath>
#include <cstdio>

namespace zenpa::base {

long long RoundHalfAway(double v) { return static_cast<long long>(std::llround(v)); }

int MmToPix(double mm, int dpi) { return static_cast<int>(RoundHalfAway(mm * dpi / kMmPerInch)); }

int PixToMm(double px, int dpi) {
  if (dpi <= 0)
    return 0;
  return static_cast<int>(RoundHalfAway(px / dpi * kMmPerInch));
}

std::string pix2mmfl(double px, int dpi) {
  if (dpi <= 0)
    return "0.0";
  long long tenths = RoundHalfAway(px / dpi * kMmPerInch * 10.0);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%s%lld.%lld", tenths < 0 ? "-" : "", std::llabs(tenths) / 10,
                std::llabs(tenths) % 10);
  return buf;
}

} // namespace zenpa::base
