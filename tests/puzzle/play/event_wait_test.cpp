#include "puzzle/play/event_wait.h"

#include "platform/scripted_host.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using zenpa::play::kEventWaitRest;
using zenpa::play::WaitForEvents;

// Notes when each event round ran.
class RoundsHost : public zenpa::platform::ScriptedHost {
public:
  void ProcessEvents() override {
    ScriptedHost::ProcessEvents();
    rounds.push_back(Clock::now());
  }
  std::vector<Clock::time_point> rounds;
};

TEST(EventWait, RestsBetweenRoundsAndStopsAsSoonAsTheWaitIsOver) {
  RoundsHost host;
  WaitForEvents(host, [&host] { return host.processEventsCalls == 4; });
  ASSERT_EQ(4u, host.rounds.size());
  for (std::size_t i = 1; i < host.rounds.size(); ++i)
    EXPECT_LE(kEventWaitRest, host.rounds[i] - host.rounds[i - 1]) << "round " << i;
}

TEST(EventWait, AWaitAlreadyOverRunsNoRound) {
  RoundsHost host;
  WaitForEvents(host, [] { return true; });
  EXPECT_EQ(0, host.processEventsCalls);
}

} // namespace
