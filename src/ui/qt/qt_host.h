// The desktop Host: Qt message boxes, file and colour dialogs, sound
// effects, a monotonic clock, event processing, and the desktop's opener and
// process starter. Texts arrive as Shift-JIS; file names as the file
// system's bytes.
#pragma once

#include "platform/host.h"

#include <QElapsedTimer>

#include <memory>

class QSoundEffect;
class QWidget;

namespace zenpa::ui {

class QtHost : public platform::Host {
public:
  explicit QtHost(QWidget *parent = nullptr);
  ~QtHost() override;

  // The window that dialogs belong to.
  void SetParent(QWidget *parent) { parent_ = parent; }

  platform::Answer Message(const std::string &text, const std::string &caption = "",
                           platform::Buttons buttons = platform::Buttons::Ok,
                           platform::Icon icon = platform::Icon::None) override;
  std::optional<std::string> OpenFileName(const platform::FileDialog &dialog) override;
  std::vector<std::string> OpenFileNames(const platform::FileDialog &dialog) override;
  std::optional<std::string> SaveFileName(const platform::FileDialog &dialog) override;
  std::optional<std::uint32_t> ChooseColour(std::uint32_t initial) override;
  void PlaySound(const std::string &path) override;
  std::int64_t Milliseconds() override { return clock_.elapsed(); }
  void ProcessEvents() override;
  bool OpenWithDesktop(const std::string &pathOrUrl) override;
  platform::StartResult StartProgram(const std::string &program,
                                     const std::vector<std::string> &args, bool wait) override;

private:
  enum class DialogKind { Open, OpenSeveral, Save };
  std::vector<std::string> RunFileDialog(const platform::FileDialog &dialog, DialogKind kind);

  QWidget *parent_;
  QElapsedTimer clock_;
  std::unique_ptr<QSoundEffect> sound_;
};

// "テキスト(*.txt)|*.txt|..." as a Qt name filter list "テキスト (*.txt);;...".
QString QtNameFilters(const std::string &filter);

} // namespace zenpa::ui
