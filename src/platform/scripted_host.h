// A Host that answers from queues and records what it was asked, for tests
// and the command line. With empty queues, messages answer their default
// button (Ok, or Yes for yes/no questions) and dialogs are cancelled.
#pragma once

#include "platform/host.h"

#include <deque>

namespace zenpa::platform {

struct ShownMessage {
  std::string text;
  std::string caption;
  Buttons buttons;
  Icon icon;
};

class ScriptedHost : public Host {
public:
  Answer Message(const std::string &text, const std::string &caption = "",
                 Buttons buttons = Buttons::Ok, Icon icon = Icon::None) override;
  std::optional<std::string> OpenFileName(const FileDialog &dialog) override;
  // Several files from fileNameLists, else one file as OpenFileName gives it.
  std::vector<std::string> OpenFileNames(const FileDialog &dialog) override;
  std::optional<std::string> SaveFileName(const FileDialog &dialog) override;
  std::optional<std::uint32_t> ChooseColour(std::uint32_t initial) override;
  void PlaySound(const std::string &path) override { sounds.push_back(path); }
  std::int64_t Milliseconds() override { return clock; }
  void ProcessEvents() override { ++processEventsCalls; }
  bool OpenWithDesktop(const std::string &pathOrUrl) override;
  StartResult StartProgram(const std::string &program, const std::vector<std::string> &args,
                           bool wait) override;

  // Scripted answers, taken from the front.
  std::deque<Answer> answers;
  std::deque<std::optional<std::string>> fileNames;
  std::deque<std::vector<std::string>> fileNameLists;
  std::deque<std::optional<std::uint32_t>> colours;
  bool startProgramSucceeds = true;
  std::string startProgramError; // the reason a failed start gives

  // What happened.
  std::vector<ShownMessage> messages;
  std::vector<FileDialog> fileDialogs;
  std::vector<std::string> sounds;
  std::vector<std::string> opened;
  std::vector<std::string> started; // program followed by its arguments, space-separated
  int processEventsCalls = 0;
  std::int64_t clock = 0; // the time Milliseconds() reports; tests move it
};

} // namespace zenpa::platform
