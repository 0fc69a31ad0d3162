// Saving through links, onto write-protected files, folders, devices and a
// full disk: the file gets the text or stays as it was, and a failure names
// the path. (FIFOs and appended logs: tests/cli, through the real binary.)
#include "base/file_io.h"
#include "base/sjis.h"
#include "support/full_disk.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

namespace zenpa::base {
namespace {

namespace fs = std::filesystem;

// The names in a folder, sorted: no temporary file may be left behind.
std::vector<std::string> Names(const std::string &folder) {
  std::vector<std::string> names;
  for (const auto &entry : fs::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class FileSaveTest : public ::testing::Test {
protected:
  testing::TempDir dir;
};

// A symbolic link keeps pointing at the updated target; a hard-linked file is
// written in place, so both its names see the new text.
TEST_F(FileSaveTest, LinksKeepPointingAtTheUpdatedFile) {
  dir.Write("real/doc.txt", "old\r\n");
  fs::create_symlink("real/doc.txt", dir.Path("link.txt"));
  ASSERT_TRUE(WriteFileAtomic(dir.Path("link.txt"), "new\r\n").ok);
  EXPECT_TRUE(fs::is_symlink(dir.Path("link.txt")));
  EXPECT_EQ("new\r\n", dir.Read("real/doc.txt"));
  const std::string a = dir.Write("a.txt", "old text, longer than the new one\r\n");
  fs::create_hard_link(a, dir.Path("b.txt"));
  ASSERT_TRUE(WriteFileAtomic(a, "new\r\n").ok);
  EXPECT_EQ("new\r\n", dir.Read("b.txt"));
  EXPECT_EQ(2u, fs::hard_link_count(a));
  EXPECT_EQ((std::vector<std::string>{"a.txt", "b.txt", "link.txt", "real"}), Names(dir.Path("")));
  EXPECT_EQ(std::vector<std::string>{"doc.txt"}, Names(dir.Path("real")));
}

TEST_F(FileSaveTest, WriteProtectedFilesAndFoldersAreRefused) {
  const std::string path = dir.Write("locked.txt", "keep\r\n");
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  IoResult r = WriteFileAtomic(path, "new\r\n");
  EXPECT_EQ(std::pair(false, Sj("読み取り専用のため保存できません: ") + path),
            std::pair(r.ok, r.error));
  EXPECT_EQ("keep\r\n", dir.Read("locked.txt"));
  testing::ReadOnlyFolder folder(dir.Path("ro"));
  if (!folder.Works())
    GTEST_SKIP() << "root can write in any folder that is not mounted read-only";
  r = WriteFileAtomic(folder.Path() + "/doc.txt", "new\r\n");
  EXPECT_EQ(std::pair(false, 0ul), std::pair(r.ok, r.error.find(Sj("フォルダーに書き込めません: ") +
                                                                folder.Path() + " (")))
      << r.error;
  EXPECT_NE(0, r.errorNumber);
}

// Devices are written where they are, never replaced by a regular file;
// folders and link loops are refused.
TEST_F(FileSaveTest, FilesThatAreNotRegularAreWrittenDirectlyOrRefused) {
  EXPECT_TRUE(WriteFileAtomic("/dev/null", "gone\r\n").ok && fs::is_character_file("/dev/null"));
  const std::string null = dir.Path("null");
  if (::mknod(null.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0) {
    EXPECT_TRUE(WriteFileAtomic(null, "gone\r\n").ok && fs::is_character_file(null));
  }

  fs::create_directory(dir.Path("folder"));
  fs::create_symlink("loop-b", dir.Path("loop-a"));
  fs::create_symlink("loop-a", dir.Path("loop-b"));
  for (const std::string name : {"folder", "loop-a"}) {
    const IoResult r = WriteFileAtomic(dir.Path(name), "text\r\n");
    EXPECT_EQ(std::pair(false, 0ul),
              std::pair(r.ok, r.error.find(Sj("保存できません: ") + dir.Path(name) + " (")))
        << r.error;
  }
  EXPECT_TRUE(fs::is_directory(dir.Path("folder")) && fs::is_symlink(dir.Path("loop-a")));
}

// A save killed in the middle leaves its temporary file; the next save of the
// document removes it, but not the temporary file of a save still running.
TEST_F(FileSaveTest, TemporaryFilesOfDeadSavesAreRemoved) {
  const pid_t child = ::fork();
  if (child == 0)
    ::_exit(0);
  ::waitpid(child, nullptr, 0);
  const std::string dead = "doc.txt.zenpa-" + std::to_string(child) + "-1f";
  const std::string alive = "doc.txt.zenpa-" + std::to_string(::getpid()) + "-2f";
  const std::string other = "other.txt.zenpa-" + std::to_string(child) + "-3f";
  for (const std::string &name : {dead, alive, other})
    dir.Write(name, "partial");
  ASSERT_TRUE(WriteFileAtomic(dir.Write("doc.txt", "old\r\n"), "new\r\n").ok);
  EXPECT_EQ((std::vector<std::string>{"doc.txt", alive, other}), Names(dir.Path("")));
}

TEST_F(FileSaveTest, FullDiskKeepsTheOldFileAndLeavesNoTemporaryFile) {
  testing::FullDisk disk(dir.Path("small"));
  const std::string old(2000, 'o');
  for (const std::string name : {"small/plain.txt", "small/linked.txt"})
    ASSERT_TRUE(WriteFileAtomic(dir.Path(name), old).ok);
  fs::create_hard_link(dir.Path("small/linked.txt"), dir.Path("small/other.txt"));
  for (const std::string name : {"small/plain.txt", "small/linked.txt"}) { // renamed, in place
    const IoResult r = WriteFileAtomic(dir.Path(name), std::string(disk.Capacity(), 'n'));
    EXPECT_EQ(std::pair(false, true),
              std::pair(r.ok, r.error.find(dir.Path(name)) != std::string::npos))
        << r.error;
    EXPECT_EQ(old, dir.Read(name)) << name;
  }
  EXPECT_EQ((std::vector<std::string>{"linked.txt", "other.txt", "plain.txt"}), Names(disk.Path()));
}

} // namespace
} // namespace zenpa::base
