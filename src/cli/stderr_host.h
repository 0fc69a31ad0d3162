// The Host of a command-line run, where nobody is there to answer: every
// message goes to standard error at once as one UTF-8 line, the command's
// prefix and the text, followed by the note the command has set on a line of
// its own (the messages of the core are Japanese, the command's notes
// English, and no sentence mixes the two). Questions take their
// default button (Ok, or Yes for yes/no questions); dialogs are cancelled;
// nothing is played, opened or started.
#pragma once

#include "platform/host.h"

#include <string>
#include <string_view>

namespace zenpa::cli {

// Shift-JIS message text as UTF-8 for standard error, with real line breaks
// where the text breaks its lines.
std::string MessageUtf8(std::string_view sjis);

class StderrHost : public platform::Host {
public:
  // prefix: what every line starts with, e.g. "zenpa print: ".
  explicit StderrHost(std::string prefix) : prefix_(std::move(prefix)) {}

  // A sentence (UTF-8) that follows every later message on its own line.
  void SetNote(std::string note) { note_ = std::move(note); }
  int MessagesShown() const { return messagesShown_; }

  platform::Answer Message(const std::string &text, const std::string &caption = "",
                           platform::Buttons buttons = platform::Buttons::Ok,
                           platform::Icon icon = platform::Icon::None) override;
  std::optional<std::string> OpenFileName(const platform::FileDialog &) override { return {}; }
  std::optional<std::string> SaveFileName(const platform::FileDialog &) override { return {}; }
  std::optional<std::uint32_t> ChooseColour(std::uint32_t) override { return {}; }
  void PlaySound(const std::string &) override {}
  std::int64_t Milliseconds() override;
  void ProcessEvents() override {}
  bool OpenWithDesktop(const std::string &) override { return false; }
  platform::StartResult StartProgram(const std::string &, const std::vector<std::string> &,
                                     bool) override {
    return {false, {}};
  }

private:
  std::string prefix_;
  std::string note_;
  int messagesShown_ = 0;
};

} // namespace zenpa::cli
