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

using Save = std::function<bool()>;

// Saves once as each writer to learn its file, then forks one process per
// writer saving 300 times while this one reads the file until both are done.
void ExpectWholeFiles(const testing::TempDir &dir, const std::string &name, const Save &saveA,
                      const Save &saveB) {
  const std::string path = dir.Path(name);
  std::set<std::string> whole;
  for (const Save *save : {&saveA, &saveB}) {
    ASSERT_TRUE((*save)());
    whole.insert(dir.Read(name));
  }
  ASSERT_EQ(2u, whole.size());
  pid_t writers[2] = {};
  for (int w = 0; w < 2; ++w) {
    if ((writers[w] = ::fork()) == 0) {
      bool ok = true;
      for (int i = 0; i < 300; ++i)
        ok = (w == 0 ? saveA : saveB)() && ok;
      ::_exit(ok ? 0 : 1);
    }
  }
  int reads = 0, badReads = 0;
  std::string firstBad;
  for (int running = 2; running > 0; ++reads) {
    std::string bytes;
    const bool read = base::ReadFileBytes(path, bytes).ok;
    if ((!read || whole.count(bytes) == 0) && badReads++ == 0)
      firstBad = read ? bytes : "(no file)";
    for (pid_t &writer : writers) {
      int status = 0;
      if (writer > 0 && ::waitpid(writer, &status, WNOHANG) == writer) {
        writer = 0;
        --running;
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a writer failed";
      }
    }
  }
  EXPECT_EQ(0, badReads) << "of " << reads << " reads; first: " << firstBad;
  EXPECT_LT(10, reads);
  std::set<std::string> names;
  for (const auto &entry : std::filesystem::directory_iterator(dir.Dir()))
    names.insert(entry.path().filename().string());
  EXPECT_EQ(std::set<std::string>{name}, names);
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
