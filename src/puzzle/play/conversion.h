// The conversion panel: the grid nearest the caret as text in one of the
// textual forms, and a grid made from pasted text or a puzzle address.
// All text is Shift-JIS; lines of the output end in CR LF.
//
// Forms: "9x9" nine lines of nine digits ("0" empty); "9x9S" every digit
// followed by a space; "9x9C" a space after cells 3 and 6 and an empty line
// before rows 4 and 7; "1gyo" all 81 digits on one line; "CSV"/"TAB" the
// cells joined by "," or a tab, an empty cell as an empty field; the puzzle
// address: an endpoint ending in "/sudoku/?", then per row "." + nine
// characters ("-" empty) + "/".
#pragma once

#include "editor/insertion.h"
#include "platform/host.h"
#include "platform/memo.h"
#include "puzzle/play/grid_text.h"
#include "puzzle/play/puzzle_block.h"

#include <optional>
#include <string>
#include <string_view>

namespace zenpa::play {

enum class ConversionForm { Grid9x9, Grid9x9S, Grid9x9C, OneLine, Csv, Tab, Address, Address2 };

// The two puzzle address endpoints (configuration).
struct AddressEndpoints {
  std::string first = "http://sudoku.example.org/sudoku/?";
  std::string second = "http://sudoku2.example.net/sudoku/?";
};

// The format marker of a form: "9x9", "9x9S", "9x9C", "1gyo", "CSV", "TAB",
// "RUPINA" (both address forms).
std::string FormMarker(ConversionForm form);

// A form by its command-line name: 9x9, 9x9S, 9x9C, 1gyo, csv, tab, url, url2.
std::optional<ConversionForm> FormOfName(std::string_view name);

// The form of the "数独をデータに変換" button with Shift and Ctrl held.
ConversionForm GridButtonForm(bool shift, bool ctrl);

// The text of a grid in a form.
std::string ConvertDigits(const GridDigits &digits, ConversionForm form,
                          const AddressEndpoints &endpoints);

// Converts the grid nearest the caret and scrolls the document so the
// grid's top border is two lines below the top of the view; nullopt when
// the document has no grid.
std::optional<std::string> ConvertGridAtCaret(platform::Memo &memo, ConversionForm form,
                                              const AddressEndpoints &endpoints);

// A grid read from pasted text or an address.
struct ImportedGrid {
  GridCells cells;   // "１".."９", "　", "Ｅ"
  int cellCount = 0; // cells read (81 when complete)
  int givenCount = 0;
  bool unreadable = false;
  std::string marker; // "9x9" or "CSV"
};

// Reads pasted text: a puzzle address when it holds "http://" (after the
// first "?.", at most 98 characters and a final "/"; each row drops its
// leading ".", "_" is skipped, ".", "-", "0" are empty), otherwise rows of
// cells, with a first line holding "C=" left out.
ImportedGrid ReadImportText(std::string_view text);

// "データから数独作成" with the panel's switches.
struct ImportContext {
  platform::Memo &memo;
  platform::Host &host;
  PuzzleBlockWriter &writer;
  bool append = false; // CheckBox8
  editor::InsertionPlace place = editor::InsertionPlace::AtEnd;
};

// Asks before touching a document with lines (empties it when not
// appending), then writes the puzzle block of the text at the insertion
// line. An incomplete grid stays as far as it was read, with "データが足りません";
// unreadable cells, also in an incomplete grid, are reported afterwards with
// "データにエラーがあります". False when cancelled; otherwise the window lays the
// document out again and gives it the focus.
bool ImportGrid(ImportContext &ctx, std::string_view text);

} // namespace zenpa::play
