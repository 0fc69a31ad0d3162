// A TextMemo that shows its lines wrapped every `width` bytes, like the
// desktop editor with wrapping on.
#pragma once

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/text_memo.h"

namespace zenpa::print::testing {

class WrappingMemo : public platform::TextMemo {
public:
  WrappingMemo(std::vector<std::string> lines, int width)
      : TextMemo(std::move(lines)), width_(width) {}

  bool WordWrap() const override { return true; }
  int VisualLineCount() const override { return static_cast<int>(Starts().size()); }
  std::string VisualLine(int v) const override {
    const auto start = Starts()[static_cast<std::size_t>(v)];
    return Line(start.line)
        .substr(static_cast<std::size_t>(start.col), static_cast<std::size_t>(width_));
  }
  int VisualLineOf(platform::TextPos pos) const override {
    const auto starts = Starts();
    const auto it = std::upper_bound(starts.begin(), starts.end(), pos);
    return static_cast<int>(it - starts.begin()) - 1;
  }
  platform::TextPos VisualLineStart(int v) const override {
    return Starts()[static_cast<std::size_t>(v)];
  }

private:
  std::vector<platform::TextPos> Starts() const {
    std::vector<platform::TextPos> starts;
    for (int i = 0; i < LineCount(); ++i) {
      const int len = static_cast<int>(Line(i).size());
      for (int col = 0; col == 0 || col < len; col += width_) {
        starts.push_back({i, col});
      }
    }
    return starts;
  }

  int width_;
};

} // namespace zenpa::print::testing
