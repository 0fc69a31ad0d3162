#include "puzzle/play/viewer_preview.h"

#include "base/sjis.h"
#include "support/puzzle_samples.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using zenpa::base::Sj;
using namespace zenpa::play;
using zenpa::testing::kEasyPuzzle;
using zenpa::testing::NbpText;

namespace {

ViewerPreview PreviewOf(const std::string &kind, const std::vector<std::string> &lines) {
  PreviewBuilder builder(kind);
  for (const std::string &line : lines)
    builder.AddLine(line);
  return builder.Result();
}

std::vector<std::string> Rows(const std::string &first, int count = 9) {
  std::vector<std::string> rows{first};
  rows.resize(static_cast<std::size_t>(count), ".........");
  return rows;
}

} // namespace

TEST(ViewerPreview, CsvRowWithEmptyFieldsFillsTheBoardRows) {
  const ViewerPreview p = PreviewOf("CSV", Rows("1,,3,,,6,,,9"));
  EXPECT_EQ(Sj("１　３　　６　　９"), p.clueRows[0]);
  EXPECT_EQ(Sj("　・　・・　・・　"), p.openRows[0]);
  EXPECT_EQ("4clues", CluesText(p));
  EXPECT_EQ("1page", PageText(p));
  // In another kind of file only a line holding a tab is read as fields;
  // there the commas are unreadable cells.
  EXPECT_TRUE(PreviewOf("TXT", Rows("1,,3,,,6,,,9")).error);
  EXPECT_EQ(Sj("１　３　　６　　９"), PreviewOf("TXT", Rows("1\t\t3\t\t\t6\t\t\t9")).clueRows[0]);
}

TEST(ViewerPreview, RowLengthsAndUnreadableCells) {
  struct Case {
    const char *row;
    bool complete;
    bool error;
  } cases[] = {
      {"1 2 3 4 5 6 7 8 9", true, false},     // 17 characters
      {"1 2 3 4 5 6 7 8 9 ", true, false},    // trailing space trimmed
      {" 1 2 3 4 5 6 7 8 9 .", false, false}, // 18 once trimmed: skipped
      {"12345678x", true, true},              // a letter: previews, but has errors
      {"12345678", false, false},             // too short
  };
  for (const Case &c : cases) {
    const ViewerPreview p = PreviewOf("NBP", Rows(c.row));
    EXPECT_EQ(c.complete, p.firstComplete) << c.row;
    EXPECT_EQ(c.error, p.error) << c.row;
  }
  EXPECT_EQ(Sj("１２３４５６７８Ｅ"), PreviewOf("NBP", Rows("12345678x")).clueRows[0]);
}

TEST(ViewerPreview, CountsPuzzlesAndMarksAnswers) {
  std::vector<std::string> lines = {"T=title", "C=comment"};
  for (const char *row : {"1........", "A=123", "........."})
    lines.push_back(row);
  lines.resize(12, ".........");
  const ViewerPreview one = PreviewOf("NBP", lines);
  EXPECT_EQ("1page", PageText(one));
  EXPECT_FALSE(one.hasAnswer) << "an A= line before the end of the first puzzle";

  std::vector<std::string> two = lines;
  two.insert(two.end(), 9, "123456789");
  const ViewerPreview answered = PreviewOf("NBP", two);
  EXPECT_EQ("2page", PageText(answered));
  EXPECT_TRUE(answered.hasAnswer);
  EXPECT_EQ("1clues", CluesText(answered));
  // The raw preview stops with the first puzzle.
  EXPECT_EQ(12u, answered.rawLines.size());

  lines.push_back("A=" + std::string(81, '1'));
  EXPECT_TRUE(PreviewOf("NBP", lines).hasAnswer);
}

TEST(ViewerPreview, ReadsOnlyTheStartOfAHugeFile) {
  zenpa::testing::TempDir dir;
  std::string big = NbpText(kEasyPuzzle);
  big += std::string(2 * kPreviewByteLimit, '\x81'); // binary, no line end
  const std::string path = dir.Write("big.nbp", big);
  const ViewerPreview p = PreviewFile(path);
  EXPECT_TRUE(p.cut);
  EXPECT_EQ("28clues", CluesText(p));
  EXPECT_EQ("1page" + zenpa::base::Sj("以上（先頭1MBを表示）"), PageText(p));

  const ViewerPreview folder = PreviewFile(dir.Dir());
  EXPECT_FALSE(folder.firstComplete);
  EXPECT_TRUE(folder.rawLines.empty());
}

TEST(ViewerPreview, LongRawLinesAreCutAtACharacterBoundary) {
  std::string wide;
  for (int i = 0; i < 150; ++i)
    wide += Sj("字");
  const ViewerPreview p = PreviewOf("NBP", {"a" + wide});
  ASSERT_EQ(1u, p.rawLines.size());
  EXPECT_EQ(kRawLineBytes - 1, p.rawLines[0].size()); // "a" and 99 whole characters
}
