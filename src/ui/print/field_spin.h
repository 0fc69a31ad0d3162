// A numeric field of the print settings panel: a spin box whose text and
// steps are decided by the core. Typed text goes to `enter` when editing
// ends and the field shows what it returns (the held value when the text
// was no number); the arrows and the up/down keys go to `step`.
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

  std::function<QString(const QString &typed)> enter;
  std::function<QString(int steps)> step;

  void Show(const QString &text);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

protected:
  void stepBy(int steps) override;
  StepEnabled stepEnabled() const override;

private:
  QString digits_;
};

// A field bound to one setting of the print format.
FieldSpin *MakeField(app::PrintSettings &settings, print::FormatField field, const char *name,
                     const char *caption, const char *digits, QWidget *parent);

// Adds "caption [field] unit" as a row of a grid.
void AddFieldRow(QGridLayout *grid, int row, const char *caption, QWidget *field, const char *unit);

} // namespace zenpa::ui
