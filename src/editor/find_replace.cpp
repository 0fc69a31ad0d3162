#include "editor/find_replace.h"

#include "base/sjis.h"

#include <algorithm>

namespace zenpa::editor {

using platform::Memo;
using platform::TextPos;

TextPos SearchStart(const Memo &memo) {
  const TextPos anchor = memo.SelectionAnchor();
  const TextPos caret = memo.Caret();
  TextPos start = std::min(anchor, caret);
  if (anchor != caret)
    ++start.col;
  return start;
}

std::optional<TextMatch> FindFrom(const Memo &memo, TextPos from, const TextFinder &finder) {
  if (finder.Empty())
    return std::nullopt;
  for (int line = std::max(from.line, 0); line < memo.LineCount(); ++line) {
    const std::size_t col = line == from.line ? static_cast<std::size_t>(std::max(from.col, 0)) : 0;
    const std::size_t hit = finder.FindIn(memo.Line(line), col);
    if (hit != TextFinder::npos) {
      const int start = static_cast<int>(hit);
      return TextMatch{{line, start}, {line, start + static_cast<int>(finder.Length())}};
    }
  }
  return std::nullopt;
}

bool FindNext(Memo &memo, const SearchRequest &request) {
  const TextFinder finder(request.pattern, request.options);
  const std::optional<TextMatch> match = FindFrom(memo, SearchStart(memo), finder);
  if (!match)
    return false;
  memo.Select(match->start, match->end);
  return true;
}

bool ReplaceCurrent(Memo &memo, const SearchRequest &request) {
  const TextFinder finder(request.pattern, request.options);
  if (finder.Empty() || !finder.Matches(memo.SelectedText()))
    return false;
  memo.ReplaceSelection(request.replacement);
  return true;
}

namespace {

std::string Replaced(const std::string &line, const std::vector<std::size_t> &hits,
                     std::size_t length, const std::string &replacement) {
  std::string out;
  out.reserve(line.size() + hits.size() * replacement.size());
  std::size_t kept = 0;
  for (std::size_t hit : hits) {
    out.append(line, kept, hit - kept);
    out += replacement;
    kept = hit + length;
  }
  out.append(line, kept);
  return out;
}

} // namespace

int ReplaceAll(Memo &memo, const SearchRequest &request) {
  memo.SetCaret({0, 0});
  const TextFinder finder(request.pattern, request.options);
  std::vector<platform::LineChange> changes;
  int count = 0;
  for (int line = 0; line < memo.LineCount(); ++line) {
    const std::string &text = memo.Line(line);
    const std::vector<std::size_t> hits = finder.AllIn(text);
    if (hits.empty())
      continue;
    changes.push_back({line, Replaced(text, hits, finder.Length(), request.replacement)});
    count += static_cast<int>(hits.size());
  }
  if (count == 0)
    return 0;
  memo.ReplaceLines(changes);
  memo.SetCaret({0, 0});
  return count;
}

std::string ReplacedCountMessage(int count) {
  return std::to_string(count) + base::Sj("ヵ所、置換しました");
}

std::string NotFoundMessage(std::string_view pattern) {
  std::string shown(pattern);
  if (shown.size() > kShownPatternBytes) {
    shown.resize(base::CharStart(shown, kShownPatternBytes));
    shown += base::Sj("…");
  }
  return base::Sj("文字列“") + shown + base::Sj("”は見つかりません");
}

void FindReplace::OpenDialog(const std::function<void()> &showDialog) {
  if (memo_.Caret() != memo_.SelectionAnchor())
    request_.pattern = memo_.SelectedText();
  const bool adjust = hooks_.PreviewAdjustable();
  if (adjust)
    hooks_.PressPreviewAdjust();
  showDialog();
  if (adjust)
    hooks_.ClickPreviewAdjusting();
}

bool FindReplace::Found(bool found) {
  if (found) {
    hooks_.RevealMatch();
    return true;
  }
  if (!request_.pattern.empty()) {
    hooks_.CloseDialog();
    host_.Message(NotFoundMessage(request_.pattern));
  }
  return false;
}

bool FindReplace::FindNext() { return Found(editor::FindNext(memo_, request_)); }

bool FindReplace::Replace() {
  if (ReplaceCurrent(memo_, request_))
    hooks_.TextReplaced();
  return FindNext();
}

int FindReplace::ReplaceAll() {
  const int count = editor::ReplaceAll(memo_, request_);
  hooks_.CloseDialog();
  if (count > 0) {
    hooks_.TextReplaced();
    host_.Message(ReplacedCountMessage(count));
  }
  return count;
}

} // namespace zenpa::editor
