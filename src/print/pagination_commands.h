// Editor commands that work in page terms: "次頁" (Button5) and "前頁"
// (Button6) move the caret to the first line of the next or previous page,
// "改頁" (Button4) inserts a page-break line before the caret's line. The
// caller lays the document out again after a page break and refreshes the
// caret status after a move.
#pragma once

#include "platform/memo.h"
#include "print/pagination.h"
#include "settings/print_format.h"

namespace zenpa::print {

// With extend (Shift held) the selection grows from its anchor instead of
// collapsing. Without a next page the caret goes to the last line.
void GoToNextPage(platform::Memo &memo, const Pagination &pagination, bool extend);
void GoToPreviousPage(platform::Memo &memo, const Pagination &pagination, bool extend);

// Inserts the format's page-break mark as a line before the caret's line;
// the caret stays on its text. Does nothing when there is no mark.
void InsertPageBreak(platform::Memo &memo, const settings::PrintFormat &format);

} // namespace zenpa::print
