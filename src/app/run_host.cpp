#include "app/run_host.h"

#include <thread>

namespace zenpa::app {
namespace {

constexpr auto kIdleGap = std::chrono::milliseconds(1);
constexpr auto kIdleRest = std::chrono::milliseconds(5);

} // namespace

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
  const auto now = std::chrono::steady_clock::now();
  if (now - lastEvents_ < kIdleGap)
    std::this_thread::sleep_for(kIdleRest);
  ShowState();
  desktop_.ProcessEvents();
  lastEvents_ = std::chrono::steady_clock::now();
}

} // namespace zenpa::app
