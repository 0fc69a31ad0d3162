// Saving a whole file so that a failure never costs the previous one: through
// a temporary file renamed into place, or in place with a copy kept aside for
// files with several names. See WriteFileAtomic in file_io.h.
#include "base/file_io.h"

#include "base/sjis.h"

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace zenpa::base {
namespace {

constexpr const char *kCannotSave = "保存できません:";
constexpr int kMaxLinkDepth = 40;  // as the system follows them
constexpr int kNameAttempts = 100; // unique names tried before giving up

std::string DirectoryOf(const std::string &path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos)
    return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The descriptor a path of this process's descriptor folder names
// (/proc/self/fd/1, which /dev/stdout and /dev/fd/1 lead to), or -1. Such a
// link names an open stream, not a file to replace: the shell may have opened
// it for appending, or it may be a pipe or a terminal.
int OwnDescriptor(const std::string &path) {
  char folder[PATH_MAX];
  if (::realpath(DirectoryOf(path).c_str(), folder) == nullptr)
    return -1;
  if (std::string(folder) != "/proc/" + std::to_string(::getpid()) + "/fd")
    return -1;
  const std::string name = path.substr(path.rfind('/') + 1);
  if (name.empty() || name.size() > 9 || name.find_first_not_of("0123456789") != std::string::npos)
    return -1;
  return std::stoi(name);
}

// Where a path leads: the file a chain of symbolic links ends in (which need
// not exist yet), or an open descriptor of this process. A chain that does
// not end (a loop) fails with ELOOP.
struct Destination {
  std::string path;
  int descriptor = -1;
  bool resolved = true;
};

Destination LinkTarget(std::string path) {
  char buffer[PATH_MAX];
  for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
    if (const int fd = OwnDescriptor(path); fd >= 0)
      return {path, fd};
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
      return {path};
    const ssize_t n = ::readlink(path.c_str(), buffer, sizeof buffer);
    if (n <= 0)
      return {path};
    const std::string link(buffer, static_cast<std::size_t>(n));
    path = link.front() == '/' ? link : DirectoryOf(path) + "/" + link;
  }
  errno = ELOOP;
  return {path, -1, false};
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR)
        continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Writes the bytes, flushes them to the disk and closes fd; errno tells the
// first failure.
bool WriteAndClose(int fd, std::string_view bytes) {
  const bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  return ::close(fd) == 0 && ok;
}

// Replaces the file's text where it lies (every name of it sees the change).
bool Overwrite(const std::string &path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0)
    return false;
  const bool ok = WriteAll(fd, bytes) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0;
  return WriteAndClose(fd, "") && ok;
}

// A new file beside path under a name no other save (of this or another
// process) uses; its descriptor, or -1 with errno set.
int CreateBeside(const std::string &path, std::string &name) {
  const auto clock = std::chrono::steady_clock::now().time_since_epoch().count();
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    char suffix[64];
    std::snprintf(suffix, sizeof suffix, ".zenpa-%ld-%llx", static_cast<long>(::getpid()),
                  static_cast<unsigned long long>(clock) + static_cast<unsigned>(attempt));
    name = path + suffix;
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST)
      return fd;
  }
  return -1;
}

// The folder did not take a new file: a refusal names the folder.
IoResult CreateFailure(const std::string &path) {
  if (errno == EACCES || errno == EPERM || errno == EROFS)
    return IoFailure("フォルダーに書き込めません:", DirectoryOf(path));
  return IoFailure(kCannotSave, path);
}

// After a rename the folder's entry is flushed too, so that a crash keeps
// either the old file or the new one.
void SyncDirectory(const std::string &dir) {
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0)
    return;
  ::fsync(fd);
  ::close(fd);
}

IoResult ReplaceByRename(const std::string &path, std::string_view bytes, const struct stat *old) {
  std::string temp;
  const int fd = CreateBeside(path, temp);
  if (fd < 0)
    return CreateFailure(path);
  if (old != nullptr)
    ::fchmod(fd, old->st_mode & 07777);
  if (!WriteAndClose(fd, bytes) || ::rename(temp.c_str(), path.c_str()) != 0) {
    IoResult r = IoFailure(kCannotSave, path);
    ::unlink(temp.c_str());
    return r;
  }
  SyncDirectory(DirectoryOf(path));
  return {};
}

