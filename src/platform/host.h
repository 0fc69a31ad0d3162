// Everything the core needs from a person or the desktop: message boxes and
// questions, file and colour dialogs, sound, the clock, letting pending events
// run during long work, and the shell. All text is Shift-JIS.
// Implementations: the Qt host in ui/, ScriptedHost for tests and the command
// line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zenpa::platform {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };
enum class Icon { None, Information, Warning, Error, Question };

struct FileDialog {
  std::string title;
  // Filter in the "テキスト(*.txt)|*.txt|すべてのファイル(*.*)|*.*" form:
  // description and pattern list alternating, separated by "|".
  std::string filter;
  std::string defaultExt; // without the dot
  std::string initialDir;
  std::string fileName;        // initial name
  bool overwritePrompt = true; // save dialogs only
};

// Whether a program started; when not, the system's reason (Shift-JIS).
struct StartResult {
  bool started = false;
  std::string error;
  explicit operator bool() const { return started; }
};

class Host {
public:
  virtual ~Host() = default;

  // A message box; caption empty means the program's own title.
  virtual Answer Message(const std::string &text, const std::string &caption = "",
                         Buttons buttons = Buttons::Ok, Icon icon = Icon::None) = 0;

  virtual std::optional<std::string> OpenFileName(const FileDialog &dialog) = 0;
  // An open dialog that lets several files be chosen; empty when cancelled.
  virtual std::vector<std::string> OpenFileNames(const FileDialog &dialog) {
    std::optional<std::string> one = OpenFileName(dialog);
    return one ? std::vector<std::string>{*one} : std::vector<std::string>{};
  }
  virtual std::optional<std::string> SaveFileName(const FileDialog &dialog) = 0;
  virtual std::optional<std::uint32_t> ChooseColour(std::uint32_t initial) = 0;

  // Plays a sound file without waiting; missing files play nothing.
  virtual void PlaySound(const std::string &path) = 0;
  // Milliseconds of a monotonic clock.
  virtual std::int64_t Milliseconds() = 0;
  // Lets pending window events run (long runs call it between steps).
  virtual void ProcessEvents() = 0;

  // Opens a file or web address with the desktop's default program.
  virtual bool OpenWithDesktop(const std::string &pathOrUrl) = 0;
  // Starts a program; with wait, returns when it has ended, letting events
  // run meanwhile.
  virtual StartResult StartProgram(const std::string &program, const std::vector<std::string> &args,
                                   bool wait) = 0;
};

} // namespace zenpa::platform
