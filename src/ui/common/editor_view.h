// Shows an EditorLook on a text editor (Memo1, and the tab stops on Memo2):
// the format's font face (a missing face through its installed substitute),
// pixel height and colour, wrapping with its scroll bars, tab stops and the
// Tab key, and the caret's width.
#pragma once

#include "editor/editor_look.h"
#include "platform/font_catalog.h"

class QPlainTextEdit;

namespace zenpa::ui {

// Applies the look; true when the font changed (the layout measures it).
bool ApplyLook(QPlainTextEdit *editor, const editor::EditorLook &look,
               const platform::FontCatalog &fonts);

// Tab stops of tabWidth half-width columns of the editor's font; the Tab key
// types a tab only while tabs are on, else it moves the focus.
void ApplyTabs(QPlainTextEdit *editor, bool tabsOn, int tabWidth);

// The caret: 2 pixels, or half the font height in overwrite mode.
void ApplyCaret(QPlainTextEdit *editor, bool overwrite, bool gridMode);

} // namespace zenpa::ui
