#include "puzzle/play/event_wait.h"

#include <thread>

namespace zenpa::play {

void WaitForEvents(platform::Host &host, const std::function<bool()> &done) {
  while (!done()) {
    host.ProcessEvents();
    if (done())
      return;
    std::this_thread::sleep_for(kEventWaitRest);
  }
}

} // namespace zenpa::play
