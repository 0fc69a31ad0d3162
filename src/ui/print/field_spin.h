// A numeric field of the print settings panel: a spin box whose text and
// steps are decided by the core. Every edit goes to `type` at once, so the
// layout follows the typing; when editing ends the text goes to `enter` and
// the field shows what it returns (the held value when the text was no
// number). The arrows and the up/down keys go to `step`.
#pragma once

#include "app/print_settings.h"

#include <QAbstractSpinBox>

#include <functional>

class QGridLayout;

namespace zenpa::ui {

class FieldSpin : public QAbstractSpinBox {
  Q_OBJECT
public:
  // digits: the widest value the field shows, e.g. "-000".
  FieldSpin(const char *name, const QString &caption, const QString &digits, QWidget *parent);

  std::function<QString(const QString &typed)> type;
  std::function<QString(const QString &typed)> enter;
  std::function<QString(int steps)> step;

  void Show(const QString &text);
  // Shows the held value unless the field is being typed in and the value
  // is still the one its own typing left: the typed text stays until
  // editing ends, while a change from elsewhere (a reset, a clamp of a
  // related field) shows at once.
  void ShowHeld(const QString &held);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

signals:
  // The shown text changed, typed or stepped.
  void textChanged();

protected:
  void stepBy(int steps) override;
  StepEnabled stepEnabled() const override;

private:
  QString digits_;
  QString typedHeld_; // the held text the last edit left, while typing
  bool typing_ = false;
};

// A field bound to one setting of the print format.
FieldSpin *MakeField(app::PrintSettings &settings, print::FormatField field, const char *name,
                     const char *caption, const char *digits, QWidget *parent);

// Adds "caption [field] unit" as a row of a grid.
void AddFieldRow(QGridLayout *grid, int row, const char *caption, QWidget *field, const char *unit);

} // namespace zenpa::ui
