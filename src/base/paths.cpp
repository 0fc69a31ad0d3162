#include "base/paths.h"

#include <unistd.h>
#include <vector>

namespace zenpa::base {
namespace {

std::size_t NameStart(const std::string &path) {
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? 0 : slash + 1;
}

} // namespace

std::string FullPathOf(const std::string &name, const std::string &currentDir) {
  if (name.find('/') != std::string::npos)
    return name;
  if (currentDir.empty() || currentDir.back() == '/')
    return currentDir + name;
  return currentDir + "/" + name;
}

std::string FullPathOf(const std::string &name) { return FullPathOf(name, CurrentDirectory()); }

std::string CurrentDirectory() {
  std::vector<char> buf(4096);
  while (::getcwd(buf.data(), buf.size()) == nullptr) {
    if (buf.size() > (1u << 20))
      return ".";
    buf.resize(buf.size() * 2);
  }
  return buf.data();
}

bool SetCurrentDirectory(const std::string &dir) { return ::chdir(dir.c_str()) == 0; }

std::string ExtractFileName(const std::string &path) { return path.substr(NameStart(path)); }

std::string ExtractFileDir(const std::string &path) {
  std::size_t start = NameStart(path);
  if (start == 0)
    return "";
  if (start == 1)
    return "/";
  return path.substr(0, start - 1);
}

std::string ExtractFileExt(const std::string &path) {
  std::size_t start = NameStart(path);
  std::size_t dot = path.rfind('.');
  if (dot == std::string::npos || dot < start)
    return "";
  return path.substr(dot);
}

std::string ChangeFileExt(const std::string &path, const std::string &ext) {
  std::size_t start = NameStart(path);
  std::size_t dot = path.rfind('.');
  if (dot == std::string::npos || dot < start)
    return path + ext;
  return path.substr(0, dot) + ext;
}

} // namespace zenpa::base
