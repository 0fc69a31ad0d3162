// Two copies of the program save "zenpa.his" and "zenpa.ini" into the same
// program directory at the same moment. Each save goes through its own
// temporary file renamed into place, so a reader watching all along finds
// a whole file written by one of them every time: never a torn one, never
// none, and no temporary file is left behind.
#include "app/history.h"
#include "base/file_io.h"
#include "platform/scripted_host.h"
#include "settings/format_commands.h"
#include "settings/format_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>

namespace zenpa::app {
namespace {

constexpr int kSavesPerWriter = 300;

struct RaceResult {
  int reads = 0;
  int badReads = 0;
  std::string firstBad; // the first read that was neither writer's file
  int writerFailures = 0;
};

// Forks one process per save, each saving kSavesPerWriter times, and reads
// path until both are done.
RaceResult Race(const std::string &path, const std::function<bool()> &saveA,
                const std::function<bool()> &saveB, const std::set<std::string> &whole) {
  RaceResult result;
  pid_t writers[2];
  const std::function<bool()> *saves[2] = {&saveA, &saveB};
  for (int w = 0; w < 2; ++w) {
    writers[w] = ::fork();
    if (writers[w] == 0) {
      bool ok = true;
      for (int i = 0; i < kSavesPerWriter; ++i)
        ok = (*saves[w])() && ok;
      ::_exit(ok ? 0 : 1);
    }
  }
  for (int running = 2; running > 0;) {
    std::string bytes;
    const bool read = base::ReadFileBytes(path, bytes).ok;
    ++result.reads;
    if (!read || whole.count(bytes) == 0) {
      if (result.badReads++ == 0)
        result.firstBad = read ? bytes : "(no file)";
    }
    for (pid_t &writer : writers) {
      int status = 0;
      if (writer > 0 && ::waitpid(writer, &status, WNOHANG) == writer) {
        writer = 0;
        --running;
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
          ++result.writerFailures;
      }
    }
  }
  return result;
}

// The bytes one save leaves, as the single writer.
std::string Saved(const std::function<bool()> &save, const std::string &path) {
  std::string bytes;
  EXPECT_TRUE(save());
  base::ReadFileBytes(path, bytes);
  return bytes;
}

void ExpectOnlyFile(const testing::TempDir &dir, const std::string &name) {
  std::set<std::string> names;
  for (const auto &entry : std::filesystem::directory_iterator(dir.Dir()))
    names.insert(entry.path().filename().string());
  EXPECT_EQ(std::set<std::string>{name}, names);
}

void ExpectWholeFiles(const testing::TempDir &dir, const std::string &name,
                      const std::function<bool()> &saveA, const std::function<bool()> &saveB) {
  const std::string path = dir.Path(name);
  const std::set<std::string> whole = {Saved(saveB, path), Saved(saveA, path)};
  ASSERT_EQ(2u, whole.size());
  const RaceResult race = Race(path, saveA, saveB, whole);
  EXPECT_EQ(0, race.writerFailures);
  EXPECT_EQ(0, race.badReads) << "of " << race.reads << " reads; first: " << race.firstBad;
  EXPECT_LT(10, race.reads);
  ExpectOnlyFile(dir, name);
}

TEST(TwoWritersTest, HistoryAndInitialSettingsAreAlwaysOneWritersWholeFile) {
  testing::TempDir dir;
  History one;
  one.Record("short.txt");
  History other;
  for (const char *name : {"/home/a/first.txt", "/home/a/second.txt", "/home/a/third.txt"})
    other.Record(name);
  ExpectWholeFiles(
      dir, "zenpa.his", [&] { return SaveHistoryFile(one, dir.Dir()).ok; },
      [&] { return SaveHistoryFile(other, dir.Dir()).ok; });

  testing::TempDir iniDir;
  platform::ScriptedHost host;
  settings::SaveContext context;
  context.programDir = iniDir.Dir();
  settings::PrintFormat plain;
  settings::PrintFormat changed;
  changed.tabWidth = 8;
  const std::string path = settings::InitialSettingsPath(iniDir.Dir());
  ExpectWholeFiles(
      iniDir, "zenpa.ini", [&] { return settings::Savezpf(path, plain, context, host); },
      [&] { return settings::Savezpf(path, changed, context, host); });
}

} // namespace
} // namespace zenpa::app
