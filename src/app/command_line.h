// The desktop program's command line: "/v" or "/V" (start in the enlarged
// text view), "/k" or "/K" (never write print-format files) and file names.
// A name of an existing file with the extension ".nbp" (any case) is a
// puzzle file, any other existing file the document; a later file of the same
// kind replaces an earlier one. Anything else is ignored.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace zenpa::app {

struct CommandLine {
  bool enlarge = false; // "/v"
  bool kMode = false;   // "/k"
  std::string docFileName;
  std::string puzzleFileName;
};

// args are the arguments after the program name, Shift-JIS bytes.
// fileExists tells whether a name is an existing file.
CommandLine ParseCommandLine(const std::vector<std::string> &args,
                             const std::function<bool(const std::string &)> &fileExists);

// Upper-cases the single-byte letters of Shift-JIS text s (file extensions).
std::string UpperAscii(std::string s);

} // namespace zenpa::app
