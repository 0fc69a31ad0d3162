#include "app/history.h"

#include "base/sjis.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

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

TEST(HistoryTest, RecordPutsTheNameOnTopKeepingFiveWithoutRepeats) {
  History h;
  for (const char *name : {"1", "2", "1", "1"})
    h.Record(name);
  EXPECT_EQ((std::vector<std::string>{"1", "2", "", "", ""}), Slots(h));
  for (const char *name : {"3", "4", "5", "6"})
    h.Record(name);
  EXPECT_EQ((std::vector<std::string>{"6", "5", "4", "3", "1"}), Slots(h));
  h.Record("4");
  EXPECT_EQ((std::vector<std::string>{"4", "6", "5", "3", "1"}), Slots(h));
}

TEST(HistoryTest, DefaultDocumentAndCaseVariantsAreHandledExactly) {
  History h;
  h.Record("zenp_prn.txt");
  EXPECT_EQ("", h.Slot(1));
  h.Record("a.txt");
  h.Record("A.TXT");
  EXPECT_EQ((std::vector<std::string>{"A.TXT", "a.txt", "", "", ""}), Slots(h));
}

TEST(HistoryTest, LoadSkipsTheHeaderAndNamesOfMissingFiles) {
  History h;
  std::set<std::string> existing = {"one", "three", "four", "five", "six", "seven"};
  h.LoadLines({"one", "one", "two", "", "three", "four", "five", "six", "seven"},
              [&](const std::string &n) { return existing.count(n) > 0; });
  EXPECT_EQ((std::vector<std::string>{"one", "three", "four", "five", "six"}), Slots(h));
  EXPECT_EQ("(&5)six", h.Caption(5));
}

TEST(HistoryTest, LongNamesAreShortenedToHeadAndTail) {
  const std::string fifty(50, 'a');
  EXPECT_EQ(fifty, History::ShortName(fifty));
  std::string sixty = "C:";
  for (int i = 0; i < 58; ++i)
    sixty += static_cast<char>('0' + i % 10);
  std::string shown = History::ShortName(sixty);
  EXPECT_EQ("C:..." + sixty.substr(15), shown);
}

TEST(HistoryTest, ShorteningNeverSplitsADoubleByteCharacter) {
  // "a" then double-byte characters: byte 2 is a trail byte, and so is the
  // first byte of a 45-byte tail taken from a 60-byte name of them.
  std::string name = "a";
  while (name.size() < 61)
    name += Sj("漢");
  ASSERT_EQ(61u, name.size());
  std::string shown = History::ShortName(name);
  EXPECT_EQ("a..." + name.substr(name.size() - 44), shown);
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

TEST(HistoryTest, MissingFileGivesAnEmptyList) {
  History h;
  LoadHistoryFile(h, "/nonexistent-zenpa-dir/");
  EXPECT_EQ("(&1)", h.Caption(1));
}

} // namespace
} // namespace zenpa::app
