// Format files: the print-format record as Shift-JIS text lines ending in
// CR LF (a document's ".zpf", the initial settings "zenpa.ini", the puzzle
// format "nbpzpf.zpf").
//
// Line 1 is a header that readers never look at. Every further line is a
// value, a comma and a comment; a reader finds the setting by the first six
// bytes of the comment (its key), so lines may come in any order, unknown
// lines are skipped, and the keys of older files are understood too.
//
// What is written depends on the kind of file and on the option menus shown:
//  - the print settings, always (a puzzle format leaves out the settings that
//    belong to a document: page-number start, marks, font face and colour,
//    editor and menu options, frame colour, page-break mark, preview zoom);
//  - the puzzle options, title and how-to-play lines: in "zenpa.ini", in a
//    puzzle format, or while the puzzle menu is shown; a puzzle format then
//    repeats the how-to-play reduction line and ends;
//  - the puzzle conditions and auto-record settings: in "zenpa.ini" or while
//    the puzzle menu is shown, their details only while their panels are shown;
//  - the drill options: in "zenpa.ini" or while the drill menu is shown.
#pragma once

#include "platform/font_catalog.h"
#include "platform/host.h"
#include "settings/print_format.h"

#include <functional>
#include <string>
#include <vector>

namespace zenpa::settings {

enum class FormatFileKind {
  Document,        // a document's format or any other name: header "※書式"
  InitialSettings, // exactly programDir + "zenpa.ini": header "※初期設定"
  Puzzle,          // a file name beginning with "nbpzpf": header "※数独書式"
};

// The kind of format file path names. programDir ends in a separator.
FormatFileKind KindOfFormatFile(const std::string &path, const std::string &programDir);

// True when the file name (without directory) begins with "nbpzpf".
bool IsPuzzleFormatName(const std::string &path);

struct SaveContext {
  std::string programDir;  // with a trailing separator
  int dpi = 360;           // resolution the margins are held in
  int headerMm = 0;        // height of the header lines (HeaderMm), shown with the top margin
  int paperWidthMm = 210;  // the paper in use, shown beside its code; keep the record's
  int paperHeightMm = 297; // paperSize and orientation equal to that paper before saving
};

// The lines of a format file, header first, without line ends.
std::vector<std::string> FormatFileLines(const PrintFormat &format, FormatFileKind kind,
                                         const SaveContext &ctx);

// Writes the format file through a temporary file renamed into place, so a
// failed write leaves the previous file as it was. On failure the message
// "書式が保存できません" is shown with the path and the reason on a second
// line, and false returned.
bool Savezpf(const std::string &path, const PrintFormat &format, const SaveContext &ctx,
             platform::Host &host);

struct LoadContext {
  std::string programDir;     // with a trailing separator
  FormatEnvironment env;      // resolution and offsets for the margins; window for the editor
  bool soundAvailable = true; // the game sound lines apply only while sounds exist
  // Puzzle formats only: true when the face draws the grid's ruled lines and
  // its digit rows at different widths; the format then falls back to
  // "ＭＳ ゴシック" when that face is installed. Unset: no check.
  std::function<bool(const std::string &face)> gridMisaligned;
  const platform::FontCatalog *fonts = nullptr;
};

enum class LoadOutcome {
  Loaded,     // read to the end
  Missing,    // no such file: nothing changed, nothing shown
  Unreadable, // a directory or a file that cannot be read: nothing changed
  Stopped,    // a bad line: the lines before it stay applied
};

struct LoadResult {
  LoadOutcome outcome = LoadOutcome::Loaded;
  std::string path;    // the file read, after the program-directory fallback
  int line = 0;        // 1-based line where reading stopped
  std::string message; // Shift-JIS text shown to the user, empty when none
};

// Applies the lines of a format file (header first) to format: the core of
// Loadzpf without files or messages. The result's message says why reading
// stopped.
LoadResult ApplyFormatLines(PrintFormat &format, const std::vector<std::string> &lines,
                            const LoadContext &ctx);

// Loads a format file into format. A missing "nbpzpf.zpf" is looked for in
// the program directory; any other missing file changes nothing. Failures
// are shown through host. After a load (even a stopped one) the caller
// refreshes what depends on the format: mark and title panels, solver
// options, the printer's paper, paper edges, the preview frame, and the
// even-page shift when duplex or pouch binding is on.
LoadResult Loadzpf(const std::string &path, PrintFormat &format, const LoadContext &ctx,
                   platform::Host &host);

} // namespace zenpa::settings
