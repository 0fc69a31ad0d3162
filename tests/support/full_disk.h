// Test support: a folder on a full disk, and a folder nobody may write in.
//
// Run as root, the test mounts a small memory file system there (read-only
// for the read-only folder). Otherwise a file-size limit on this process
// stands for the full disk (with the signal it raises ignored), and the
// folder's write permission is taken away for the read-only one.
#pragma once

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstddef>
#include <filesystem>
#include <string>

namespace zenpa::testing {

inline bool MountMemoryFileSystem(const std::string &path, const char *options,
                                  unsigned long flags = 0) {
  return ::geteuid() == 0 && ::mount("tmpfs", path.c_str(), "tmpfs", flags, options) == 0;
}

class FullDisk {
public:
  explicit FullDisk(std::string path) : path_(std::move(path)) {
    std::filesystem::create_directories(path_);
    mounted_ = MountMemoryFileSystem(path_, "size=64k");
    if (mounted_)
      return;
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit small = saved_;
    small.rlim_cur = kLimit;
    ::setrlimit(RLIMIT_FSIZE, &small);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
  }
  ~FullDisk() {
    if (mounted_) {
      ::umount(path_.c_str());
      return;
    }
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }
  FullDisk(const FullDisk &) = delete;
  FullDisk &operator=(const FullDisk &) = delete;

  const std::string &Path() const { return path_; }
  // A size of file that cannot be written there.
  std::size_t Capacity() const { return 2 * kLimit; }

private:
  static constexpr std::size_t kLimit = 64 * 1024;
  std::string path_;
  bool mounted_ = false;
  rlimit saved_{};
  void (*previous_)(int) = SIG_DFL;
};

class ReadOnlyFolder {
public:
  explicit ReadOnlyFolder(std::string path) : path_(std::move(path)) {
    std::filesystem::create_directories(path_);
    mounted_ = MountMemoryFileSystem(path_, "size=64k", MS_RDONLY);
    if (!mounted_)
      ::chmod(path_.c_str(), 0555);
  }
  ~ReadOnlyFolder() {
    if (mounted_)
      ::umount(path_.c_str());
    else
      ::chmod(path_.c_str(), 0755);
  }
  ReadOnlyFolder(const ReadOnlyFolder &) = delete;
  ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;

  const std::string &Path() const { return path_; }
  // False for root without a mount: root writes in any folder.
  bool Works() const { return mounted_ || ::geteuid() != 0; }

private:
  std::string path_;
  bool mounted_ = false;
};

} // namespace zenpa::testing
