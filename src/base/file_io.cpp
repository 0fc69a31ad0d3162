#include "base/file_io.h"

#include "base/sjis.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace zenpa::base {

std::string_view LineEndBytes(LineEnd end) {
  if (end == LineEnd::Lf)
    return "\n";
  if (end == LineEnd::Cr)
    return "\r";
  return "\r\n";
}

LineEnd DetectLineEnd(std::string_view bytes) {
  const std::size_t at = bytes.find_first_of("\r\n");
  if (at == std::string_view::npos)
    return LineEnd::CrLf;
  if (bytes[at] == '\n')
    return LineEnd::Lf;
  if (at + 1 < bytes.size() && bytes[at + 1] == '\n')
    return LineEnd::CrLf;
  return LineEnd::Cr;
}

std::vector<std::string> SplitLines(std::string_view bytes, LineEnd end) {
  const std::string_view separator = LineEndBytes(end);
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t stop = bytes.find(separator, start);
    if (stop == std::string_view::npos) {
      lines.emplace_back(bytes.substr(start));
      break;
    }
    lines.emplace_back(bytes.substr(start, stop - start));
    start = stop + separator.size();
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string> &lines, LineEnd end) {
  const std::string_view separator = LineEndBytes(end);
  std::size_t total = 0;
  for (const auto &line : lines)
    total += line.size() + separator.size();
  std::string out;
  out.reserve(total);
  for (const auto &line : lines) {
    out += line;
    out += separator;
  }
  return out;
}

std::string ReasonText(int errorNumber) {
  switch (errorNumber) {
  case ENOENT:
  case ENOTDIR:
    return Sj("ファイルまたはフォルダーがありません");
  case EACCES:
  case EPERM:
    return Sj("アクセスが許可されていません");
  case EISDIR:
    return Sj("フォルダーです");
  case ENOSPC:
  case EDQUOT:
    return Sj("ディスクに空きがありません");
  case EROFS:
    return Sj("読み取り専用のファイルシステムです");
  case EFBIG:
    return Sj("ファイルが大きすぎます");
  default:
    return std::strerror(errorNumber);
  }
}

IoResult IoFailure(std::string_view what, const std::string &path) {
  const int code = errno;
  return {false, Sj(what) + " " + path + " (" + ReasonText(code) + ")", code};
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

IoResult ReadTextLines(const std::string &path, std::vector<std::string> &lines, LineEnd &end) {
  std::string bytes;
  IoResult r = ReadFileBytes(path, bytes);
  if (!r.ok)
    return r;
  end = DetectLineEnd(bytes);
  lines = SplitLines(bytes, end);
  return r;
}

IoResult WriteLines(const std::string &path, const std::vector<std::string> &lines, LineEnd end) {
  return WriteFileAtomic(path, JoinLines(lines, end));
}

} // namespace zenpa::base