// For a file with several names: the old text is copied aside first, the
// file is written in place, and on failure the old text is put back; the
// copy is removed once the file holds a whole text again (and named in the
// error when even that fails).
IoResult WriteInPlace(const std::string &path, std::string_view bytes) {
  std::string old;
  IoResult read = ReadFileBytes(path, old);
  if (!read.ok)
    return read;
  std::string copy;
  const int fd = CreateBeside(path, copy);
  if (fd < 0)
    return CreateFailure(path);
  if (!WriteAndClose(fd, old)) {
    IoResult r = IoFailure(kCannotSave, path);
    ::unlink(copy.c_str());
    return r;
  }
  if (Overwrite(path, bytes)) {
    ::unlink(copy.c_str());
    return {};
  }
  IoResult r = IoFailure(kCannotSave, path);
  if (Overwrite(path, old))
    ::unlink(copy.c_str());
  else
    r.error += Sj(" 元の内容: ") + copy;
  return r;
}

bool IsWriteProtected(const std::string &path, const struct stat &st) {
  return (st.st_mode & 0222) == 0 || (::access(path.c_str(), W_OK) != 0 && errno == EACCES);
}

// An open stream of this process (standard output, say) gets the bytes where
// it stands: appended when the shell opened it for appending.
IoResult WriteToStream(int fd, const std::string &path, std::string_view bytes) {
  if (!WriteAll(fd, bytes))
    return IoFailure(kCannotSave, path);
  return {};
}

// A FIFO, a terminal or another character device is written directly: a
// temporary file renamed over it would put a regular file in its place and
// the reader would get nothing. Anything else that is no regular file (a
// folder, a block device, a socket) is refused.
IoResult WriteSpecialFile(const std::string &path, const struct stat &st, std::string_view bytes) {
  if (S_ISDIR(st.st_mode)) {
    errno = EISDIR;
    return IoFailure(kCannotSave, path);
  }
  if (!S_ISFIFO(st.st_mode) && !S_ISCHR(st.st_mode))
    return {false, Sj("通常のファイルではないため保存できません: ") + path, EINVAL};
  const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (fd < 0)
    return IoFailure(kCannotSave, path);
  const bool ok = WriteAll(fd, bytes);
  if (::close(fd) != 0 || !ok)
    return IoFailure(kCannotSave, path);
  return {};
}

// The process that made a temporary file name.zenpa-PID-HEX beside the
// document, or 0 when the name is not one.
long TemporaryOwner(const std::string &name, const std::string &document) {
  const std::string prefix = document + ".zenpa-";
  if (name.compare(0, prefix.size(), prefix) != 0)
    return 0;
  char *end = nullptr;
  const long pid = std::strtol(name.c_str() + prefix.size(), &end, 10);
  return pid > 0 && *end == '-' ? pid : 0;
}

// Temporary files of saves whose process died (killed in the middle of a
// save) are removed at the next save of the same document.
void RemoveStaleTemporaries(const std::string &path) {
  const std::string folder = DirectoryOf(path);
  const std::string document = path.substr(path.rfind('/') + 1);
  DIR *dir = ::opendir(folder.c_str());
  if (dir == nullptr)
    return;
  while (const dirent *entry = ::readdir(dir)) {
    const long pid = TemporaryOwner(entry->d_name, document);
    if (pid != 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
      ::unlinkat(::dirfd(dir), entry->d_name, 0);
  }
  ::closedir(dir);
}

} // namespace

IoResult WriteFileAtomic(const std::string &path, std::string_view bytes) {
  const Destination to = LinkTarget(path);
  if (!to.resolved)
    return IoFailure(kCannotSave, path);
  if (to.descriptor >= 0)
    return WriteToStream(to.descriptor, to.path, bytes);
  const std::string &target = to.path;
  struct stat old {};
  if (::stat(target.c_str(), &old) != 0) {
    if (errno != ENOENT)
      return IoFailure(kCannotSave, target);
    return ReplaceByRename(target, bytes, nullptr);
  }
  if (!S_ISREG(old.st_mode))
    return WriteSpecialFile(target, old, bytes);
  if (IsWriteProtected(target, old))
    return {false, Sj("読み取り専用のため保存できません: ") + target, EACCES};
  if (old.st_nlink > 1)
    return WriteInPlace(target, bytes);
  IoResult r = ReplaceByRename(target, bytes, &old);
  if (r.ok)
    RemoveStaleTemporaries(target);
  return r;
}

} // namespace zenpa::base
