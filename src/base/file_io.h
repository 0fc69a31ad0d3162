// Reading and writing whole files of Shift-JIS text lines.
//
// Files hold lines that end in CR LF. Reading splits on CR LF only (a lone CR
// or LF stays inside its line); a last line without CR LF is a line too, and
// an empty file has no lines. Writing ends every line with CR LF, so a file
// whose lines all end in CR LF is reproduced byte for byte.
//
// Documents may come from other systems with LF (the usual form on Linux) or
// a lone CR instead. Their reading takes the form of the file's first line
// end and splits on that form only; any other line-end byte stays inside its
// line, so writing the lines back with the same form gives the same bytes.
//
// Writing never destroys the previous file when it fails: the text goes to a
// temporary file beside the target, which is renamed into place at the end
// (see WriteFileAtomic for links and write-protected files).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zenpa::base {

struct IoResult {
  bool ok = true;
  std::string error;   // the path and the system's reason in Shift-JIS, empty when ok
  int errorNumber = 0; // the system's error code (errno) of a failure, when there is one
};

enum class LineEnd { CrLf, Lf, Cr };

// The bytes that end a line of that form.
std::string_view LineEndBytes(LineEnd end);
// The form of the first line end in the bytes; CR LF when there is none.
LineEnd DetectLineEnd(std::string_view bytes);

std::vector<std::string> SplitLines(std::string_view bytes, LineEnd end = LineEnd::CrLf);
std::string JoinLines(const std::vector<std::string> &lines, LineEnd end = LineEnd::CrLf);

// Reads the whole file. Missing files, directories and unreadable files fail.
IoResult ReadFileBytes(const std::string &path, std::string &bytes);
IoResult ReadLines(const std::string &path, std::vector<std::string> &lines);
// A document's lines, split on the form of its first line end, which is
// returned in end.
IoResult ReadTextLines(const std::string &path, std::vector<std::string> &lines, LineEnd &end);

// Writes the file so that a failure at any step keeps the previous one:
//  - the text goes to a uniquely named temporary file beside the target, is
//    flushed to the disk and renamed into place, and the folder is flushed so
//    that a crash keeps either the old file or the new one;
//  - a symbolic link stays a link: the file it leads to is written;
//  - a file with more than one name (hard links) is written in place, so
//    every name sees the new text; a copy of the old text is kept beside it
//    until the write has succeeded, and put back when it fails;
//  - a write-protected file is refused, not replaced;
//  - a folder that cannot take the temporary file is named in the error;
//  - a FIFO, a terminal or another character device is written directly,
//    and an open stream of this process (/dev/stdout) where it stands; other
//    files that are not regular (folders, block devices) are refused, and so
//    is a chain of links that never ends, each with its reason;
//  - temporary files left beside the document by a save whose process died
//    are removed after the next successful save.
IoResult WriteFileAtomic(const std::string &path, std::string_view bytes);
IoResult WriteLines(const std::string &path, const std::vector<std::string> &lines,
                    LineEnd end = LineEnd::CrLf);

// A failure: what (UTF-8 text, shown in Shift-JIS), the path and the
// reason for the current errno (ReasonText). These texts are for the window;
// the command line words its messages itself from errorNumber.
IoResult IoFailure(std::string_view what, const std::string &path);

// The reason of a system error in Shift-JIS: Japanese for the common causes
// (no such file or folder, permission denied, is a folder, disk full,
// read-only file system, file too large), the system's own text otherwise.
std::string ReasonText(int errorNumber);

bool FileExists(const std::string &path);      // a regular file
bool DirectoryExists(const std::string &path); // a directory

} // namespace zenpa::base
