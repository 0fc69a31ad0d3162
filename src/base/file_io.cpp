#include "base/file_io.h"

#include "base/sjis.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zenpa::base {
namespace {

IoResult Failure(const std::string &what, const std::string &path) {
  return {false, Sj(what) + " " + path + " (" + std::strerror(errno) + ")"};
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR)
        continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

} // namespace

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
    return Failure("読み込めません:", path);
  }
  std::FILE *f = std::fopen(path.c_str(), "rb");
  if (!f)
    return Failure("読み込めません:", path);
  std::string data;
  char buffer[1 << 16];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
    data.append(buffer, n);
  bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed)
    return Failure("読み込めません:", path);
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

IoResult WriteFileAtomic(const std::string &path, std::string_view bytes) {
  std::string temp = path + ".zenpa-tmp";
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0)
    return Failure("保存できません:", path);
  struct stat old {};
  if (::stat(path.c_str(), &old) == 0)
    ::fchmod(fd, old.st_mode & 07777);
  bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (!ok || ::rename(temp.c_str(), path.c_str()) != 0) {
    IoResult r = Failure("保存できません:", path);
    ::unlink(temp.c_str());
    return r;
  }
  return {};
}

IoResult WriteLines(const std::string &path, const std::vector<std::string> &lines) {
  return WriteFileAtomic(path, JoinLines(lines));
}

} // namespace zenpa::base
