#include "app/command_line.h"

#include "base/paths.h"
#include "base/sjis.h"

namespace zenpa::app {

std::string UpperAscii(std::string s) {
  for (std::size_t i = 0; i < s.size(); i += base::CharLen(s, i)) {
    if (s[i] >= 'a' && s[i] <= 'z')
      s[i] = static_cast<char>(s[i] - 'a' + 'A');
  }
  return s;
}

CommandLine ParseCommandLine(const std::vector<std::string> &args,
                             const std::function<bool(const std::string &)> &fileExists) {
  CommandLine result;
  for (const std::string &arg : args) {
    if (arg == "/v" || arg == "/V") {
      result.enlarge = true;
      continue;
    }
    if (arg == "/k" || arg == "/K") {
      result.kMode = true;
      continue;
    }
    if (!fileExists(arg))
      continue;
    if (UpperAscii(base::ExtractFileExt(arg)) == ".NBP") {
      result.puzzleFileName = arg;
    } else {
      result.docFileName = arg;
    }
  }
  return result;
}

} // namespace zenpa::app
