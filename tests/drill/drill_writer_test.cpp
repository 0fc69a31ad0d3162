#include "drill/drill_writer.h"

#include "base/sjis.h"
#include "drill/worksheet.h"
#include "platform/text_memo.h"
#include "sheet_lines.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zenpa::drill {
namespace {

using editor::InsertionPlace;
using platform::TextMemo;
using testing::CellValues;
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

bool NeverAsked() {
  ADD_FAILURE() << "the save prompt was not expected";
  return false;
}

// Indices of the lines that hold text.
std::vector<int> LinesContaining(const platform::Memo &memo, const std::string &utf8) {
  std::vector<int> found;
  for (int i = 0; i < memo.LineCount(); ++i)
    if (memo.Line(i).find(base::Sj(utf8)) != std::string::npos)
      found.push_back(i);
  return found;
}

TEST(DrillWriterTest, ThreeSheetsWithAnswersAlternateQuestionAndAnswer) {
  TextMemo memo;
  SeededRandom rng(5);
  ASSERT_EQ(GenerateResult::Written, Generate(memo, Settings(6, 3, true), rng, NeverAsked));
  // Question: 2n + 9 lines and a separator; answer: 2n + 7 and a separator.
  const int question = 2 * 6 + 10, answer = 2 * 6 + 8;
  ASSERT_EQ(3 * (question + answer), memo.LineCount());
  EXPECT_EQ((std::vector<int>{0, 22, 42, 64, 84, 106}), LinesContaining(memo, "もこさん"));
  EXPECT_EQ((std::vector<int>{18, 60, 102}), LinesContaining(memo, "けた│"));
  for (int block = 0; block < 3; ++block) {
    const int q = block * (question + answer), a = q + question;
    EXPECT_EQ(kFormFeed, memo.Line(q + question - 1));
    EXPECT_EQ(kFormFeed, memo.Line(a + answer - 1));
    EXPECT_EQ("", memo.Line(a + answer - 3)); // the empty line above the count
    EXPECT_EQ(memo.Line(q + 5), memo.Line(a + 5)) << "the answer copies its question's top row";
  }
  EXPECT_FALSE(memo.Modified());
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

TEST(DrillWriterTest, AnswerOfAnIndentedSubtractionSheetKeepsItsIndentAndOperation) {
  const std::vector<std::string> sheet = {" ☆★★ もこさん／ひきざん ★★☆",
                                          "",
                                          "",
                                          "",
                                          "　　┌─┬─┬─┬─┐",
                                          "　　│３│５│８│２│",
                                          "　　└┬┴┬┴┬┴┬┘"};
  TextMemo memo;
  for (const std::string &line : sheet)
    memo.InsertLine(memo.LineCount(), base::Sj(line));
  memo.SetCaret({0, 0});
  ASSERT_TRUE(WriteAnswerForCaret(memo, Settings(4, 1, false)));
  const auto lines = ToUtf8(memo.Lines());
  EXPECT_EQ("　　 ☆★★ もこさん／ひきざん ★★☆", lines[7]);
  EXPECT_EQ("　　┌─┬─┬─┬─┐", lines[11]);
  // 3-5 = 8, 5-8 = 7, 8-2 = 6; then 1 1; then 0.
  EXPECT_EQ("　　　│８│７│６│1", lines[14]);
  EXPECT_EQ("　　　　│１│１│", lines[16]);
  EXPECT_EQ("　　　　　┃０┃", lines[18]);
  EXPECT_EQ("（全3問）", lines[21]);
}

TEST(DrillWriterTest, AnswerSheetReadsAnythingButDigitsAsZero) {
  TextMemo memo({base::Sj("┌─┬─┬─┬─┐"), base::Sj("│３│Ｘ│  │２│"), base::Sj("└┬┴┬┴┬┴┬┘")});
  const auto source = ReadSheetForAnswer(memo, 0);
  ASSERT_TRUE(source.has_value());
  EXPECT_EQ((std::vector<int>{3, 0, 0, 2}), source->digits);
  EXPECT_EQ(Operation::Addition, source->op);
  EXPECT_EQ("", source->prefix);
}

} // namespace
} // namespace zenpa::drill
