// A scripted host that lets Qt's events run whenever a long puzzle run lets
// pending events through, and a real millisecond clock, so that timers can
// play the person pressing buttons while the run works.
#pragma once

#include "platform/scripted_host.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdint>

namespace zenpa::testing {

class LiveEventsHost : public platform::ScriptedHost {
public:
  LiveEventsHost() { clock_.start(); }
  void ProcessEvents() override {
    ScriptedHost::ProcessEvents();
    QCoreApplication::processEvents();
  }
  std::int64_t Milliseconds() override { return clock_.elapsed(); }

private:
  QElapsedTimer clock_;
};

} // namespace zenpa::testing
