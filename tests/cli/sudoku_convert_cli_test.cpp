// End-to-end runs of `zenpa sudoku convert` and `zenpa sudoku import`.
#include "base/file_io.h"
#include "base/sjis.h"
#include "cli/support/cli_run.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using zenpa::base::Sj;

const std::string kPuzzle =
    "530070000600195000098000060800060003400803001700020006060000280000419005000080079";

using zenpa::testing::CliRun;

class SudokuConvertCliTest : public ::testing::Test {
protected:
  // Runs "zenpa sudoku ARGS FILE" on a file holding input.
  CliRun Run(const std::string &args, const std::string &input, const std::string &name = "input") {
    return dir_.Run("sudoku " + args, input, name);
  }

  zenpa::testing::CliDir dir_;
};

TEST_F(SudokuConvertCliTest, PuzzleLinesInEveryForm) {
  const CliRun oneLine = Run("convert --to 1gyo", "# two\n" + kPuzzle + "\n" + kPuzzle + "\n");
  EXPECT_EQ(0, oneLine.exitCode);
  EXPECT_EQ(kPuzzle + "\r\n" + kPuzzle + "\r\n", oneLine.out);

  const CliRun csv = Run("convert --to csv --utf8", kPuzzle + "\n");
  EXPECT_EQ(0, csv.exitCode);
  EXPECT_EQ("5,3,,,7,,,,\n6,,,1,9,5,,,\n", csv.out.substr(0, 25));

  const CliRun url = Run("convert --to url", std::string(81, '.') + "\n");
  EXPECT_EQ(0, url.exitCode);
  EXPECT_EQ("http://sudoku.example.org/sudoku/?.---------/", url.out.substr(0, 45));
}

TEST_F(SudokuConvertCliTest, DocumentGridsConvertAndImportRoundTrips) {
  const CliRun imported = Run("import", kPuzzle);
  EXPECT_EQ(0, imported.exitCode);
  EXPECT_NE(std::string::npos, imported.out.find(Sj("┃５│３│　┃　│７│　┃　│　│　┃\r\n")));
  EXPECT_NE(std::string::npos, imported.out.find("30-clue"));
  const CliRun back = Run("convert --to 9x9C", imported.out);
  EXPECT_EQ(0, back.exitCode);
  EXPECT_EQ("530 070 000\r\n600 195 000\r\n098 000 060\r\n\r\n", back.out.substr(0, 41));
}

TEST_F(SudokuConvertCliTest, PuzzleFilesConvertAsTheLoadCommandReadsThem) {
  std::string rows;
  for (int r = 0; r < 9; ++r)
    rows += kPuzzle.substr(9 * static_cast<std::size_t>(r), 9) + "\r\n";
  const CliRun nbp =
      Run("convert --to 1gyo", "T=two\r\n" + rows + "\r\nA=" + kPuzzle + "\r\n", "two.nbp");
  EXPECT_EQ(0, nbp.exitCode);
  EXPECT_EQ(kPuzzle + "\r\n" + kPuzzle + "\r\n", nbp.out);

  const CliRun csv = Run("convert --to 9x9", Run("convert --to csv", kPuzzle).out, "grid.csv");
  EXPECT_EQ(0, csv.exitCode);
  EXPECT_EQ("530070000\r\n600195000\r\n", csv.out.substr(0, 22));

  const CliRun cut = Run("convert --to 1gyo", rows + rows.substr(0, 22), "cut.nbp");
  EXPECT_EQ(1, cut.exitCode);
  EXPECT_EQ(kPuzzle + "\r\n", cut.out);
  EXPECT_NE(std::string::npos, cut.err.find("データが足りません"));
}

TEST_F(SudokuConvertCliTest, FaultsAreReportedWithAFailingExitCode) {
  const CliRun shortText = Run("import --utf8", "12345");
  EXPECT_EQ(1, shortText.exitCode);
  EXPECT_NE(std::string::npos, shortText.err.find("データが足りません"));
  const CliRun binary =
      Run("import", std::string("\x01\xff\x80junk\x00", 9) + std::string(90, 'x'));
  EXPECT_EQ(1, binary.exitCode);
  EXPECT_NE(std::string::npos, binary.err.find("データにエラーがあります"));
  EXPECT_EQ(1, Run("convert --to 9x9", "not a puzzle\n").exitCode);
  EXPECT_EQ(2, Run("convert --to 10x10", kPuzzle).exitCode);
  EXPECT_EQ(2, Run("convert", kPuzzle).exitCode);
}

} // namespace
