#include "puzzle/play/pattern_text.h"

#include "base/sjis.h"

#include <optional>

namespace zenpa::play {
namespace {

enum class Mark { Skip, Open, Given, EndOfRow, Error };

// The pattern of an address: "_" skipped, "/" ends a row, ".", "-", "0" open,
// "1".."9" given. Each row group starts with a "." that is not a cell (the
// query starts after the first one). Each row group starts with a "." that is not a cell (the
// query starts after the first one).
Mark AddressMark(char c) {
  if (c == '_')
    return Mark::Skip;
  if (c == '/')
    return Mark::EndOfRow;
  if (c == '.' || c == '-' || c == '0')
    return Mark::Open;
  if (c >= '1' && c <= '9')
    return Mark::Given;
  return Mark::Error;
}

PatternReading ReadAddress(std::string_view text) {
  PatternReading r;
  std::size_t start = text.find("?.");
  std::string query(start == std::string_view::npos ? std::string_view{}
                                                    : text.substr(start + 2, 98));
  query += "/";
  int row = 0, col = 0;
  bool rowStart = false; // the "." that opens each later row group is not a cell
  for (char c : query) {
    const Mark m = AddressMark(c);
    if (m == Mark::Skip)
      continue;
    if (rowStart) {
      rowStart = false;
      continue;
    }
    if (m == Mark::EndOfRow) {
      if (++row == 9)
        break;
      col = 0;
      rowStart = true;
      continue;
    }
    if (m == Mark::Error || col == 9) {
      r.fault = PatternFault::BadCharacter;
      return r;
    }
    r.open[static_cast<std::size_t>(row * 9 + col++)] = (m == Mark::Open);
  }
  if (row < 9)
    r.fault = PatternFault::TooShort;
  return r;
}

// A double-byte full-width digit or sign becomes its half-width form.
char HalfWidth(std::string_view ch) {
  const std::string wide = base::Sj("０１２３４５６７８９．－＿，");
  const std::string narrow = "0123456789.-_,";
  for (std::size_t i = 0; i < narrow.size(); ++i) {
    if (wide.compare(2 * i, 2, ch) == 0)
      return narrow[i];
  }
  return '?';
}

// The cell a single-byte character stands for, or nullopt when skipped.
std::optional<int> RowCell(char c, bool csv, bool atNinth) {
  if (c == ' ' || (csv && c == '0'))
    return std::nullopt;
  if (c == '\t')
    return 0;
  if (static_cast<unsigned char>(c) < 0x20) {
    if (csv && atNinth)
      return 0;
    return std::nullopt;
  }
  if (c == '.' || c == '_' || c == '-' || c == ',' || c == '0')
    return 0;
  if (c < '1' || c > '9')
    return kUnreadableCell;
  return c - '0';
}

} // namespace

TextCells ReadTextRows(std::string_view text) {
  TextCells r;
  r.csv = text.find(',') != std::string_view::npos || text.find('\t') != std::string_view::npos ||
          base::FindChars(text, base::Sj("，")) != std::string_view::npos;
  bool skipSeparator = false;
  for (std::size_t i = 0; i < text.size() && r.count < 81;) {
    const std::size_t len = base::CharLen(text, i);
    const char c = len == 2 ? HalfWidth(text.substr(i, 2)) : text[i];
    i += len;
    if (skipSeparator) {
      skipSeparator = false;
      continue;
    }
    const std::optional<int> cell = RowCell(c, r.csv, r.count % 9 == 8);
    if (!cell)
      continue;
    r.cells[static_cast<std::size_t>(r.count++)] = *cell;
    skipSeparator = r.csv && *cell > 0;
  }
  return r;
}

PatternReading ReadPattern(std::string_view text) {
  if (text.find("http://") != std::string_view::npos)
    return ReadAddress(text);
  PatternReading r;
  const TextCells rows = ReadTextRows(text);
  for (int i = 0; i < rows.count; ++i) {
    const int cell = rows.cells[static_cast<std::size_t>(i)];
    if (cell == kUnreadableCell) {
      r.fault = PatternFault::BadCharacter;
      return r;
    }
    r.open[static_cast<std::size_t>(i)] = cell == 0;
  }
  if (rows.count < 81)
    r.fault = PatternFault::TooShort;
  return r;
}

std::string PatternFaultMessage(PatternFault fault) {
  switch (fault) {
  case PatternFault::TooShort:
    return base::Sj("パターンデータが足りません");
  case PatternFault::BadCharacter:
    return base::Sj("パターンデータにエラーがあります");
  case PatternFault::None:
    break;
  }
  return {};
}

} // namespace zenpa::play
