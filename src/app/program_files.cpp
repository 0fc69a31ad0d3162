#include "app/program_files.h"

#include "base/file_io.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace zenpa::app {
namespace {

std::string WithSlash(std::string dir) {
  if (dir.empty() || dir.back() != '/')
    dir += '/';
  return dir;
}

bool Exists(const std::string &path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

// Makes dir and its missing parents; empty when it is a directory
// afterwards, else the path and the reason.
std::string MakeDirectories(const std::string &dir) {
  for (std::size_t slash = dir.find('/', 1); slash != std::string::npos;
       slash = dir.find('/', slash + 1)) {
    const std::string part = dir.substr(0, slash);
    if (::mkdir(part.c_str(), 0755) != 0 && errno != EEXIST)
      return base::IoFailure("フォルダーが作成できません:", part).error;
  }
  if (base::DirectoryExists(dir))
    return {};
  errno = ENOTDIR;
  return base::IoFailure("フォルダーが作成できません:", dir).error;
}

// XDG_DATA_HOME when it is an absolute path, else HOME/.local/share.
std::string DataHome(const ProgramPlaces &places) {
  if (!places.xdgDataHome.empty() && places.xdgDataHome.front() == '/')
    return WithSlash(places.xdgDataHome);
  if (places.home.empty())
    return {};
  return WithSlash(places.home) + ".local/share/";
}

} // namespace

std::string ChooseProgramDir(const ProgramPlaces &places, std::string *problem) {
  const std::string own = WithSlash(places.binaryDir);
  // A portable copy: its settings lie beside it and it may write there.
  if (::access(own.c_str(), W_OK) == 0 && Exists(own + "zenpa.ini"))
    return own;
  const std::string home = DataHome(places);
  if (home.empty())
    return own;
  const std::string dir = home + "zenpa/";
  const std::string failure = MakeDirectories(dir);
  if (problem != nullptr)
    *problem = failure;
  return dir;
}

std::string InstalledDataDir(const std::string &binaryDir) {
  std::string dir = binaryDir;
  while (dir.size() > 1 && dir.back() == '/')
    dir.pop_back();
  const std::size_t slash = dir.rfind('/');
  const std::string last = slash == std::string::npos ? dir : dir.substr(slash + 1);
  if (slash == std::string::npos || last == "." || last == "..")
    return WithSlash(binaryDir) + "../share/zenpa/";
  return dir.substr(0, slash) + "/share/zenpa/";
}

std::vector<std::string> InstalledIconFiles(const std::string &dataDir) {
  std::string share = dataDir;
  while (!share.empty() && share.back() == '/')
    share.pop_back();
  share = share.substr(0, share.rfind('/') + 1) + "icons/hicolor/";
  std::vector<std::string> files;
  for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const std::string pixels = std::to_string(size);
    const std::string file = share + pixels + "x" + pixels + "/apps/" + kDesktopName + ".png";
    if (base::FileExists(file))
      files.push_back(file);
  }
  return files;
}

std::string FindProgramFile(const std::string &name, const std::string &programDir,
                            const std::string &dataDir) {
  for (const std::string *dir : {&programDir, &dataDir}) {
    if (!dir->empty() && base::FileExists(*dir + name))
      return *dir + name;
  }
  return {};
}

GameSoundFiles FindGameSounds(const std::string &programDir, const std::string &dataDir) {
  auto find = [&](const char *name) { return FindProgramFile(name, programDir, dataDir); };
  return {find("pi.wav"), find("po.wav"), find("pp.wav")};
}

} // namespace zenpa::app
