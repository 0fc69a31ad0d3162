// The preview of the puzzle data viewer: what a puzzle file holds, read the
// viewer's way, which differs from the loader's. Texts are Shift-JIS bytes.
//
// A file is read line by line:
//  - lines starting "C=" or "T=" are skipped; an "A=" line never gives rows,
//    and after the first puzzle it marks the file as holding answers;
//  - other lines shorter than 8 bytes or holding a double-byte character
//    are skipped;
//  - in a ".csv" file, or in a line holding a tab (that line alone), the
//    line is first rebuilt from its nine separated fields;
//  - a row trimmed of spaces must be 9..17 bytes; its cells are ".", "0",
//    "-", "_" (empty), "1".."9" (clues) or anything else, which marks the
//    file as having errors: it previews, but does not load.
// Every nine rows make one puzzle; a later puzzle with all 81 cells filled
// is an answer.
//
// The preview reads at most kPreviewByteLimit bytes of a file, so a huge or
// binary file never holds up the window; its counts then cover that part.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zenpa::play {

inline constexpr std::size_t kPreviewByteLimit = 1 << 20;
// The raw preview shows the first lines up to the end of the first puzzle,
// at most this many, each cut to kRawLineBytes.
inline constexpr int kRawPreviewLines = 30;
inline constexpr std::size_t kRawLineBytes = 200;

struct ViewerPreview {
  // The first puzzle as the board shows it: nine white rows of nine
  // characters ("１".."９", "　" empty, "Ｅ" unreadable) and nine teal rows
  // ("・" in each empty cell, "　" elsewhere), 18 bytes each.
  std::array<std::string, 9> clueRows;
  std::array<std::string, 9> openRows;
  bool firstComplete = false;
  int firstClues = 0;
  int puzzles = 0;
  bool hasAnswer = false; // "+Answer"
  bool error = false;     // some cell was unreadable: loading is refused
  bool cut = false;       // the file is longer than what was read
  std::vector<std::string> rawLines;
};

// What to read: the whole preview, or only up to the end of the first
// puzzle (the duplicate check).
enum class PreviewDepth { Full, FirstPuzzle };

// Builds a preview from lines fed in file order.
class PreviewBuilder {
public:
  // kind: the file's extension upper-cased without its dot, cut to three.
  explicit PreviewBuilder(std::string kind) : kind_(std::move(kind)) {}
  void AddLine(std::string_view line);
  const ViewerPreview &Result() const { return preview_; }

private:
  void AddRow(std::string_view row);

  std::string kind_;
  ViewerPreview preview_;
  int row_ = 0;
  int clues_ = 0;
};

// The kind of a file name: "a.csv" -> "CSV", "b.nbpx" -> "NBP".
std::string PreviewKind(const std::string &path);

// The preview of a file; an empty preview (no puzzle) when it is not a
// readable regular file.
ViewerPreview PreviewFile(const std::string &path, PreviewDepth depth = PreviewDepth::Full);

// N + "clues" once the first puzzle is complete, else empty; N + "page",
// and for a file read only in part, that N is a lower bound counted in the
// first kPreviewByteLimit bytes.
std::string CluesText(const ViewerPreview &preview);
std::string PageText(const ViewerPreview &preview);

} // namespace zenpa::play
