#include "app/history.h"

#include "base/file_io.h"
#include "base/sjis.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>

namespace zenpa::app {
namespace {

using base::Sj;

std::vector<std::string> Slots(const History &h) {
  std::vector<std::string> out;
  for (int k = 1; k <= kHistorySlots; ++k)
    out.push_back(h.Slot(k));
  return out;
}

// The newest name goes on top, five are kept, none twice; the untitled
// document is never recorded, and names differing in case are two.
TEST(HistoryTest, RecordPutsTheNameOnTopKeepingFiveWithoutRepeats) {
  History h;
  for (const char *name : {"1", "2", "1", "1", "zenp_prn.txt"})
    h.Record(name);
  EXPECT_EQ((std::vector<std::string>{"1", "2", "", "", ""}), Slots(h));
  for (const char *name : {"3", "4", "5", "6", "4", "a.txt", "A.TXT"})
    h.Record(name);
  EXPECT_EQ((std::vector<std::string>{"A.TXT", "a.txt", "4", "6", "5"}), Slots(h));
}

// A name over 50 bytes shows its first two bytes and its last 45, never
// splitting a double-byte character: "a" then double-byte characters make
// byte 2 a trail byte, and the first byte of the 45-byte tail too.
TEST(HistoryTest, LongNamesAreShortenedToHeadAndTail) {
  std::string sixty = "C:";
  for (int i = 0; i < 58; ++i)
    sixty += static_cast<char>('0' + i % 10);
  std::string wide = "a";
  while (wide.size() < 61)
    wide += Sj("漢");
  const struct {
    std::string name, shown;
  } cases[] = {
      {std::string(50, 'a'), std::string(50, 'a')},
      {std::string(51, 'a'), "aa..." + std::string(45, 'a')},
      {sixty, "C:..." + sixty.substr(15)},
      {wide, "a..." + wide.substr(wide.size() - 44)},
  };
  for (const auto &c : cases)
    EXPECT_EQ(c.shown, History::ShortName(c.name)) << c.name;
}

TEST(HistoryTest, FileRoundTripKeepsTheSlotsAndWritesSixLines) {
  testing::TempDir dir;
  const std::string a = dir.Write(Sj("日本語.txt"), "");
  const std::string b = dir.Write("b.txt", "");
  History h;
  h.Record(b);
  h.Record(a);
  ASSERT_TRUE(SaveHistoryFile(h, dir.Dir()).ok);
  const std::string text = dir.Read("zenpa.his");
  const std::string header = Sj("※ヒストリーファイル - ＺＥＮＰＡ v3.87");
  EXPECT_EQ(header, text.substr(0, header.size()));
  EXPECT_NE(std::string::npos, text.find("\r\n" + a + "\r\n" + b + "\r\n\r\n\r\n\r\n"));

  History loaded;
  LoadHistoryFile(loaded, dir.Dir());
  EXPECT_EQ(Slots(h), Slots(loaded));
}

// Two copies of the program save "zenpa.his" into the same program
// directory at the same moment: each read in between finds a whole file
// written by one of them, never a torn one, never none, and no temporary
// file is left behind.
TEST(HistoryTest, TwoWritersAlwaysLeaveOneWritersWholeFile) {
  testing::TempDir dir;
  History one, other;
  one.Record("short.txt");
  for (const char *name : {"/home/a/first.txt", "/home/a/second.txt", "/home/a/third.txt"})
    other.Record(name);
  std::set<std::string> whole;
  for (const History *history : {&one, &other}) {
    ASSERT_TRUE(SaveHistoryFile(*history, dir.Dir()).ok);
    whole.insert(dir.Read("zenpa.his"));
  }
  const pid_t writer = ::fork();
  if (writer == 0) {
    bool ok = true;
    for (int i = 0; i < 300; ++i)
      ok = SaveHistoryFile(other, dir.Dir()).ok && ok;
    ::_exit(ok ? 0 : 1);
  }
  int bad = 0;
  for (int i = 0; i < 300; ++i) {
    std::string bytes;
    bad += !SaveHistoryFile(one, dir.Dir()).ok;
    bad += !base::ReadFileBytes(dir.Path("zenpa.his"), bytes).ok || whole.count(bytes) == 0;
  }
  int status = 0;
  ASSERT_EQ(writer, ::waitpid(writer, &status, 0));
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the other writer failed";
  EXPECT_EQ(0, bad) << "failed saves, torn or missing files";
  EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(dir.Dir()), {}));
}

} // namespace
} // namespace zenpa::app
