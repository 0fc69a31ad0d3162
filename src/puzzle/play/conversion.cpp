#include "puzzle/play/conversion.h"

#include "base/digits.h"
#include "base/sjis.h"
#include "puzzle/play/pattern_text.h"
#include "puzzle/play/puzzle_file_reader.h"

#include <algorithm>
#include <span>

namespace zenpa::play {
namespace {

constexpr const char *kLineEnd = "\r\n";

bool IsSeparated(ConversionForm form) {
  return form == ConversionForm::Csv || form == ConversionForm::Tab;
}

bool IsAddress(ConversionForm form) {
  return form == ConversionForm::Address || form == ConversionForm::Address2;
}

// One cell of a row in a form, with what follows it inside the row.
std::string CellText(int digit, int column, ConversionForm form) {
  if (IsSeparated(form)) {
    std::string text = digit > 0 ? std::string(1, static_cast<char>('0' + digit)) : "";
    if (column < 8)
      text += form == ConversionForm::Csv ? ',' : '\t';
    return text;
  }
  if (IsAddress(form))
    return digit > 0 ? std::string(1, static_cast<char>('0' + digit)) : "-";
  std::string text(1, static_cast<char>('0' + digit));
  if (form == ConversionForm::Grid9x9S ||
      (form == ConversionForm::Grid9x9C && column % 3 == 2 && column < 8))
    text += ' ';
  return text;
}

std::string RowText(const GridDigits &digits, int row, ConversionForm form) {
  std::string text;
  if (form == ConversionForm::Grid9x9C && (row == 3 || row == 6))
    text += kLineEnd;
  if (IsAddress(form))
    text += '.';
  for (int c = 0; c < 9; ++c)
    text += CellText(digits[static_cast<std::size_t>(9 * row + c)], c, form);
  if (IsAddress(form))
    return text + "/";
  if (form == ConversionForm::OneLine)
    return text;
  return text + kLineEnd;
}

// Cell characters of the pasted cells.
void FillCells(ImportedGrid &grid, std::span<const int> cells) {
  grid.cells.fill(base::zenkaku(10));
  grid.cellCount = static_cast<int>(std::min<std::size_t>(cells.size(), 81));
  for (int i = 0; i < grid.cellCount; ++i) {
    const int cell = cells[static_cast<std::size_t>(i)];
    grid.cells[static_cast<std::size_t>(i)] = base::zenkaku(cell == 0 ? 10 : cell);
    grid.givenCount += cell > 0 ? 1 : 0;
    grid.unreadable |= cell == kUnreadableCell;
  }
}

int AddressCell(char c) {
  if (c == '.' || c == '-' || c == '0')
    return 0;
  if (c >= '1' && c <= '9')
    return c - '0';
  return kUnreadableCell;
}

// The cells of a puzzle address: each row drops its leading "." and ends at
// "/"; "_" is skipped and cells past the ninth of a row are ignored.
std::vector<int> AddressCells(std::string_view text) {
  const std::size_t start = text.find("?.");
  std::string query(start == std::string_view::npos ? std::string_view{}
                                                    : text.substr(start + 2, 98));
  query += "/";
  std::vector<int> cells;
  std::size_t i = 0;
  for (int row = 0; row < 9 && i < query.size(); ++row) {
    if (row > 0)
      ++i; // the row's "."
    int column = 0;
    for (; i < query.size() && query[i] != '/'; ++i) {
      if (query[i] != '_' && column < 9) {
        cells.push_back(AddressCell(query[i]));
        ++column;
      }
    }
    ++i; // the "/"
    if (column < 9)
      break;
  }
  return cells;
}

// The pasted text without a first line holding "C=".
std::string_view WithoutCommentLine(std::string_view text) {
  const std::size_t end = text.find('\n');
  const std::string_view first = text.substr(0, end);
  if (first.find("C=") == std::string_view::npos)
    return text;
  return end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
}

bool ConfirmImport(ImportContext &ctx) {
  if (ctx.memo.LineCount() == 0)
    return true;
  using platform::Answer;
  using platform::Buttons;
  if (!ctx.append) {
    const Answer a =
        ctx.host.Message(base::Sj("テキストをすべて消去してよいですか？"),
                         base::Sj("数独作成（新規）"), Buttons::OkCancel, platform::Icon::Question);
    if (a != Answer::Ok)
      return false;
    ctx.memo.SetLines({});
    return true;
  }
  const bool atEnd = ctx.place == editor::InsertionPlace::AtEnd;
  const Answer a =
      ctx.host.Message(base::Sj(atEnd ? "文末に数独を追加します" : "ここに数独を挿入します"),
                       base::Sj(atEnd ? "数独作成(追加)" : "数独作成(挿入)"), Buttons::OkCancel);
  return a == Answer::Ok;
}

} // namespace

std::string FormMarker(ConversionForm form) {
  switch (form) {
  case ConversionForm::Grid9x9:
    return "9x9";
  case ConversionForm::Grid9x9S:
    return "9x9S";
  case ConversionForm::Grid9x9C:
    return "9x9C";
  case ConversionForm::OneLine:
    return "1gyo";
  case ConversionForm::Csv:
    return "CSV";
  case ConversionForm::Tab:
    return "TAB";
  case ConversionForm::Address:
  case ConversionForm::Address2:
    break;
  }
  return "RUPINA";
}

std::optional<ConversionForm> FormOfName(std::string_view name) {
  static constexpr std::pair<std::string_view, ConversionForm> kNames[] = {
      {"9x9", ConversionForm::Grid9x9},   {"9x9S", ConversionForm::Grid9x9S},
      {"9x9C", ConversionForm::Grid9x9C}, {"1gyo", ConversionForm::OneLine},
      {"csv", ConversionForm::Csv},       {"tab", ConversionForm::Tab},
      {"url", ConversionForm::Address},   {"url2", ConversionForm::Address2}};
  for (const auto &[text, form] : kNames) {
    if (text == name)
      return form;
  }
  return std::nullopt;
}

ConversionForm GridButtonForm(bool shift, bool ctrl) {
  if (shift && ctrl)
    return ConversionForm::OneLine;
  if (ctrl)
    return ConversionForm::Grid9x9C;
  return shift ? ConversionForm::Grid9x9S : ConversionForm::Grid9x9;
}

std::string ConvertDigits(const GridDigits &digits, ConversionForm form,
                          const AddressEndpoints &endpoints) {
  std::string text;
  if (form == ConversionForm::Address)
    text = endpoints.first;
  if (form == ConversionForm::Address2)
    text = endpoints.second;
  for (int row = 0; row < 9; ++row)
    text += RowText(digits, row, form);
  return text;
}

std::optional<std::string> ConvertGridAtCaret(platform::Memo &memo, ConversionForm form,
                                              const AddressEndpoints &endpoints) {
  const std::optional<GridReading> grid = yomitori(memo);
  if (!grid)
    return std::nullopt;
  memo.ScrollToLine(std::max(0, grid->topLine - 2));
  return ConvertDigits(grid->digits, form, endpoints);
}

ImportedGrid ReadImportText(std::string_view text) {
  ImportedGrid grid;
  grid.marker = "9x9";
  if (text.find("http://") != std::string_view::npos) {
    FillCells(grid, AddressCells(text));
    return grid;
  }
  const TextCells rows = ReadTextRows(WithoutCommentLine(text));
  if (rows.csv)
    grid.marker = "CSV";
  FillCells(grid, std::span<const int>(rows.cells.data(), static_cast<std::size_t>(rows.count)));
  return grid;
}

bool ImportGrid(ImportContext &ctx, std::string_view text) {
  if (!ConfirmImport(ctx))
    return false;
  const ImportedGrid grid = ReadImportText(text);
  PuzzleBlockWriter &w = ctx.writer;
  w.WriteTitle();
  const std::vector<std::string> block = GridBlockLines(grid.cells);
  const int rows = (grid.cellCount + 8) / 9;
  for (int i = 0; i <= 2 * rows; ++i)
    w.WriteLine(block[static_cast<std::size_t>(i)]);
  if (grid.cellCount < 81) {
    ctx.host.Message(MissingDataMessage());
  } else {
    w.hint(std::to_string(grid.givenCount));
    w.asobikata();
    w.kaigyo();
  }
  if (grid.unreadable)
    ctx.host.Message(DataErrorMessage());
  return true;
}

} // namespace zenpa::play
