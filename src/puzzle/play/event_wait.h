// Waiting for a person in the middle of a long run: the step-by-step solve
// waits for its next key, the level-check reading for Enter or Escape. The
// run stays on the window's thread, so it lets pending events run (where the
// keys and buttons arrive) and rests a few milliseconds between rounds, so
// that a wait of minutes does not keep a processor core busy while the keys
// still answer at once.
#pragma once

#include "platform/host.h"

#include <chrono>
#include <functional>

namespace zenpa::play {

// Rest between two event rounds of a wait.
inline constexpr std::chrono::milliseconds kEventWaitRest{5};

// Lets pending events run until done() holds, resting kEventWaitRest after
// every round that did not end the wait. Returns at once when done() holds
// before the first round.
void WaitForEvents(platform::Host &host, const std::function<bool()> &done);

} // namespace zenpa::play
