// The insertion line `gyo` shared by the puzzle and drill writers: the end of
// the document ("文末に追加") or the caret's line ("ここに挿入"), chosen by one
// toggle shown on both panels (`Label39` and `Label42`).
#pragma once

#include "platform/memo.h"
#include "settings/print_format.h"

#include <string>

namespace zenpa::editor {

using settings::InsertionPlace; // the one toggle the record holds

// The toggle label's caption for a place (Shift-JIS).
std::string InsertionLabel(InsertionPlace place);
InsertionPlace Toggled(InsertionPlace place);

// Line index where the next block line goes.
int gyo(const platform::Memo &memo, InsertionPlace place);

// Inserts line as a new line at gyo() and leaves the caret at the start of the
// line after it, so consecutive inserts come out in writing order.
void InsertAtGyo(platform::Memo &memo, InsertionPlace place, const std::string &line);

} // namespace zenpa::editor
