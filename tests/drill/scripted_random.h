// A random source that hands out a fixed list of values and records the
// ranges it was asked for, so tests can pin the exact digits of a sheet.
#pragma once

#include "drill/random_source.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <utility>
#include <vector>

namespace zenpa::drill::testing {

class ScriptedRandom final : public RandomSource {
public:
  explicit ScriptedRandom(std::vector<int> values) : values_(std::move(values)) {}

  // Values past the script repeat the lowest of the range.
  int Between(int lo, int hi) override {
    ranges.emplace_back(lo, hi);
    if (next_ >= values_.size())
      return lo;
    const int value = values_[next_++];
    EXPECT_LE(lo, value);
    EXPECT_GE(hi, value);
    return value;
  }

  std::vector<std::pair<int, int>> ranges;

private:
  std::vector<int> values_;
  std::size_t next_ = 0;
};

} // namespace zenpa::drill::testing
