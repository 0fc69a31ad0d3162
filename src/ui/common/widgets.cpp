#include "ui/common/widgets.h"

namespace zenpa::ui {

QString Utf(const char *utf8) { return QString::fromUtf8(utf8); }

QPushButton *NamedButton(const char *name, const char *caption, QWidget *parent) {
  auto *button = new QPushButton(Utf(caption), parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

QCheckBox *NamedCheck(const char *name, const char *caption, QWidget *parent) {
  auto *box = new QCheckBox(Utf(caption), parent);
  box->setObjectName(name);
  return box;
}

QLabel *NamedLabel(const char *name, QWidget *parent, const QString &text) {
  auto *label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

} // namespace zenpa::ui
