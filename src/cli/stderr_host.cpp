#include "cli/stderr_host.h"

#include "base/sjis.h"

#include <chrono>
#include <cstdio>

namespace zenpa::cli {

std::string MessageUtf8(std::string_view sjis) {
  std::string utf8;
  for (std::size_t start = 0;;) {
    const std::size_t end = sjis.find('\n', start);
    std::string_view line = sjis.substr(start, end - start);
    if (!line.empty() && line.back() == '\r')
      line.remove_suffix(1);
    utf8 += base::SjisToUtf8(line);
    if (end == std::string_view::npos)
      return utf8;
    utf8 += '\n';
    start = end + 1;
  }
}

platform::Answer StderrHost::Message(const std::string &text, const std::string &,
                                     platform::Buttons buttons, platform::Icon) {
  ++messagesShown_;
  std::fprintf(stderr, "%s%s\n", prefix_.c_str(), MessageUtf8(text).c_str());
  if (!note_.empty())
    std::fprintf(stderr, "%s%s\n", prefix_.c_str(), note_.c_str());
  const bool question =
      buttons == platform::Buttons::YesNo || buttons == platform::Buttons::YesNoCancel;
  return question ? platform::Answer::Yes : platform::Answer::Ok;
}

std::int64_t StderrHost::Milliseconds() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
}

} // namespace zenpa::cli
