// A scripted host with a person at the window: onEvents acts whenever a run
// lets pending events run (presses keys and buttons, closes the window), and
// the clock moves by tick at every reading, so that runs which let events
// run only every few milliseconds do so.
#pragma once

#include "platform/scripted_host.h"

#include <cstdint>
#include <functional>

namespace zenpa::testing {

class EventHost : public platform::ScriptedHost {
public:
  void ProcessEvents() override {
    ScriptedHost::ProcessEvents();
    if (onEvents)
      onEvents();
  }
  std::int64_t Milliseconds() override { return clock += tick; }
  std::function<void()> onEvents;
  int tick = 0;
};

} // namespace zenpa::testing
