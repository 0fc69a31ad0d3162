// Small builders shared by the puzzle panels: named widgets with Japanese
// captions, a caption beside a spin box (a labelled edit with spin buttons),
// colours of the core (0x00BBGGRR) as style sheets, and a text that is
// replaced only when it changed, so refreshing during a run stays cheap.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QString>
#include <QWidget>

#include "app/puzzle_commands.h"
#include "ui/common/widgets.h"

#include <cstdint>
#include <initializer_list>
#include <string>

class QBoxLayout;
class QFrame;
class QGridLayout;
class QLayout;
class QProgressBar;
class QVBoxLayout;

namespace zenpa::ui {

// A spin box named name with its caption in front, added to layout; spin
// when given, else a new one.
QSpinBox *AddLabelledSpin(QBoxLayout *layout, const char *name, const char *caption, int lo, int hi,
                          QSpinBox *spin = nullptr);

// A spin box whose arrows keep to a narrower range than typing.
class ArrowRangeSpin : public QSpinBox {
  Q_OBJECT
public:
  using QSpinBox::QSpinBox;
  void SetArrowRange(int lo, int hi) { lo_ = lo, hi_ = hi; }
  void stepBy(int steps) override;

protected:
  StepEnabled stepEnabled() const override;

private:
  int lo_ = 0, hi_ = 99;
};

// The same inner margins for every framed panel of the puzzle side.
void SetPanelMargins(QLayout *layout);
// A grid of check boxes, radio buttons or buttons: tight rows, and columns
// far enough apart that neighbouring captions do not run together.
QGridLayout *PanelGrid();

// A side panel's frame with a vertical layout, and its title row: the title
// widgets, then the close button "×" named closeName at the right.
QVBoxLayout *PanelLayout(QFrame *panel, const char *name);
QPushButton *AddTitleRow(QBoxLayout *layout, std::initializer_list<QWidget *> title,
                         const char *closeName, QWidget *parent);

// "background: #rrggbb" for a colour 0x00BBGGRR.
QString BackgroundStyle(std::uint32_t bgr);
QString ForegroundStyle(std::uint32_t bgr);

// A label that acts as a button (Label39, Label33).
class ClickLabel : public QLabel {
  Q_OBJECT
public:
  ClickLabel(const char *name, const char *caption, QWidget *parent);
signals:
  void clicked();
  void hovered(bool over);

protected:
  void mouseReleaseEvent(QMouseEvent *event) override;
  void enterEvent(QEnterEvent *event) override;
  void leaveEvent(QEvent *event) override;
};

// A check box that writes its state into a switch of the record's puzzle part.
void BindSwitch(QCheckBox *box, app::PuzzleCommands &puzzle, bool settings::PuzzleOptions::*field);

// A slim progress bar of the puzzle windows, without its percentage text.
QProgressBar *SlimProgressBar(const char *name, QWidget *parent);

// Sets a label's text from Shift-JIS when it differs.
void SetLabelText(QLabel *label, const std::string &sjis);

} // namespace zenpa::ui
