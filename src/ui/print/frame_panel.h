// The frame sub-panel of the print settings panel: the frame's left, top,
// width and height in mm, "枠印刷" (mirrors "～印刷枠印刷(&P)"), "×" to close
// it, and the frame-colour panel whose caption "用紙端・枠色" runs top to
// bottom; a click on the colour panel opens the colour dialog.
#pragma once

#include "app/print_settings.h"

#include <QWidget>

#include <vector>

class QCheckBox;

namespace zenpa::ui {

class FieldSpin;

// A caption drawn one character under the other on the colour it names.
class VerticalCaption : public QWidget {
  Q_OBJECT
public:
  VerticalCaption(const QString &caption, QWidget *parent);
  void SetColour(const QColor &colour);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

signals:
  void clicked();

protected:
  void paintEvent(QPaintEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;

private:
  QString caption_;
  QColor colour_;
};

class FramePanel : public QWidget {
  Q_OBJECT
public:
  FramePanel(app::PrintSettings &settings, QWidget *parent);
  void Refresh();

signals:
  void closeRequested(); // "×"

private:
  app::PrintSettings &settings_;
  std::vector<std::pair<FieldSpin *, print::FormatField>> fields_;
  QCheckBox *printed_ = nullptr;
  VerticalCaption *colour_ = nullptr;
};

} // namespace zenpa::ui
