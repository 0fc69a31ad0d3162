#include "drill/random_source.h"

namespace zenpa::drill {

int SeededRandom::Between(int lo, int hi) {
  if (hi <= lo)
    return lo;
  const std::uint64_t span = static_cast<std::uint64_t>(hi - lo) + 1;
  // Reject the top partial block so that every value is equally likely.
  const std::uint64_t limit = UINT64_MAX - UINT64_MAX % span;
  std::uint64_t draw = engine_();
  while (draw >= limit)
    draw = engine_();
  return lo + static_cast<int>(draw % span);
}

} // namespace zenpa::drill
