#include "app/program_files.h"

#include "base/file_io.h"
#include "base/sjis.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace zenpa::app {
namespace {

class ProgramDirTest : public ::testing::Test {
protected:
  ProgramPlaces Places() const { return {root.Path("bin"), root.Path("data"), root.Path("home")}; }
  testing::TempDir root;
};

// A copy with its settings beside it keeps its own directory, unless it
// cannot write there.
TEST_F(ProgramDirTest, PortableCopyKeepsItsOwnDirectory) {
  root.Write("bin/zenpa.ini", "");
  EXPECT_EQ(root.Path("bin/"), ChooseProgramDir(Places()));
  EXPECT_FALSE(root.Exists("data"));
  if (::geteuid() == 0)
    return; // permissions do not bind the superuser
  std::filesystem::permissions(root.Path("bin"), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  EXPECT_EQ(root.Path("data/zenpa/"), ChooseProgramDir(Places()));
}

// An installed program without settings beside it gets a per-user
// directory, made with its parents on the first run.
TEST_F(ProgramDirTest, InstalledRunMakesTheUserDirectory) {
  std::filesystem::create_directory(root.Path("bin"));
  EXPECT_EQ(root.Path("data/zenpa/"), ChooseProgramDir(Places()));
  EXPECT_TRUE(std::filesystem::is_directory(root.Path("data/zenpa")));

  // Without an absolute XDG_DATA_HOME the directory lies under HOME.
  ProgramPlaces places = Places();
  places.xdgDataHome = "relative/data";
  EXPECT_EQ(root.Path("home/.local/share/zenpa/"), ChooseProgramDir(places));
  EXPECT_TRUE(std::filesystem::is_directory(root.Path("home/.local/share/zenpa")));
  EXPECT_FALSE(std::filesystem::exists("relative"));
}

// A data home that cannot hold a directory still gives the user
// directory: writes there fail with their own messages, and nothing is
// written beside the program or in the current directory instead.
TEST_F(ProgramDirTest, UnwritableDataHomeIsStillTheProgramDirectory) {
  root.Write("data", "a file where the data home should be");
  std::filesystem::create_directory(root.Path("bin"));
  std::string problem;
  EXPECT_EQ(root.Path("data/zenpa/"), ChooseProgramDir(Places(), &problem));
  EXPECT_EQ(base::Sj("フォルダーが作成できません: ") + root.Path("data/zenpa") + " (" +
                base::ReasonText(ENOTDIR) + ")",
            problem);
  EXPECT_EQ(2, std::distance(std::filesystem::directory_iterator(root.Path("")), {}))
      << "only bin and data, as they were";
  EXPECT_TRUE(std::filesystem::is_empty(root.Path("bin")));
}

TEST_F(ProgramDirTest, ProgramFilesAreFoundInTheProgramDirectoryFirst) {
  const std::string programDir = root.Path("user/"), dataDir = InstalledDataDir(root.Path("bin"));
  EXPECT_EQ(root.Path("share/zenpa/"), dataDir) << "tidy, for the messages that show it";
  root.Write("share/zenpa/pi.wav", "");
  root.Write("share/zenpa/pp.wav", "");
  root.Write("user/pp.wav", "");
  std::filesystem::create_directories(root.Path("user/po.wav"));
  // Both games take their sounds from this one lookup.
  const GameSoundFiles sounds = FindGameSounds(programDir, dataDir);
  EXPECT_EQ(dataDir + "pi.wav|" + "|" + programDir + "pp.wav",
            sounds.start + "|" + sounds.wrong + "|" + sounds.goal)
      << "a directory is no sound";
}

} // namespace
} // namespace zenpa::app
