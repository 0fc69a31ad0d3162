#include "app/launch_seed.h"

#include <chrono>

namespace zenpa::app {
namespace {

// The finaliser of SplitMix64: a bijection that spreads each input bit.
std::uint64_t Mix(std::uint64_t x) {
  x += 0x9E3779B97F4A7C15ULL;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
  return x ^ (x >> 31);
}

} // namespace

LaunchClock ReadLaunchClock() {
  using namespace std::chrono;
  LaunchClock clock;
  clock.wallMicroseconds =
      duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
  clock.counter =
      static_cast<std::uint64_t>(high_resolution_clock::now().time_since_epoch().count());
  return clock;
}

std::uint64_t LaunchSeed(const LaunchClock &clock) {
  return Mix(Mix(static_cast<std::uint64_t>(clock.wallMicroseconds)) ^ clock.counter);
}

} // namespace zenpa::app
