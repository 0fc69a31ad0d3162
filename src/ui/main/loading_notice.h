// TForm7, the notice shown while start-up reads a file: a borderless silver
// box centred on the screen with a big white "ZENPA" and one line below.
#pragma once

#include <QWidget>

class QLabel;

namespace zenpa::ui {

class LoadingNotice : public QWidget {
  Q_OBJECT
public:
  explicit LoadingNotice(int uiScale, QWidget *parent = nullptr);

  // Shows the notice with the line and paints it at once.
  void ShowLine(const QString &line);

private:
  QLabel *line_;
};

} // namespace zenpa::ui
