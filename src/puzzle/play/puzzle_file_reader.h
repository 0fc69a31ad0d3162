// Reading puzzle files (".nbp", ".nbc", ".csv", ".txt" or any other name)
// into puzzle blocks of the document. All text is Shift-JIS.
//
// A file is read line by line (lines end in CR LF, LF or CR):
//  - lines starting "C=" or "T=" (comments, titles) are skipped;
//  - an "A=" line holds the next nine rows in its characters 3..83, nine
//    characters each;
//  - lines shorter than 8 bytes or holding a double-byte character are
//    skipped;
//  - a tab in a line switches the rest of the file to the comma/tab dialect,
//    where a row is first rebuilt as nine cell characters;
//  - any other line is a candidate row: trimmed of spaces it must be 9..17
//    bytes; its nine cells (spaces before each skipped) are ".", "0", "-",
//    "_" for empty, "1".."9" for givens, anything else (also a cell missing
//    at the end of a short spaced row) an unreadable cell, shown as "Ｅ".
// Every nine rows make one grid.
#pragma once

#include "platform/host.h"
#include "platform/memo.h"
#include "puzzle/play/grid_text.h"
#include "puzzle/play/puzzle_block.h"
#include "puzzle/play/puzzle_file_writer.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zenpa::play {

// One grid as read: cell characters ("１".."９", "　", "Ｅ") and its givens.
struct ReadGrid {
  GridCells cells;
  GridDigits givens{};
  int givenCount = 0;
};

struct PuzzleFileContent {
  std::vector<ReadGrid> grids;
  int leftoverRows = 0;         // rows of an unfinished last grid
  bool unreadableCells = false; // some cell was neither empty nor a digit
};

// Whether a line holds a double-byte character (such lines are no rows).
bool HasDoubleByteChar(std::string_view line);

// The nine cell characters of a row of the comma/tab dialect.
std::string RebuildSeparatedRow(std::string_view line);

// The cells of a candidate row (0 empty, 1..9, kUnreadableCell), or nullopt
// when the row is not 9..17 bytes long once trimmed of spaces.
std::optional<std::array<int, 9>> ReadCandidateRow(std::string_view row);

// The lines of a file's bytes: a line ends at CR LF, LF or CR, so files
// written on any system read alike.
std::vector<std::string> SplitFileLines(std::string_view bytes);

// The lines of a file; nullopt with the reason in error when it cannot be
// read.
std::optional<std::vector<std::string>> ReadFileLines(const std::string &path, std::string &error);

// Reads the lines of a puzzle file.
PuzzleFileContent ReadPuzzleLines(const std::vector<std::string> &lines, PuzzleDialect dialect);

// "データが足りません", "データにエラーがあります".
const std::string &MissingDataMessage();
const std::string &DataErrorMessage();

// Grades a grid just written to the document (read from the file at path)
// and waits for the level-check key; returns the key (13 Enter goes on, 27
// Escape stops reading).
using LevelCheck = std::function<int(const ReadGrid &grid, const std::string &path)>;

// What one reading works with.
struct PuzzleReadContext {
  platform::Memo &memo;
  platform::Host &host;
  PuzzleBlockWriter &writer;
  LevelCheck levelCheck; // empty: no level check
};

enum class ReadOutcome { Read, Stopped, Failed };

// Reads a file into puzzle blocks at the insertion line, then reports an
// unfinished grid or unreadable cells. Stopped: Escape during level check.
// Failed: the file could not be read (the reason is shown).
ReadOutcome ReadPuzzleFile(PuzzleReadContext &ctx, const std::string &path);

// Writes the grids of content (read from path) as puzzle blocks: a full grid
// only when "答えも付加" is ticked, and never with a clue line or how-to-play
// block. Returns false when the level check stopped with Escape; the block of
// the puzzle it stopped on is still completed.
bool WriteReadGrids(PuzzleReadContext &ctx, const PuzzleFileContent &content,
                    const std::string &path);

// The print format for puzzles "nbpzpf.zpf" is applied before loading or
// generating when the switch is on, the document is not appended to and
// the current format file is not already that file.
bool PuzzleFormatDue(bool autoApplyOn, bool append, const std::string &currentFormatFile,
                     const std::string &programDir);
std::string PuzzleFormatPath(const std::string &programDir); // programDir + "nbpzpf.zpf"

} // namespace zenpa::play
