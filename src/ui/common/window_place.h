// Secondary windows placed by the core's placement rule: Qt's geometry in
// and out, on the screen of the window they help.
#pragma once

#include "app/window_geometry.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

class QWidget;

namespace zenpa::ui {

app::ScreenRect ToScreenRect(const QRect &r);

// A widget's area on the screen (a window's: its frame).
QRect GlobalRect(const QWidget *widget);

// Moves window, at its full size (as resize() takes it), so that its frame
// lies wholly on the screen of `anchor` and clear of keepClear (global
// rectangles), as near to `wanted` (the frame's top-left corner) as can be;
// it is narrowed, down to minWidth, only when no place holds it whole.
void PlaceWindow(QWidget *window, const QWidget *anchor, const std::vector<QRect> &keepClear,
                 QPoint wanted, QSize fullSize, int minWidth);

// The width a game's narrow window keeps at least, so that its menu bar
// shows every menu instead of hiding the last ones behind "»": the menu
// bar's full width, as far as the screen allows.
int MenuBarWidth(const QWidget *window);

// Moves window, at its size, the least that puts its frame wholly on its
// screen (a window grown past the screen's edge).
void PullOntoScreen(QWidget *window);

} // namespace zenpa::ui
