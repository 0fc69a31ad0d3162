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
using testing::ToUtf8;

const std::string kFormFeed = "\f";

// A record whose drill options make sheets of `digits`, at the end.
settings::PrintFormat Settings(int digits, int sheets, bool answers) {
  settings::PrintFormat format;
  format.drill.digits = digits;
  format.drill.sheets = sheets;
  format.drill.appendAnswer = answers;
  return format;
}

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
    settings::PrintFormat format = Settings(digits, sheets, true);
    format.drill.operation = op;
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

// Replacing a changed document asks to save it first; adding to it inserts
// at the caret without asking.
TEST(DrillWriterTest, ReplacingAsksToSaveAChangedDocumentAddingInsertsAtTheCaret) {
  TextMemo memo({"before", "after"});
  memo.SetModified(true);
  SeededRandom rng(1);
  int asked = 0;
  const auto refuse = [&] { return ++asked, false; };
  EXPECT_EQ(GenerateResult::Cancelled, Generate(memo, Settings(4, 1, false), rng, refuse));
  EXPECT_EQ(1, asked);
  EXPECT_EQ((std::vector<std::string>{"before", "after"}), memo.Lines());

  memo.SetCaret({1, 0});
  settings::PrintFormat format = Settings(4, 1, false);
  format.drill.addToDocument = true;
  format.drill.pageBreak = false;
  format.insertionPlace = InsertionPlace::AtCaret;
  Generate(memo, format, rng, NeverAsked);
  ASSERT_EQ(2 + 2 * 4 + 10, memo.LineCount());
  EXPECT_EQ(base::Sj("　 ☆★ もこさん／たしざん ★☆"), memo.Line(1));
  EXPECT_EQ("", memo.Line(18)); // separator without page breaks
  EXPECT_EQ("after", memo.Line(19));
  EXPECT_TRUE(memo.Modified());

  const auto agree = [&] { return ++asked, true; };
  EXPECT_EQ(GenerateResult::Written, Generate(memo, Settings(4, 1, false), rng, agree));
  EXPECT_EQ(2, asked);
  EXPECT_EQ(2 * 4 + 10, memo.LineCount());
  EXPECT_FALSE(memo.Modified());
}

// The answer command answers the sheet below a title line, not the one
// above; at the caret it goes onto the next page; without a sheet it does
// nothing.
TEST(DrillWriterTest, AnswerCommandFindsTheSheetAndItsPlace) {
  TextMemo memo;
  SeededRandom rng(11);
  settings::PrintFormat format = Settings(5, 2, false);
  Generate(memo, format, rng, NeverAsked);
  const int sheet = 2 * 5 + 10;
  memo.SetCaret({sheet, 0});
  ASSERT_TRUE(WriteAnswerForCaret(memo, format));
  ASSERT_EQ(3 * sheet - 2, memo.LineCount());
  EXPECT_EQ(memo.Line(sheet + 5), memo.Line(2 * sheet + 5));
  EXPECT_NE(memo.Line(5), memo.Line(2 * sheet + 5));

  memo.SetCaret({2, 0});
  format.insertionPlace = InsertionPlace::AtCaret;
  ASSERT_TRUE(WriteAnswerForCaret(memo, format));
  EXPECT_EQ(memo.Line(5), memo.Line(sheet + 5)); // right after the first sheet's page break
  EXPECT_EQ(base::Sj("　 ☆★ もこさん／たしざん ★☆"), memo.Line(sheet));
  EXPECT_EQ(kFormFeed, memo.Line(2 * sheet - 3));

  for (const std::vector<std::string> &lines :
       {std::vector<std::string>{}, std::vector<std::string>{"just text", "┌──┬──┐"}}) {
    TextMemo other(lines);
    EXPECT_FALSE(WriteAnswerForCaret(other, format));
    EXPECT_EQ(lines, other.Lines());
  }
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
  ASSERT_TRUE(WriteAnswerForCaret(memo, Settings(4, 1, false)));
  EXPECT_EQ(expected, ToUtf8(memo.Lines()));
}

} // namespace
} // namespace zenpa::drill
