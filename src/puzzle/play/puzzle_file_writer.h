// Writing puzzle files from the grids of the document.
//
// Plain dialect (".nbp"): for every grid, nine lines of nine characters "0".."9"
// ("0" empty), then an empty line. CSV dialect (".csv"): the same rows with the
// nine cells joined by "," and an empty cell as an empty field. When the
// document has fewer than 35 lines and the stored answer of a completed game
// is the answer of its one grid, the answer's nine rows follow in the same
// dialect. Lines end in CR LF.
#pragma once

#include "base/file_io.h"
#include "puzzle/play/grid_text.h"

#include <string>
#include <vector>

namespace zenpa::platform {
class Memo;
}

namespace zenpa::play {

enum class PuzzleDialect { Plain, Csv };

// The dialect of a file name: CSV when the first three characters of its
// extension are "csv" (any case: ".csv", ".CSV", ".csvx").
PuzzleDialect DialectOfFile(const std::string &path);

// The grids of the document in writing order: a grid starts at the first
// line holding "┃" (its first row, rows two lines apart; the "┃"'s byte
// position is the column of all nine rows) and the scan goes on 17 lines
// further. Cells read "１".."９" as givens, anything else as empty.
std::vector<GridDigits> ScanGrids(const platform::Memo &memo);

// The nine rows of one grid in a dialect.
std::vector<std::string> PuzzleFileRows(const GridDigits &grid, PuzzleDialect dialect);

// Lines of a puzzle file. completedAnswer holds 81 digits, or is empty.
std::vector<std::string> PuzzleFileLines(const platform::Memo &memo, PuzzleDialect dialect,
                                         const std::string &completedAnswer);

// Writes the file (through a temporary file renamed into place).
base::IoResult WritePuzzleFile(const std::string &path, const platform::Memo &memo,
                               PuzzleDialect dialect, const std::string &completedAnswer);

} // namespace zenpa::play
