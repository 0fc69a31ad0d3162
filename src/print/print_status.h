// The layout-status part of the print settings panel as plain data: the
// paper label, maximum lines, pitches, margins left at the right and bottom,
// the warnings, the page-range fields (開始頁, 終了頁, 部数) with their rules,
// the report after printing and the caret's page, line and column.
//
// Texts are Shift-JIS. Margins are whole millimetres; pitches millimetres
// with one decimal. Page numbers count from 1.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "platform/memo.h"
#include "print/layout.h"
#include "print/page_selection.h"
#include "print/pagination.h"
#include "settings/print_format.h"

namespace zenpa::print {

inline constexpr int kMaxPageField = 999;

// The page range and copies of a print run (not kept in the format).
class PageRange {
public:
  int startPage() const { return startPage_; }
  int endPage() const { return endPage_; } // 0: the last page
  int copies() const { return copies_; }
  bool evenPass() const { return evenPass_; } // "偶数頁" chosen for duplex

  // Spinner rules: the start page is 1..999 and pulls a non-zero end page
  // up to itself; the end page is 0..999; copies 1..999.
  void SetStartPage(int page);
  void SetEndPage(int page);
  void SetCopies(int copies);
  void SetEvenPass(bool even) { evenPass_ = even; }

  // Typed field text: a number is applied by the rules above, anything else
  // keeps the held value. Returns the text the field shows afterwards.
  std::string EnterStartPage(std::string_view text);
  std::string EnterEndPage(std::string_view text);
  std::string EnterCopies(std::string_view text);

  // The pages this range selects, for one pass when duplex is on.
  PageSelection Selection(bool duplex) const {
    return {startPage_, endPage_, duplex, duplex && evenPass_};
  }

private:
  int startPage_ = 1;
  int endPage_ = 0;
  int copies_ = 1;
  bool evenPass_ = false;
};

// "（0で最終N頁）" beside the end-page field.
std::string EndPageHint(int pageCount);
// Replaces the hint when the range selects nothing.
std::string PageRangeErrorText();

struct LayoutLabels {
  std::string paper;        // "用紙210 x 297 mm", or the size inside the paper-edge cuts
  std::string maxLines;     // "（0で最大N行）"
  std::string linePitch;    // mm, one decimal
  std::string charPitch;    // mm, one decimal
  std::string rightMargin;  // mm left at the right of the widest line, "0" when exceeded
  std::string bottomMargin; // mm left below the text
  int topWithHeaderMm = 0;  // top margin including the header lines
  int minLeftMarginMm = 0;  // the printer's offsets bound the margin fields
  int minTopMarginMm = 0;
  bool tooWide = false;          // "用紙の横幅を越えました。"
  bool tooLong = false;          // "用紙の長さを越えました。"
  bool printsAtMaxLines = false; // "ページ最大行で印刷します。"

  bool AnyWarning() const { return tooWide || tooLong || printsAtMaxLines; }
};

LayoutLabels MakeLayoutLabels(const settings::PrintFormat &format, const LayoutResult &layout);

std::string TooWideText();
std::string TooLongText();
std::string PrintsAtMaxLinesText();

// Report lines after a print run.
struct PrintReport {
  std::string line1;
  std::string line2;
};
PrintReport ReportAfterPrint(bool duplex, bool evenPass);

// Caret position in page terms: "P頁 L行 C字 （N行）".
std::string CaretStatusText(const platform::Memo &memo, const Pagination &pagination,
                            const settings::PrintFormat &format);

// Everything the status part shows, refreshed after each layout run.
class PrintStatus {
public:
  PageRange range;

  void ShowLayout(const settings::PrintFormat &format, const LayoutResult &layout);
  void ShowCaret(const platform::Memo &memo, const Pagination &pagination,
                 const settings::PrintFormat &format);
  void ShowRangeError() { endPageLabel_ = PageRangeErrorText(); }
  void ShowReport(bool duplex, bool evenPass);
  // The report after a run whose pages could not be put out: "印刷頁を出力できませんでした。"
  // and why.
  void ShowFailure(std::string reason);
  // After printer setup: "オフセット 下 B  右 R mm", shown when both insets
  // are positive.
  void ShowPrinterOffsets(std::string text, bool visible) {
    offsetText_ = std::move(text);
    offsetVisible_ = visible;
  }

  const LayoutLabels &labels() const { return labels_; }
  const std::string &endPageLabel() const { return endPageLabel_; }
  const std::string &caretText() const { return caretText_; }
  const PrintReport &report() const { return report_; }
  const std::string &offsetText() const { return offsetText_; }
  bool offsetVisible() const { return offsetVisible_; }
  bool reportVisible() const { return reportVisible_; }
  bool CheckMarkVisible() const { return !reportVisible_ && !labels_.AnyWarning(); }
  // "奇数頁" / "偶数頁" show only while duplex printing is on.
  static bool PassButtonsVisible(const settings::PrintFormat &format) { return format.duplex; }

private:
  LayoutLabels labels_;
  std::string endPageLabel_;
  std::string caretText_;
  PrintReport report_;
  bool reportVisible_ = false;
  std::string offsetText_;
  bool offsetVisible_ = false;
};

} // namespace zenpa::print
