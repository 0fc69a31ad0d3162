// Saving through links, onto write-protected files, into read-only folders
// and onto a full disk: the real file gets the text or stays as it was, and a
// failure names the path that could not be written.
#include "base/file_io.h"
#include "base/sjis.h"
#include "support/full_disk.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

namespace zenpa::base {
namespace {

namespace fs = std::filesystem;

class FileSaveTest : public ::testing::Test {
protected:
  // Names in the folder other than the ones a test made: left-over temporary files.
  std::vector<std::string> Strays(const std::string &folder, std::vector<std::string> expected) {
    std::vector<std::string> strays;
    for (const auto &entry : fs::directory_iterator(folder)) {
      const std::string name = entry.path().filename().string();
      if (std::find(expected.begin(), expected.end(), name) == expected.end())
        strays.push_back(name);
    }
    return strays;
  }

  testing::TempDir dir;
};

TEST_F(FileSaveTest, SymbolicLinkKeepsPointingAtTheUpdatedTarget) {
  dir.Write("real/doc.txt", "old\r\n");
  fs::create_symlink("real/doc.txt", dir.Path("link.txt"));
  ASSERT_TRUE(WriteFileAtomic(dir.Path("link.txt"), "new\r\n").ok);
  EXPECT_TRUE(fs::is_symlink(dir.Path("link.txt")));
  EXPECT_EQ("new\r\n", dir.Read("real/doc.txt"));
  EXPECT_EQ(std::vector<std::string>{}, Strays(dir.Path("real"), {"doc.txt"}));
}

TEST_F(FileSaveTest, HardLinkedFileIsWrittenInPlace) {
  const std::string a = dir.Write("a.txt", "old text, longer than the new one\r\n");
  fs::create_hard_link(a, dir.Path("b.txt"));
  ASSERT_TRUE(WriteFileAtomic(a, "new\r\n").ok);
  EXPECT_EQ("new\r\n", dir.Read("b.txt"));
  EXPECT_EQ(2u, fs::hard_link_count(a));
  EXPECT_EQ(std::vector<std::string>{}, Strays(dir.Path(""), {"a.txt", "b.txt"}));
}

TEST_F(FileSaveTest, WriteProtectedFileIsRefused) {
  const std::string path = dir.Write("locked.txt", "keep\r\n");
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const IoResult r = WriteFileAtomic(path, "new\r\n");
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(Sj("読み取り専用のため保存できません: ") + path, r.error);
  EXPECT_EQ("keep\r\n", dir.Read("locked.txt"));
}

TEST_F(FileSaveTest, ReadOnlyFolderIsNamed) {
  testing::ReadOnlyFolder folder(dir.Path("ro"));
  if (!folder.Works())
    GTEST_SKIP() << "root can write in any folder that is not mounted read-only";
  const IoResult r = WriteFileAtomic(folder.Path() + "/doc.txt", "new\r\n");
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(0u, r.error.find(Sj("フォルダーに書き込めません: ") + folder.Path() + " (")) << r.error;
  EXPECT_NE(0, r.errorNumber);
}

// Both the renamed and the in-place save keep the old text on a full disk.
TEST_F(FileSaveTest, FullDiskKeepsTheOldFileAndLeavesNoTemporaryFile) {
  testing::FullDisk disk(dir.Path("small"));
  const std::string old(2000, 'o');
  const std::string plain = disk.Path() + "/plain.txt";
  const std::string linked = disk.Path() + "/linked.txt";
  ASSERT_TRUE(WriteFileAtomic(plain, old).ok);
  ASSERT_TRUE(WriteFileAtomic(linked, old).ok);
  fs::create_hard_link(linked, disk.Path() + "/other.txt");
  for (const std::string &path : {plain, linked}) {
    const IoResult r = WriteFileAtomic(path, std::string(disk.Capacity(), 'n'));
    EXPECT_FALSE(r.ok) << path;
    EXPECT_NE(std::string::npos, r.error.find(path)) << r.error;
    std::string kept;
    ReadFileBytes(path, kept);
    EXPECT_EQ(old, kept) << path;
  }
  EXPECT_EQ(std::vector<std::string>{},
            Strays(disk.Path(), {"plain.txt", "linked.txt", "other.txt", "lost+found"}));
}

} // namespace
} // namespace zenpa::base
