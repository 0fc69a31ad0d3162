// Pagination: which printed line lands on which page and line. The printed
// lines are the editor's lines as it shows them (its visual lines when it
// wraps), one printed line each; page-break lines and, unless they print
// blank, mark lines take no line. A page holds the lines that fit its
// height at their marked sizes and spacings (see page_fill.h).
//
// Page and line numbers count from 1; line indices from 0.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/canvas.h"
#include "platform/memo.h"
#include "print/marks.h"
#include "settings/print_format.h"

namespace zenpa::print {

// The printed lines of a document: text lines, or visual lines when the
// editor wraps.
class PrintedLines {
public:
  explicit PrintedLines(const platform::Memo &memo);
  explicit PrintedLines(std::vector<std::string> lines);

  int Count() const { return count_; }
  std::string_view Line(int index) const;
  // True when the printed line is the last piece of its text line.
  bool EndsTextLine(int index) const;

private:
  const platform::Memo *memo_ = nullptr;
  std::vector<std::string> own_;
  std::vector<bool> endsText_;
  int count_ = 0;
};

struct PageEntry {
  int hiddenBefore = 0; // lines before this one that print as nothing
  int page = 1;
  int lineInPage = 1;
  long long nextLineStart = 0; // character index where the next line begins (CR LF counts 2)
};

struct Pagination {
  std::vector<PageEntry> entries; // one per printed line, plus one after the last
  int pageCount = 1;
  int maxLinesSeen = 0;
  int widestWidth = 0;
  std::string widestText = " ";
};

// Widths of lines already measured, by font. Kept between layout runs, a
// relayout after a keystroke measures only the lines that changed. Clear it
// when the measuring canvas changes (another printer).
class LineWidthCache {
public:
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>()(s); }
  };
  using Widths = std::unordered_map<std::string, int, Hash, std::equal_to<>>;

  // The widths measured with one font; emptied when it grows past a bound,
  // so that the lines of old edits do not pile up.
  Widths &For(const platform::FontSpec &font);
  void Clear() { byFont_.clear(); }

private:
  std::map<std::string, Widths> byFont_;
};

struct CheckInput {
  const settings::PrintFormat &format;
  const MarkReader &marks;
  platform::Canvas &canvas;         // printer canvas, measures the lines
  int basePixelHeight;              // cell height of the format's font
  int perPage;                      // lines per page: the page's height in lines of the format
  LineWidthCache *widths = nullptr; // widths from earlier runs, or none
};

// Builds the pagination table and finds the widest line. The canvas font is
// restored afterwards.
Pagination Check(const PrintedLines &lines, const CheckInput &in);

// First printed line of a page; the last line when the page does not exist.
int FirstLineOfPage(const Pagination &p, int page);

} // namespace zenpa::print
