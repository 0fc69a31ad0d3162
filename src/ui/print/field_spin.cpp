#include "ui/print/field_spin.h"

#include "ui/common/widgets.h"
#include "ui/qt/qt_text.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyleOptionSpinBox>

namespace zenpa::ui {

FieldSpin::FieldSpin(const char *name, const QString &caption, const QString &digits,
                     QWidget *parent)
    : QAbstractSpinBox(parent), digits_(digits) {
  setObjectName(name);
  setAccessibleName(caption);
  setAlignment(Qt::AlignRight);
  setKeyboardTracking(false);
  connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString &text) {
    if (!type)
      return;
    typing_ = true;
    typedHeld_ = type(text);
    typing_ = false;
  });
  connect(lineEdit(), &QLineEdit::textChanged, this, &FieldSpin::textChanged);
  connect(this, &QAbstractSpinBox::editingFinished, this, [this] {
    typedHeld_.clear();
    if (enter)
      Show(enter(lineEdit()->text()));
  });
}

void FieldSpin::ShowHeld(const QString &held) {
  if (typing_ || (hasFocus() && held == typedHeld_))
    return;
  Show(held);
}

void FieldSpin::Show(const QString &text) {
  if (lineEdit()->text() != text)
    lineEdit()->setText(text);
}

void FieldSpin::stepBy(int steps) {
  if (step)
    Show(step(steps));
}

QAbstractSpinBox::StepEnabled FieldSpin::stepEnabled() const {
  return isReadOnly() ? StepNone : (StepUpEnabled | StepDownEnabled);
}

// As wide as the widest value with the arrows and the frame.
QSize FieldSpin::sizeHint() const {
  ensurePolished();
  const QFontMetrics fm = fontMetrics();
  QSize text(fm.horizontalAdvance(digits_ + QLatin1Char(' ')), lineEdit()->sizeHint().height());
  QStyleOptionSpinBox option;
  initStyleOption(&option);
  return style()->sizeFromContents(QStyle::CT_SpinBox, &option, text, this);
}

FieldSpin *MakeField(app::PrintSettings &settings, print::FormatField field, const char *name,
                     const char *caption, const char *digits, QWidget *parent) {
  auto *spin = new FieldSpin(name, Utf(caption), Utf(digits), parent);
  spin->type = [&settings, field](const QString &typed) {
    return ToQt(settings.Type(field, FromQt(typed)));
  };
  spin->enter = [&settings, field](const QString &typed) {
    return ToQt(settings.Enter(field, FromQt(typed)));
  };
  spin->step = [&settings, field](int steps) { return ToQt(settings.Step(field, steps)); };
  spin->Show(ToQt(settings.Text(field)));
  return spin;
}

void AddFieldRow(QGridLayout *grid, int row, const char *caption, QWidget *field,
                 const char *unit) {
  QWidget *parent = field->parentWidget();
  auto *label = new QLabel(Utf(caption), parent);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setBuddy(field);
  grid->addWidget(label, row, 0);
  grid->addWidget(field, row, 1);
  if (unit && *unit)
    grid->addWidget(new QLabel(Utf(unit), parent), row, 2);
}

} // namespace zenpa::ui
