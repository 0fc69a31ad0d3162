// File names (Shift-JIS bytes, which are also the bytes the file system sees).
#pragma once

#include <string>

namespace zenpa::base {

// A name without a directory part gets the current directory in front; any
// other name is returned unchanged.
std::string FullPathOf(const std::string &name, const std::string &currentDir);
std::string FullPathOf(const std::string &name); // against the process's current directory

std::string CurrentDirectory();
bool SetCurrentDirectory(const std::string &dir);

std::string ExtractFileName(const std::string &path); // "dir/a.txt" -> "a.txt"
std::string ExtractFileDir(const std::string &path);  // "dir/a.txt" -> "dir", "" without a dir
std::string ExtractFileExt(const std::string &path);  // "a.txt" -> ".txt", "" without one
std::string ChangeFileExt(const std::string &path, const std::string &ext); // ext with its dot

} // namespace zenpa::base
