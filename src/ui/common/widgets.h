// Builders every window of the Qt layer shares: captions given as UTF-8
// literals, and widgets made with their object name (the name tests and the
// binding look them up by) and their caption in one step.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QWidget>

namespace zenpa::ui {

// A caption written in the source as a UTF-8 literal.
QString Utf(const char *utf8);

// A push button that never becomes a dialog's default button by focus.
QPushButton *NamedButton(const char *name, const char *caption, QWidget *parent);
QCheckBox *NamedCheck(const char *name, const char *caption, QWidget *parent);
QLabel *NamedLabel(const char *name, QWidget *parent, const QString &text = {});

} // namespace zenpa::ui
