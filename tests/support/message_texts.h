// What the user was told, as one value: the texts of the messages a scripted
// host showed, each followed by "|".
#pragma once

#include "platform/scripted_host.h"

#include <string>

namespace zenpa::testing {

inline std::string MessageTexts(const platform::ScriptedHost &host) {
  std::string all;
  for (const platform::ShownMessage &m : host.messages)
    all += m.text + "|";
  return all;
}

} // namespace zenpa::testing
