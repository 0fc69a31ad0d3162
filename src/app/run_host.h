// The Host that long puzzle runs talk to: it passes everything on to the
// desktop's Host, and before pending events run (and before a message box)
// lets the window show the run's current state, so labels, counters and
// progress follow the run while it works on the one thread. A run that
// waits for a person rests between its event rounds itself
// (play::WaitForEvents).
#pragma once

#include "platform/host.h"

#include <functional>

namespace zenpa::app {

class RunHost : public platform::Host {
public:
  explicit RunHost(platform::Host &desktop) : desktop_(desktop) {}

  // Called before events run and before a message is shown.
  std::function<void()> showState;

  platform::Answer Message(const std::string &text, const std::string &caption,
                           platform::Buttons buttons, platform::Icon icon) override;
  std::optional<std::string> OpenFileName(const platform::FileDialog &dialog) override {
    return desktop_.OpenFileName(dialog);
  }
  std::vector<std::string> OpenFileNames(const platform::FileDialog &dialog) override {
    return desktop_.OpenFileNames(dialog);
  }
  std::optional<std::string> SaveFileName(const platform::FileDialog &dialog) override {
    return desktop_.SaveFileName(dialog);
  }
  std::optional<std::uint32_t> ChooseColour(std::uint32_t initial) override {
    return desktop_.ChooseColour(initial);
  }
  void PlaySound(const std::string &path) override { desktop_.PlaySound(path); }
  std::int64_t Milliseconds() override { return desktop_.Milliseconds(); }
  void ProcessEvents() override;
  bool OpenWithDesktop(const std::string &pathOrUrl) override {
    return desktop_.OpenWithDesktop(pathOrUrl);
  }
  platform::StartResult StartProgram(const std::string &program,
                                     const std::vector<std::string> &args, bool wait) override {
    return desktop_.StartProgram(program, args, wait);
  }

private:
  void ShowState();

  platform::Host &desktop_;
};

} // namespace zenpa::app
