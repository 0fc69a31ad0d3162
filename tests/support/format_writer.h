// Writes a print-format file for a test to read back, as the program saves it.
#pragma once

#include "platform/scripted_host.h"
#include "settings/format_file.h"

#include <string>

namespace zenpa::testing {

inline bool WriteFormat(const std::string &path, const settings::PrintFormat &format) {
  platform::ScriptedHost host;
  return settings::Savezpf(path, format, {}, host);
}

// A format that differs from a fresh one in its page length only.
inline bool WriteFormat(const std::string &path, int linesPerPage) {
  settings::PrintFormat format;
  format.linesPerPage = linesPerPage;
  return WriteFormat(path, format);
}

} // namespace zenpa::testing
