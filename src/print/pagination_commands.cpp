#include "print/pagination_commands.h"

#include <algorithm>

namespace zenpa::print {
namespace {

int CaretPage(const platform::Memo &memo, const Pagination &pagination) {
  const int visual = memo.VisualLineOf(memo.Caret());
  const auto last = static_cast<int>(pagination.entries.size()) - 1;
  return pagination.entries[static_cast<std::size_t>(std::clamp(visual, 0, last))].page;
}

void MoveToVisualLine(platform::Memo &memo, int visual, bool extend) {
  const platform::TextPos target = memo.VisualLineStart(visual);
  if (extend) {
    memo.Select(memo.SelectionAnchor(), target);
  } else {
    memo.SetCaret(target);
  }
  memo.ScrollToLine(target.line);
}

void GoToPage(platform::Memo &memo, const Pagination &pagination, int page, bool extend) {
  const int count = memo.VisualLineCount();
  if (count == 0) {
    return;
  }
  MoveToVisualLine(memo, std::min(FirstLineOfPage(pagination, page), count - 1), extend);
}

} // namespace

void GoToNextPage(platform::Memo &memo, const Pagination &pagination, bool extend) {
  GoToPage(memo, pagination, CaretPage(memo, pagination) + 1, extend);
}

void GoToPreviousPage(platform::Memo &memo, const Pagination &pagination, bool extend) {
  GoToPage(memo, pagination, std::max(1, CaretPage(memo, pagination) - 1), extend);
}

void InsertPageBreak(platform::Memo &memo, const settings::PrintFormat &format) {
  if (format.pageBreakMark.empty()) {
    return;
  }
  const platform::TextPos caret = memo.Caret();
  const int line = std::min(caret.line, memo.LineCount());
  memo.InsertLine(line, format.pageBreakMark);
  memo.SetCaret({line + 1, line == caret.line ? caret.col : 0});
}

} // namespace zenpa::print
