// A fresh directory under the system's temporary directory for one test,
// removed with everything in it at the end, even after a test took its
// write permission away. The process's current directory is restored too,
// since loading a document makes the document's directory the current one.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace zenpa::testing {

class TempDir {
public:
  TempDir() : previous_(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "zenpa-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir &) = delete;
  TempDir &operator=(const TempDir &) = delete;

  // The directory with a trailing "/", as the program directory is held.
  std::string Dir() const { return path_ + "/"; }
  std::string Path(const std::string &name) const { return path_ + "/" + name; }
  std::string File(const std::string &name) const { return Path(name); }

  std::string Write(const std::string &name, const std::string &bytes) const {
    std::filesystem::create_directories(std::filesystem::path(Path(name)).parent_path());
    std::ofstream(Path(name), std::ios::binary) << bytes;
    return Path(name);
  }
  std::string Read(const std::string &name) const {
    std::ifstream in(Path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  bool Exists(const std::string &name) const { return std::filesystem::exists(Path(name)); }

private:
  std::filesystem::path previous_;
  std::string path_;
};

} // namespace zenpa::testing
