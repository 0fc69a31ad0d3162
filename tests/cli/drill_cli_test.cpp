// End-to-end runs of `zenpa drill` through the real binary.
#include "base/file_io.h"
#include "base/sjis.h"
#include "support/cli_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using zenpa::base::Sj;
using zenpa::testing::CliRun;

// Runs "zenpa drill ARGS" (already quoted for the shell).
CliRun RunDrill(const std::string &args) { return zenpa::testing::CliDir().Run("drill " + args); }

int CountLines(const std::vector<std::string> &lines, const std::string &text) {
  return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const std::string &line) {
    return line.find(text) != std::string::npos;
  }));
}

TEST(DrillCliTest, SeededSheetIsShiftJisWithCrLfAndRepeatsForTheSameSeed) {
  const CliRun run = RunDrill("-n 4 --seed 3");
  ASSERT_EQ(0, run.exitCode) << run.err;
  const auto lines = zenpa::base::SplitLines(run.out);
  ASSERT_EQ(18u, lines.size());
  EXPECT_EQ(Sj("　 ☆★ もこさん／たしざん ★☆"), lines[0]);
  EXPECT_EQ(Sj("│　４けた│　　　　分　　　　秒│"), lines[14]);
  EXPECT_EQ(Sj("（全3問）"), lines[16]);
  EXPECT_EQ("\f", lines[17]);
  EXPECT_EQ(zenpa::base::JoinLines(lines), run.out) << "every line ends in CR LF";
  EXPECT_EQ(run.out, RunDrill("-n 4 --seed 3").out);
  EXPECT_NE(run.out, RunDrill("-n 4 --seed 4").out);
}

TEST(DrillCliTest, SubtractionSheetsWithAnswersGoToAFileAsUtf8) {
  const zenpa::testing::CliDir dir;
  const CliRun run =
      dir.Run("drill -n 10 --sheets 3 --sub --answers --hints 2 --seed 9 --utf8 -o " +
              dir.Path("sheets.txt"));
  ASSERT_EQ(0, run.exitCode) << run.err;
  EXPECT_EQ("", run.out);
  const auto lines = zenpa::base::SplitLines(dir.Read("sheets.txt"));
  EXPECT_EQ(6, CountLines(lines, "ひきざん"));
  EXPECT_EQ(3, CountLines(lines, "│１０けた│"));
  EXPECT_EQ(6, CountLines(lines, "（全42問）"));
  EXPECT_EQ(6, CountLines(lines, "\f"));
}

// Only a file, made whole before it replaces the old one, has a size limit:
// standard output takes the sheets as they come.
TEST(DrillCliTest, HugeRequestsStreamToStandardOutput) {
  zenpa::testing::CliDir dir;
  const CliRun run =
      dir.Shell(std::string(ZENPA_BINARY) + " drill -n 999 --sheets 999 | head -c 100000");
  EXPECT_EQ(100000u, run.out.size());
}

} // namespace
