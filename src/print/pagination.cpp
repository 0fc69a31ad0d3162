#include "print/pagination.h"

#include <algorithm>
#include <utility>

#include "base/sjis.h"
#include "base/tabs.h"
#include "print/page_fill.h"

namespace zenpa::print {

PrintedLines::PrintedLines(const platform::Memo &memo) {
  if (!memo.WordWrap()) {
    memo_ = &memo;
    count_ = memo.LineCount();
    return;
  }
  count_ = memo.VisualLineCount();
  own_.reserve(static_cast<std::size_t>(count_));
  endsText_.reserve(static_cast<std::size_t>(count_));
  for (int i = 0; i < count_; ++i) {
    own_.push_back(memo.VisualLine(i));
    const bool last = i + 1 == count_;
    endsText_.push_back(last || memo.VisualLineStart(i + 1).col == 0);
  }
}

PrintedLines::PrintedLines(std::vector<std::string> lines)
    : own_(std::move(lines)), count_(static_cast<int>(own_.size())) {}

std::string_view PrintedLines::Line(int index) const {
  return memo_ != nullptr ? std::string_view(memo_->Line(index)) : std::string_view(own_[index]);
}

bool PrintedLines::EndsTextLine(int index) const {
  return endsText_.empty() || endsText_[static_cast<std::size_t>(index)];
}

namespace {

// Running state of one pass over the lines.
struct Cursor {
  int page = 1;
  int lineInPage = 1;
  int hidden = 0;
  bool justFilled = false; // the last line taken filled its page
  bool lastEnded = false;  // the line just handled ended its page
  long long charIndex = 0;
};

constexpr std::size_t kMaxCachedWidths = 500000;

// Measures lines with the mark's font, selecting it only when it changes,
// and remembers the widths by text.
class LineMeter {
public:
  explicit LineMeter(const CheckInput &in)
      : in_(in), saved_(in.canvas.Font()), cache_(in.widths != nullptr ? *in.widths : own_) {}
  ~LineMeter() { in_.canvas.SetFont(saved_); }
  LineMeter(const LineMeter &) = delete;
  LineMeter &operator=(const LineMeter &) = delete;

  void Measure(std::string_view s, const MarkState &mark, Pagination &p) {
    const settings::PrintFormat &f = in_.format;
    const int height = in_.basePixelHeight * mark.markScale / 100;
    if (widths_ == nullptr || height != font_.height || mark.markFont != font_.face) {
      font_ = {mark.markFont, height, f.bold, f.italic, f.underline, 0};
      widths_ = &cache_.For(font_);
      selected_ = false;
    }
    const int width = Width(s);
    if (width > p.widestWidth) {
      p.widestWidth = width;
      p.widestText.assign(s);
    }
  }

private:
  int Width(std::string_view s) {
    if (const auto it = widths_->find(s); it != widths_->end()) {
      return it->second;
    }
    if (!selected_) {
      in_.canvas.SetFont(font_);
      selected_ = true;
    }
    const int width = in_.canvas.TextWidth(s);
    widths_->emplace(s, width);
    return width;
  }

