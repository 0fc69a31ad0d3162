#include "drill/drill_writer.h"

#include "base/sjis.h"
#include "drill/worksheet.h"
#include "platform/text_memo.h"
#include "sheet_lines.h"

#include <gtest/gtest.h>

#include <fstream>
#include <tuple>

namespace zenpa::drill {
namespace {

using editor::InsertionPlace;
using platform::TextMemo;
using testing::DrillFormat;
using testing::ToUtf8;

// The lines of a file of tests/data/drill.
std::vector<std::string> DataLines(const std::string &name) {
  std::ifstream in(std::string(TEST_DATA_DIR) + "/drill/" + name, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

bool NeverAsked() {
  ADD_FAILURE() << "the save prompt was not expected";
  return false;
}

// Two documents from seeded sheets with answers, as tests/data/drill holds
// them: six-digit additions with two positional hints, and a ten-digit
// subtraction whose zeros are shown. Each answer follows its question and
// copies its top row; page breaks end both; the document stays unmodified.
TEST(DrillWriterTest, SeededDocumentsMatchTheirPrintedLayout) {
  std::vector<std::string> written;
  for (const auto &[digits, sheets, op, hint, byDigit, seed] :
       {std::tuple{6, 2, Operation::Addition, 2, false, 5},
        std::tuple{10, 1, Operation::Subtraction, 0, true, 7}}) {
    settings::PrintFormat format = DrillFormat(digits, op, sheets);
    format.drill.appendAnswer = true;
    format.drill.hint = hint;
    format.drill.hintByDigit = byDigit;
    TextMemo memo;
    SeededRandom rng(static_cast<std::uint64_t>(seed));
    ASSERT_EQ(GenerateResult::Written, Generate(memo, format, rng, NeverAsked));
    EXPECT_FALSE(memo.Modified());
    for (const std::string &line : ToUtf8(memo.Lines()))
      written.push_back(line);
  }
  const std::vector<std::string> expected = DataLines("seeded_sheets.txt");
  ASSERT_EQ(expected.size(), written.size());
  for (std::size_t i = 0; i < expected.size(); ++i)
    EXPECT_EQ(expected[i], written[i]) << "line " << i + 1;
}

// Adding to a changed document inserts at the caret without asking to save.
TEST(DrillWriterTest, AddingInsertsAtTheCaret) {
  TextMemo memo({"before", "after"});
  memo.SetModified(true);
  memo.SetCaret({1, 0});
  settings::PrintFormat format = DrillFormat(4);
  format.drill.addToDocument = true;
  format.drill.pageBreak = false;
  format.insertionPlace = InsertionPlace::AtCaret;
  SeededRandom rng(1);
  Generate(memo, format, rng, NeverAsked);
  EXPECT_EQ(
      std::tuple(2 + 2 * 4 + 10, base::Sj("　 ☆★ もこさん／たしざん ★☆"), std::string(),
                 std::string("after"), true),
      std::tuple(memo.LineCount(), memo.Line(1), memo.Line(18), memo.Line(19), memo.Modified()));
}

// The answer command answers the sheet below a title line, not the one
// above; at the caret it goes onto the next page; without a sheet it does
// nothing.
TEST(DrillWriterTest, AnswerCommandFindsTheSheetAndItsPlace) {
  TextMemo memo;
  SeededRandom rng(11);
  settings::PrintFormat format = DrillFormat(5, Operation::Addition, 2);
  Generate(memo, format, rng, NeverAsked);
  const int sheet = 2 * 5 + 10;
  memo.SetCaret({sheet, 0});
  ASSERT_TRUE(WriteAnswerForCaret(memo, format));
  ASSERT_EQ(std::pair(3 * sheet - 2, memo.Line(sheet + 5)),
            std::pair(memo.LineCount(), memo.Line(2 * sheet + 5)));
  EXPECT_NE(memo.Line(5), memo.Line(2 * sheet + 5));

  memo.SetCaret({2, 0});
  format.insertionPlace = InsertionPlace::AtCaret;
  ASSERT_TRUE(WriteAnswerForCaret(memo, format));
  // right after the first sheet's page break
  EXPECT_EQ(std::tuple(memo.Line(5), base::Sj("　 ☆★ もこさん／たしざん ★☆"), std::string("\f")),
            std::tuple(memo.Line(sheet + 5), memo.Line(sheet), memo.Line(2 * sheet - 3)));

  TextMemo other({"just text", "┌──┬──┐"});
  EXPECT_FALSE(WriteAnswerForCaret(other, format));
  EXPECT_EQ((std::vector<std::string>{"just text", "┌──┬──┐"}), other.Lines());
}

// The answer of an indented subtraction sheet (its first seven lines, whose
// top row holds a letter and a blank, read as 0) keeps the indent and the
// operation, as tests/data/drill holds it.
TEST(DrillWriterTest, AnswerOfAnIndentedSubtractionSheetKeepsItsIndentAndOperation) {
  const std::vector<std::string> expected = DataLines("indented_answer.txt");
  TextMemo memo;
  for (std::size_t i = 0; i < 7; ++i)
    memo.InsertLine(memo.LineCount(), base::Utf8ToSjis(expected[i]));
  memo.SetCaret({0, 0});
  ASSERT_TRUE(WriteAnswerForCaret(memo, DrillFormat(4)));
  EXPECT_EQ(expected, ToUtf8(memo.Lines()));
}

} // namespace
} // namespace zenpa::drill
