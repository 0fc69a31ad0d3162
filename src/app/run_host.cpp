#include "app/run_host.h"

namespace zenpa::app {

void RunHost::ShowState() {
  if (showState)
    showState();
}

platform::Answer RunHost::Message(const std::string &text, const std::string &caption,
                                  platform::Buttons buttons, platform::Icon icon) {
  ShowState();
  return desktop_.Message(text, caption, buttons, icon);
}

void RunHost::ProcessEvents() {
  ShowState();
  desktop_.ProcessEvents();
}

} // namespace zenpa::app
