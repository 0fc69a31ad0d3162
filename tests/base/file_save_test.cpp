// Saving through links, onto write-protected files, into read-only folders,
// onto FIFOs, devices and open streams, and onto a full disk: the real file
// gets the text or stays as it was, and a failure names the path that could
// not be written.
#include "base/file_io.h"
#include "base/sjis.h"
#include "support/full_disk.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <future>

namespace zenpa::base {
namespace {

namespace fs = std::filesystem;

// Names in the folder other than the expected ones: left-over temporary files.
std::vector<std::string> Strays(const std::string &folder, std::vector<std::string> expected) {
  std::vector<std::string> strays;
  for (const auto &entry : fs::directory_iterator(folder)) {
    if (std::count(expected.begin(), expected.end(), entry.path().filename().string()) == 0)
      strays.push_back(entry.path().filename().string());
  }
  return strays;
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
  EXPECT_EQ(std::vector<std::string>{},
            Strays(dir.Path(""), {"a.txt", "b.txt", "link.txt", "real"}));
  EXPECT_EQ(std::vector<std::string>{}, Strays(dir.Path("real"), {"doc.txt"}));
}

// A write-protected file is refused and kept; a read-only folder is named.
TEST_F(FileSaveTest, WriteProtectedFilesAndFoldersAreRefused) {
  const std::string path = dir.Write("locked.txt", "keep\r\n");
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  IoResult r = WriteFileAtomic(path, "new\r\n");
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(Sj("読み取り専用のため保存できません: ") + path, r.error);
  EXPECT_EQ("keep\r\n", dir.Read("locked.txt"));
  testing::ReadOnlyFolder folder(dir.Path("ro"));
  if (!folder.Works())
    GTEST_SKIP() << "root can write in any folder that is not mounted read-only";
  r = WriteFileAtomic(folder.Path() + "/doc.txt", "new\r\n");
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(0u, r.error.find(Sj("フォルダーに書き込めません: ") + folder.Path() + " (")) << r.error;
  EXPECT_NE(0, r.errorNumber);
}

// FIFOs, devices and open streams are written where they are, never replaced
// by a regular file; folders, block devices and link loops are refused.
TEST_F(FileSaveTest, FilesThatAreNotRegularAreWrittenDirectlyOrRefused) {
  const std::string fifo = dir.Path("fifo");
  ASSERT_EQ(0, ::mkfifo(fifo.c_str(), 0600));
  auto reader = std::async(std::launch::async, [&] {
    std::ifstream in(fifo, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  });
  IoResult r = WriteFileAtomic(fifo, "sheet\r\n");
  EXPECT_EQ("sheet\r\n", reader.get());
  EXPECT_TRUE(r.ok) << r.error;
  EXPECT_TRUE(fs::is_fifo(fifo));

  // A log the shell opened for appending keeps its old lines (-o /dev/stdout >> log).
  const std::string log = dir.Write("log.txt", "old\r\n");
  const int fd = ::open(log.c_str(), O_WRONLY | O_APPEND);
  ASSERT_TRUE(WriteFileAtomic("/dev/fd/" + std::to_string(fd), "new\r\n").ok);
  ::close(fd);
  EXPECT_EQ("old\r\nnew\r\n", dir.Read("log.txt"));

  ASSERT_TRUE(WriteFileAtomic("/dev/null", "gone\r\n").ok);
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  const std::string null = dir.Path("null");
  if (::mknod(null.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0) {
    EXPECT_TRUE(WriteFileAtomic(null, "gone\r\n").ok);
    EXPECT_TRUE(fs::is_character_file(null));
  }

  fs::create_directory(dir.Path("folder"));
  fs::create_symlink("loop-b", dir.Path("loop-a"));
  fs::create_symlink("loop-a", dir.Path("loop-b"));
  for (const std::string name : {"folder", "loop-a"}) {
    r = WriteFileAtomic(dir.Path(name), "text\r\n");
    EXPECT_FALSE(r.ok) << name;
    EXPECT_EQ(0u, r.error.find(Sj("保存できません: ") + dir.Path(name) + " (")) << r.error;
  }
  EXPECT_TRUE(fs::is_directory(dir.Path("folder")));
  EXPECT_TRUE(fs::is_symlink(dir.Path("loop-a")));
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
  std::vector<std::string> left = Strays(dir.Path(""), {});
  std::sort(left.begin(), left.end());
  EXPECT_EQ((std::vector<std::string>{"doc.txt", alive, other}), left);
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
