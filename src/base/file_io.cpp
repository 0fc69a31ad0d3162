#include "base/file_io.h"

#include "base/sjis.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace zenpa::base {

std::vector<std::string> SplitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(bytes.substr(start));
      break;
    }
    lines.emplace_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string> &lines) {
  std::size_t total = 0;
  for (const auto &line : lines)
    total += line.size() + 2;
  std::string out;
  out.reserve(total);
  for (const auto &line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

IoResult IoFailure(std::string_view what, const std::string &path) {
  const int code = errno;
  return {false, Sj(what) + " " + path + " (" + std::strerror(code) + ")", code};
}

bool FileExists(const std::string &path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string &path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

IoResult ReadFileBytes(const std::string &path, std::string &bytes) {
  if (DirectoryExists(path)) {
    errno = EISDIR;
    return IoFailure("読み込めません:", path);
  }
  std::FILE *f = std::fopen(path.c_str(), "rb");
  if (!f)
    return IoFailure("読み込めません:", path);
  std::string data;
  char buffer[1 << 16];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
    data.append(buffer, n);
  bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed)
    return IoFailure("読み込めません:", path);
  bytes = std::move(data);
  return {};
}

IoResult ReadLines(const std::string &path, std::vector<std::string> &lines) {
  std::string bytes;
  IoResult r = ReadFileBytes(path, bytes);
  if (r.ok)
    lines = SplitLines(bytes);
  return r;
}

IoResult WriteLines(const std::string &path, const std::vector<std::string> &lines) {
  return WriteFileAtomic(path, JoinLines(lines));
}

} // namespace zenpa::base
