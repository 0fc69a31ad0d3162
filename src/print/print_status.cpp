#include "print/print_status.h"

#include <algorithm>

#include "base/sjis.h"
#include "base/tabs.h"
#include "base/units.h"
#include "print/layout_numbers.h"

namespace zenpa::print {
namespace {

using base::Sj;

// Applies typed text through a setter; a non-number keeps the held value.
template <typename Set, typename Get> std::string Enter(std::string_view text, Set set, Get get) {
  if (const auto v = ReadInteger(text)) {
    set(*v);
  }
  return std::to_string(get());
}

std::string PaperLabel(const settings::PrintFormat &f, const PageGeometry &g) {
  const int w = base::PixToMm(g.paperW, g.dpi);
  const int h = base::PixToMm(g.paperH, g.dpi);
  if (f.paperEdgeOn && (f.paperRight != 0 || f.paperBottom != 0)) {
    return Sj("用紙") + "(" + std::to_string(w - f.paperRight) + " x " +
           std::to_string(h - f.paperBottom) + " mm)";
  }
  return Sj("用紙") + std::to_string(w) + " x " + std::to_string(h) + " mm";
}

// Lines the bottom margin is computed for: the lines per page when set,
// else the fullest page, but no more than fit.
int BottomMarginLines(const settings::PrintFormat &f, const LayoutResult &r) {
  if (f.linesPerPage > 0) {
    return f.linesPerPage;
  }
  return std::min(r.pagination.maxLinesSeen, r.geometry.maxLines);
}

} // namespace

void PageRange::SetStartPage(int page) {
  startPage_ = std::clamp(page, 1, kMaxPageField);
  if (endPage_ != 0 && startPage_ > endPage_) {
    endPage_ = startPage_;
  }
}

void PageRange::SetEndPage(int page) { endPage_ = std::clamp(page, 0, kMaxPageField); }

void PageRange::SetCopies(int copies) { copies_ = std::clamp(copies, 1, kMaxPageField); }

std::string PageRange::EnterStartPage(std::string_view text) {
  return Enter(
      text, [this](int v) { SetStartPage(v); }, [this] { return startPage_; });
}

std::string PageRange::EnterEndPage(std::string_view text) {
  return Enter(
      text, [this](int v) { SetEndPage(v); }, [this] { return endPage_; });
}

std::string PageRange::EnterCopies(std::string_view text) {
  return Enter(
      text, [this](int v) { SetCopies(v); }, [this] { return copies_; });
}

std::string EndPageHint(int pageCount) {
  return Sj("（0で最終") + std::to_string(pageCount) + Sj("頁）");
}

std::string PageRangeErrorText() { return Sj("印刷頁エラー"); }
std::string TooWideText() { return Sj("用紙の横幅を越えました。"); }
std::string TooLongText() { return Sj("用紙の長さを越えました。"); }
std::string PrintsAtMaxLinesText() { return Sj("ページ最大行で印刷します。"); }

LayoutLabels MakeLayoutLabels(const settings::PrintFormat &f, const LayoutResult &r) {
  const PageGeometry &g = r.geometry;
  LayoutLabels l;
  l.paper = PaperLabel(f, g);
  l.maxLines = Sj("（0で最大") + std::to_string(std::max(0, g.maxLines)) + Sj("行）");
  l.linePitch = base::pix2mmfl(g.linePitch, g.dpi);
  l.charPitch = base::pix2mmfl(r.wideCharWidth * f.charSpacing / 100.0, g.dpi);
  l.rightMargin =
      r.width.remainRight < 0 ? "0" : std::to_string(base::PixToMm(r.width.remainRight, g.dpi));
  l.bottomMargin = std::to_string(BottomMarginMm(f, g, BottomMarginLines(f, r)));
  l.topWithHeaderMm = base::PixToMm(f.topMargin, g.dpi) + g.headerMm;
  l.minLeftMarginMm = base::PixToMm(g.offX, g.dpi);
  l.minTopMarginMm = base::PixToMm(g.offY, g.dpi);
  l.tooWide = r.width.tooWide;
  l.tooLong = r.tooLong;
  l.printsAtMaxLines = r.tooLong && f.autoMaxLines;
  return l;
}

PrintReport ReportAfterPrint(bool duplex, bool evenPass) {
  if (!duplex) {
    return {Sj("印刷頁の出力が終了しました。"), ""};
  }
  const std::string first =
      evenPass ? Sj("偶数頁の出力が終了しました。") : Sj("奇数頁の出力が終了しました。");
  return {first, Sj("必要なら裏面を印刷して下さい｡")};
}

std::string CaretStatusText(const platform::Memo &memo, const Pagination &pagination,
                            const settings::PrintFormat &format) {
  const platform::TextPos caret = memo.Caret();
  const int visual = memo.VisualLineOf(caret);
  const auto last = static_cast<int>(pagination.entries.size()) - 1;
  const PageEntry &e = pagination.entries[static_cast<std::size_t>(std::clamp(visual, 0, last))];
  const platform::TextPos start = memo.VisualLineStart(visual);
  int column = caret.col - start.col;
  if (format.tabsOn && visual < memo.VisualLineCount()) {
    column = base::ExpandedColumn(memo.VisualLine(visual), static_cast<std::size_t>(column),
                                  format.tabWidth);
  }
  return std::to_string(e.page) + Sj("頁 ") + std::to_string(e.lineInPage) + Sj("行 ") +
         std::to_string(column + 1) + Sj("字 （") + std::to_string(visual + 1 - e.hiddenBefore) +
         Sj("行）");
}

void PrintStatus::ShowLayout(const settings::PrintFormat &format, const LayoutResult &layout) {
  labels_ = MakeLayoutLabels(format, layout);
  endPageLabel_ = EndPageHint(layout.pagination.pageCount);
  reportVisible_ = false;
}

void PrintStatus::ShowCaret(const platform::Memo &memo, const Pagination &pagination,
                            const settings::PrintFormat &format) {
  caretText_ = CaretStatusText(memo, pagination, format);
}

void PrintStatus::ShowReport(bool duplex, bool evenPass) {
  report_ = ReportAfterPrint(duplex, evenPass);
  reportVisible_ = true;
}

void PrintStatus::ShowFailure(std::string reason) {
  report_ = {Sj("印刷頁を出力できませんでした。"), std::move(reason)};
  reportVisible_ = true;
}

} // namespace zenpa::print
