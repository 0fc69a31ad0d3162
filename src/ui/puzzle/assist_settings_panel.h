// Panel19 "数独アシストウィンドウの設定": the assist window's options, stored
// in the format's settings::AssistOptions, and the colour swatches PassistM
// "手書きヒント色" and PassistD "消したヒント色", which open the colour
// dialog. SpeedButton11 "×" closes it.
#pragma once

#include "settings/print_format.h"

#include <QFrame>

#include <functional>
#include <vector>

class QCheckBox;
class QLabel;

namespace zenpa::platform {
class Host;
}

namespace zenpa::ui {

class AssistSettingsPanel : public QFrame {
  Q_OBJECT
public:
  // options must outlive the panel; changed runs after every change.
  AssistSettingsPanel(settings::AssistOptions &options, platform::Host &host,
                      std::function<void()> changed, QWidget *parent);

  // The boxes and swatches show the options.
  void Sync();

signals:
  void closeWanted();

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  QWidget *Swatch(const char *name, const char *caption,
                  settings::Colour settings::AssistOptions::*member);
  void ChooseColour(QLabel *swatch, settings::Colour &colour);

  settings::AssistOptions &options_;
  platform::Host &host_;
  std::function<void()> changed_;
  std::vector<std::pair<QCheckBox *, bool settings::AssistOptions::*>> boxes_;
  std::vector<std::pair<QLabel *, settings::Colour settings::AssistOptions::*>> swatches_;
};

} // namespace zenpa::ui
