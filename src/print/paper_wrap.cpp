#include "print/paper_wrap.h"

#include <algorithm>
#include <unordered_map>

#include "base/sjis.h"
#include "base/tabs.h"

namespace zenpa::print {
namespace {

// Character widths at the format's font, measured once each.
class CharWidths {
public:
  explicit CharWidths(platform::Canvas &canvas) : canvas_(canvas) {}
  int Of(std::string_view ch) {
    const int key = static_cast<unsigned char>(ch[0]) << 8 |
                    (ch.size() > 1 ? static_cast<unsigned char>(ch[1]) : 0);
    const auto [it, added] = widths_.try_emplace(key, 0);
    if (added)
      it->second = canvas_.TextWidth(ch);
    return it->second;
  }

private:
  platform::Canvas &canvas_;
  std::unordered_map<int, int> widths_;
};

// Cuts line into pieces of at most room pixels (at least one character
// each) and appends them to out.
void CutLine(std::string_view line, long long room, int charSpacing, CharWidths &widths,
             std::vector<std::string> &out) {
  std::size_t start = 0;
  long long used = 0;
  for (std::size_t i = 0; i < line.size();) {
    const std::size_t len = base::CharLen(line, i);
    const long long w = static_cast<long long>(widths.Of(line.substr(i, len))) * charSpacing;
    if (i > start && used + w > room * 100) {
      out.emplace_back(line.substr(start, i - start));
      start = i;
      used = 0;
    }
    used += w;
    i += len;
  }
  out.emplace_back(line.substr(start));
}

} // namespace

int TextRoom(const settings::PrintFormat &format, const LayoutResult &layout) {
  return layout.width.avail - (format.leftMargin - layout.geometry.offX);
}

PaperWrap WrapToPaper(const std::vector<std::string> &lines, const settings::PrintFormat &format,
                      const LayoutResult &layout, const MarkReader &marks,
                      platform::Canvas &canvas) {
  const platform::FontSpec saved = canvas.Font();
  canvas.SetFont(BaseFont(format, layout.basePixelHeight));
  CharWidths widths(canvas);
  const int room = std::max(1, TextRoom(format, layout));
  const int charSpacing = std::max(1, format.charSpacing);
  PaperWrap wrap;
  wrap.lines.reserve(lines.size());
  MarkState mark = marks.ResetState();
  for (const std::string &line : lines) {
    marks.ReadPMark(line, mark);
    if (mark.markIsActive || marks.IsPageBreakLine(line)) {
      wrap.lines.push_back(line);
      continue;
    }
    const bool tabs = format.tabsOn && line.find('\t') != std::string::npos;
    const std::string text = tabs ? base::ExpandTabs(line, format.tabWidth) : line;
    const long long markRoom = static_cast<long long>(room) * 100 / std::max(1, mark.markScale);
    const std::size_t before = wrap.lines.size();
    CutLine(text, markRoom, charSpacing, widths, wrap.lines);
    if (wrap.lines.size() - before > 1) {
      ++wrap.wideLines;
      continue;
    }
    wrap.lines.back() = line; // a line that fits keeps its tabs
  }
  canvas.SetFont(saved);
  return wrap;
}

} // namespace zenpa::print