  const CheckInput &in_;
  platform::FontSpec saved_;
  LineWidthCache own_;
  LineWidthCache &cache_;
  LineWidthCache::Widths *widths_ = nullptr;
  platform::FontSpec font_;
  bool selected_ = false;
};

// The entry after the last line, and the page count.
void Finish(const Cursor &c, Pagination &p) {
  const long long textEnd = p.entries.empty() ? 1 : c.charIndex - 1;
  if (!p.entries.empty()) {
    p.entries.back().nextLineStart = textEnd;
  }
  // A break absorbed by the full page before it opens no page of its own.
  p.pageCount = p.entries.empty() ? 1 : p.entries.back().page;
  if (c.lastEnded) {
    p.entries.push_back({c.hidden, c.page + 1, 1, textEnd});
    return;
  }
  p.entries.push_back({c.hidden, c.page, c.lineInPage, textEnd});
}

// Reads a line's marks and returns the size it prints at; a line that takes
// room but no longer fits below the lines taken starts the next page, with
// the marks read afresh.
int ReadLine(std::string_view s, bool isBreak, const CheckInput &in, PageFill &fill,
             MarkState &mark, Cursor &c) {
  in.marks.ReadPMark(s, mark);
  const bool takesNoLine = isBreak || (mark.markIsActive && !in.format.scaleLineBlank);
  const std::string_view text = mark.markIsActive ? std::string_view() : s;
  const int scale = PrintedScale(in.format, mark, text);
  if (takesNoLine || fill.Fits(scale, mark.markLineSpacing))
    return scale;
  ++c.page;
  c.lineInPage = 1;
  fill.StartPage();
  mark = in.marks.ResetState();
  in.marks.ReadPMark(s, mark);
  return PrintedScale(in.format, mark, text);
}

} // namespace

Pagination Check(const PrintedLines &lines, const CheckInput &in) {
  const settings::PrintFormat &st = in.format;
  LineMeter meter(in);
  PageFill fill(in.perPage, st.lineSpacing);
  Pagination p;
  p.entries.reserve(static_cast<std::size_t>(lines.Count()) + 1);
  MarkState mark = in.marks.ResetState();
  Cursor c;
  std::string expanded;
  for (int i = 0; i < lines.Count(); ++i) {
    std::string_view s = lines.Line(i);
    c.charIndex += static_cast<long long>(s.size()) + (lines.EndsTextLine(i) ? 2 : 0);
    if (st.tabsOn && s.find('\t') != std::string_view::npos) {
      expanded = base::ExpandTabs(s, st.tabWidth);
      s = expanded;
    }
    const bool isBreak = in.marks.IsPageBreakLine(s);
    const int scale = ReadLine(s, isBreak, in, fill, mark, c);
    const bool takesNoLine = isBreak || (mark.markIsActive && !st.scaleLineBlank);
    if (takesNoLine) {
      --c.lineInPage;
    }
    if (!mark.markIsActive && !isBreak) {
      meter.Measure(s, mark, p);
    }
    const int spacing = mark.markLineSpacing;
    if (st.puzzle.minitext && s == PuzzleGridBottom()) {
      mark.markScale = st.reducePercent;
    }
    const bool absorbed = isBreak && c.justFilled;
    // A break absorbed by a full page stays where the line before it is.
    const PageEntry &before = absorbed ? p.entries.back() : PageEntry{0, c.page, c.lineInPage};
    p.entries.push_back({c.hidden, before.page, before.lineInPage, c.charIndex});
    p.maxLinesSeen = std::max(p.maxLinesSeen, c.lineInPage);
    c.hidden += takesNoLine ? 1 : 0;
    const bool filled = !takesNoLine && fill.Take(scale, spacing);
    const bool endsPage = filled || (isBreak && !absorbed);
    if (!takesNoLine || isBreak) {
      c.justFilled = filled;
    }
    c.lastEnded = endsPage;
    if (endsPage) {
      mark = in.marks.ResetState();
      fill.StartPage();
      if (i + 1 < lines.Count()) {
        ++c.page;
        c.lineInPage = 0;
      }
    }
    ++c.lineInPage;
  }
  Finish(c, p);
  return p;
}

LineWidthCache::Widths &LineWidthCache::For(const platform::FontSpec &font) {
  std::string key = font.face;
  key += '\0';
  key += std::to_string(font.height) + (font.bold ? "b" : "") + (font.italic ? "i" : "") +
         (font.underline ? "u" : "");
  Widths &widths = byFont_[key];
  if (widths.size() > kMaxCachedWidths) {
    widths.clear();
  }
  return widths;
}

int FirstLineOfPage(const Pagination &p, int page) {
  const int count = static_cast<int>(p.entries.size()) - 1;
  if (count <= 0) {
    return 0;
  }
  const auto end = p.entries.begin() + count;
  const auto it = std::lower_bound(p.entries.begin(), end, page,
                                   [](const PageEntry &e, int pg) { return e.page < pg; });
  return it == end ? count - 1 : static_cast<int>(it - p.entries.begin());
}

} // namespace zenpa::print
