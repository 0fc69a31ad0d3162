// The seed of the window's random generators (puzzles and drill sheets),
// taken once at start-up: the wall clock in microseconds mixed with a
// high-resolution counter, so that launches a second (or a moment) apart
// draw different puzzles. A clock since the program started would give only
// a few hundred different seeds, and launches would repeat each other.
#pragma once

#include <cstdint>
#include <functional>

namespace zenpa::app {

struct LaunchClock {
  std::int64_t wallMicroseconds = 0; // since the epoch
  std::uint64_t counter = 0;         // a high-resolution counter, any origin
};

// Reads both clocks now.
LaunchClock ReadLaunchClock();

// Every bit of both readings reaches every bit of the seed.
std::uint64_t LaunchSeed(const LaunchClock &clock);

// The clock read when a hook gives none (the real clocks).
inline LaunchClock LaunchClockOf(const std::function<LaunchClock()> &hook) {
  return hook ? hook() : ReadLaunchClock();
}

} // namespace zenpa::app
