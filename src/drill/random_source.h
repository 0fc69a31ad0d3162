// The random numbers of drill generation. One generator belongs to each
// session and is passed in, so that a seed reproduces a worksheet and a test
// can script the exact digits drawn.
#pragma once

#include <cstdint>
#include <random>

namespace zenpa::drill {

class RandomSource {
public:
  virtual ~RandomSource() = default;
  // A uniform integer from lo to hi, both included (lo <= hi).
  virtual int Between(int lo, int hi) = 0;
};

// Mersenne twister with a portable mapping to ranges, so that a seed gives
// the same sheets on every platform.
class SeededRandom final : public RandomSource {
public:
  explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
  int Between(int lo, int hi) override;

private:
  std::mt19937_64 engine_;
};

} // namespace zenpa::drill
