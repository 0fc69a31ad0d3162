// What the drill and puzzle modes do to the document editor while a grid is
// edited in it: an arrow pointer, no input method and no drops (text that
// arrives so would bypass the cell keys), and for a game a fixed view with
// no wrapping and no scroll bars. Switching off gives it all back.
#pragma once

#include <functional>

class QMenu;
class QPlainTextEdit;
class QWidget;

namespace zenpa::ui {

void SetGridEditing(QPlainTextEdit *editor, bool on);

// The digit popup of the modes: "１".."９" and "０/消す", items named m1..m9
// and m0; an item types its key ('1'..'9', '0').
QMenu *DigitPopup(QWidget *parent, const char *name, std::function<void(char)> typed);

// The game's fixed view; savedWrap keeps the wrap mode to give back.
void SetGameView(QPlainTextEdit *editor, bool on, int &savedWrap);

} // namespace zenpa::ui
