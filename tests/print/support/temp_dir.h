// A fresh directory under the system's temporary directory, removed with
// everything in it when the object goes.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

namespace zenpa::print::testing {

class TempDir {
public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zenpa-format-XXXXXX");
    path_ = ::mkdtemp(pattern.data());
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir &) = delete;
  TempDir &operator=(const TempDir &) = delete;

  // The directory with a trailing separator, as program directories are held.
  std::string Dir() const { return path_.string() + "/"; }
  std::string File(const std::string &name) const { return (path_ / name).string(); }

private:
  std::filesystem::path path_;
};

} // namespace zenpa::print::testing
