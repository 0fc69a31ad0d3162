#include "editor/line_breaks.h"

namespace zenpa::editor {
namespace {

std::string Joined(const std::vector<std::string> &lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0)
      text += "\r\n";
    text += lines[i];
  }
  return text;
}

// The pieces between CR LF breaks: one more than there are breaks.
std::vector<std::string> SplitAtCrLf(std::string_view text) {
  std::vector<std::string> pieces;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find("\r\n", start);
    pieces.emplace_back(text.substr(start, end - start));
    if (end == std::string_view::npos)
      return pieces;
    start = end + 2;
  }
}

} // namespace

std::string WithLineBreaks(std::string_view text, LineBreak breaks) {
  const std::string_view newBreak = breaks == LineBreak::CrLf ? "\r\n" : "\n";
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      out.push_back(c);
      continue;
    }
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
      ++i;
    out += newBreak;
  }
  return out;
}

bool PasteNeedsCrLf(std::string_view clipboardText) {
  return clipboardText.find('\n') != std::string_view::npos;
}

std::vector<std::string> RewrittenLines(const std::vector<std::string> &lines, LineBreak breaks) {
  if (lines.empty())
    return lines;
  const std::string text = WithLineBreaks(Joined(lines), breaks);
  if (breaks == LineBreak::Lf)
    return {text};
  return SplitAtCrLf(text);
}

bool RewriteLineBreaks(platform::Memo &memo, LineBreak breaks) {
  const std::vector<std::string> lines = memo.Lines();
  if (lines.empty())
    return false;
  const std::vector<std::string> rewritten = RewrittenLines(lines, breaks);
  if (rewritten == lines)
    return false;
  const int last = memo.LineCount() - 1;
  memo.Select({0, 0}, {last, static_cast<int>(memo.Line(last).size())});
  memo.ReplaceSelection(Joined(rewritten));
  memo.SetCaret({0, 0});
  return true;
}

} // namespace zenpa::editor
