// Reading and writing whole files of Shift-JIS text lines.
//
// Files hold lines that end in CR LF. Reading splits on CR LF only (a lone CR
// or LF stays inside its line); a last line without CR LF is a line too, and
// an empty file has no lines. Writing ends every line with CR LF, so a file
// whose lines all end in CR LF is reproduced byte for byte.
//
// Writing never destroys the previous file when it fails: the text goes to a
// temporary file beside the target, which is renamed into place at the end.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zenpa::base {

struct IoResult {
  bool ok = true;
  std::string error; // a short reason in Shift-JIS, empty when ok
};

std::vector<std::string> SplitLines(std::string_view bytes);
std::string JoinLines(const std::vector<std::string> &lines);

// Reads the whole file. Missing files, directories and unreadable files fail.
IoResult ReadFileBytes(const std::string &path, std::string &bytes);
IoResult ReadLines(const std::string &path, std::vector<std::string> &lines);

// Writes through a temporary file renamed into place.
IoResult WriteFileAtomic(const std::string &path, std::string_view bytes);
IoResult WriteLines(const std::string &path, const std::vector<std::string> &lines);

bool FileExists(const std::string &path);      // a regular file
bool DirectoryExists(const std::string &path); // a directory

} // namespace zenpa::base
