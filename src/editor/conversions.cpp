#include "editor/conversions.h"

#include "base/sjis.h"
#include "editor/letter_case.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace zenpa::editor {
namespace {

using platform::Memo;
using platform::TextPos;

struct WidthPair {
  std::uint16_t wide; // lead * 256 + trail
  unsigned char narrow;
};

// Full-width characters and their half-width partners, besides the digits
// and letters (which are runs, below).
constexpr WidthPair kSymbolPairs[] = {
    {0x8140, ' '},  {0x8149, '!'}, {0x8168, '"'}, {0x8194, '#'},  {0x8190, '$'},  {0x8193, '%'},
    {0x8195, '&'},  {0x8169, '('}, {0x816A, ')'}, {0x8181, '='},  {0x817C, '-'},  {0x8143, ','},
    {0x8144, '.'},  {0x815E, '/'}, {0x8148, '?'}, {0x817B, '+'},  {0x8196, '*'},  {0x8146, ':'},
    {0x8147, ';'},  {0x816D, '['}, {0x816E, ']'}, {0x8183, '<'},  {0x8184, '>'},  {0x818F, '\\'},
    {0x8197, '@'},  {0x8150, '~'}, {0x814F, '^'}, {0x8151, '_'},  {0x8141, 0xA4}, {0x8142, 0xA1},
    {0x8145, 0xA5}, {0x8162, '|'}, {0x814D, '`'}, {0x8166, '\''},
};

struct WidthRun {
  std::uint16_t wideFirst;
  unsigned char narrowFirst;
  int length;
};

constexpr WidthRun kRuns[] = {{0x824F, '0', 10}, {0x8260, 'A', 26}, {0x8281, 'a', 26}};

// Both directions of the table: the full-width code of every half-width
// byte (0 for none), and the half-width byte of every full-width code whose
// lead byte is 81 or 82.
struct WidthTable {
  std::array<std::uint16_t, 256> wideOf{};
  std::array<unsigned char, 512> narrowOf{}; // (lead - 0x81) * 256 + trail

  constexpr void Add(std::uint16_t wide, unsigned char narrow) {
    wideOf[narrow] = wide;
    narrowOf[wide - 0x8100] = narrow;
  }
  constexpr WidthTable() {
    for (const WidthPair &pair : kSymbolPairs)
      Add(pair.wide, pair.narrow);
    for (const WidthRun &run : kRuns) {
      for (int i = 0; i < run.length; ++i)
        Add(static_cast<std::uint16_t>(run.wideFirst + i),
            static_cast<unsigned char>(run.narrowFirst + i));
    }
  }
};

constexpr WidthTable kWidthTable;

std::string ToHalfWidth(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t len = base::CharLen(text, i);
    const int code = len == 2 ? static_cast<unsigned char>(text[i]) * 256 +
                                    static_cast<unsigned char>(text[i + 1])
                              : 0;
    const bool mapped = code >= 0x8100 && code < 0x8300 && kWidthTable.narrowOf[code - 0x8100];
    if (mapped)
      out.push_back(static_cast<char>(kWidthTable.narrowOf[code - 0x8100]));
    else
      out.append(text.substr(i, len));
    i += len;
  }
  return out;
}

std::string ToFullWidth(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t len = base::CharLen(text, i);
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const std::uint16_t wide = len == 1 ? kWidthTable.wideOf[c] : 0;
    if (wide != 0) {
      out.push_back(static_cast<char>(wide >> 8));
      out.push_back(static_cast<char>(wide & 0xFF));
    } else {
      out.append(text.substr(i, len));
      if (len == 1 && (c == '{' || c == '}'))
        out.push_back(' ');
    }
    i += len;
  }
  return out;
}

} // namespace

std::string Converted(std::string_view text, Conversion conversion) {
  switch (conversion) {
  case Conversion::HalfWidth:
    return ToHalfWidth(text);
  case Conversion::FullWidth:
    return ToFullWidth(text);
  case Conversion::LowerCase:
    return AnsiLowerCase(text);
  case Conversion::UpperCase:
    return AnsiUpperCase(text);
  }
  return std::string(text);
}

namespace {

// The selection, or the whole text when nothing is selected, in text order;
// the end never passes the last line.
std::pair<TextPos, TextPos> ConvertedRange(const Memo &memo) {
  TextPos from = std::min(memo.SelectionAnchor(), memo.Caret());
  TextPos to = std::max(memo.SelectionAnchor(), memo.Caret());
  const int last = memo.LineCount() - 1;
  if (from == to) {
    from = {0, 0};
    to = {last + 1, 0};
  }
  if (to.line > last)
    to = {last, static_cast<int>(memo.Line(last).size())};
  return {from, to};
}

} // namespace

void ConvertSelection(Memo &memo, Conversion conversion) {
  if (memo.LineCount() == 0)
    return;
  const bool whole = memo.SelectionAnchor() == memo.Caret();
  const auto [from, to] = ConvertedRange(memo);
  std::vector<platform::LineChange> changes;
  TextPos end = to;
  for (int line = from.line; line <= to.line; ++line) {
    const std::string &text = memo.Line(line);
    std::size_t begin = line == from.line ? static_cast<std::size_t>(from.col) : 0;
    std::size_t stop = line == to.line ? static_cast<std::size_t>(to.col) : text.size();
    if (begin < text.size() && base::IsTrailPos(text, begin))
      ++begin;
    if (stop < text.size() && base::IsTrailPos(text, stop))
      --stop;
    if (line == to.line)
      end.col = static_cast<int>(stop);
    if (begin >= stop)
      continue;
    const std::string piece =
        Converted(std::string_view(text).substr(begin, stop - begin), conversion);
    if (line == to.line)
      end.col = static_cast<int>(begin + piece.size());
    if (piece.compare(0, std::string::npos, text, begin, stop - begin) != 0)
      changes.push_back({line, text.substr(0, begin) + piece + text.substr(stop)});
  }
  memo.ReplaceLines(changes);
  memo.SetModified(true);
  memo.SetCaret(whole ? TextPos{0, 0} : end);
}

} // namespace zenpa::editor
