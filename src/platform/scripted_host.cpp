#include "platform/scripted_host.h"

namespace zenpa::platform {
namespace {

template <typename T> T TakeFront(std::deque<T> &queue, T fallback) {
  if (queue.empty())
    return fallback;
  T value = std::move(queue.front());
  queue.pop_front();
  return value;
}

Answer DefaultAnswer(Buttons buttons) {
  return (buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel) ? Answer::Yes : Answer::Ok;
}

} // namespace

Answer ScriptedHost::Message(const std::string &text, const std::string &caption, Buttons buttons,
                             Icon icon) {
  messages.push_back({text, caption, buttons, icon});
  return TakeFront(answers, DefaultAnswer(buttons));
}

std::vector<std::string> ScriptedHost::OpenFileNames(const FileDialog &dialog) {
  if (fileNameLists.empty())
    return Host::OpenFileNames(dialog);
  fileDialogs.push_back(dialog);
  std::vector<std::string> names = fileNameLists.front();
  fileNameLists.pop_front();
  return names;
}

std::optional<std::string> ScriptedHost::OpenFileName(const FileDialog &dialog) {
  fileDialogs.push_back(dialog);
  return TakeFront(fileNames, std::optional<std::string>{});
}

std::optional<std::string> ScriptedHost::SaveFileName(const FileDialog &dialog) {
  fileDialogs.push_back(dialog);
  return TakeFront(fileNames, std::optional<std::string>{});
}

std::optional<std::uint32_t> ScriptedHost::ChooseColour(std::uint32_t) {
  return TakeFront(colours, std::optional<std::uint32_t>{});
}

bool ScriptedHost::OpenWithDesktop(const std::string &pathOrUrl) {
  opened.push_back(pathOrUrl);
  return true;
}

StartResult ScriptedHost::StartProgram(const std::string &program,
                                       const std::vector<std::string> &args, bool) {
  std::string line = program;
  for (const auto &a : args)
    line += " " + a;
  started.push_back(line);
  if (!startProgramSucceeds)
    return {false, startProgramError};
  return {true, {}};
}

} // namespace zenpa::platform
