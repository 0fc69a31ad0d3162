#include "base/sjis.h"
#include "editor/letter_case.h"
#include "editor/text_search.h"

#include <gtest/gtest.h>

#include <random>

using namespace zenpa::editor;
using zenpa::base::Sj;
constexpr std::size_t npos = TextFinder::npos;

TEST(TextSearch, CaseFoldingAndCharacterBoundaries) {
  struct Case {
    std::string text, pattern;
    bool matchCase;
    std::size_t expected, from = 0;
  };
  const Case cases[] = {
      {"xxABC", "abc", false, 2},
      {Sj("全角ＡＢ"), Sj("ａｂ"), false, 4},
      {Sj("ギリシャΣ"), Sj("σ"), false, 8},
      // "表" is 95 5C: the backslash inside it is no match, the one after is.
      {Sj("表") + "\\", "\\", true, 2},
      {Sj("表"), "\\", false, npos},
      // "ａ" (82 81) upper-cases to 82 60; its second byte is no "`".
      {Sj("ａ"), "`", false, npos},
      {"ab", "", false, npos},
      // A start inside a character moves past it.
      {Sj("表表") + "\\", "\\", true, 4, 1},
  };
  for (const Case &c : cases) {
    const TextFinder finder(c.pattern, {c.matchCase});
    EXPECT_EQ(c.expected, finder.FindIn(c.text, c.from)) << c.pattern;
  }
  EXPECT_EQ((std::vector<std::size_t>{0, 2}), TextFinder("aa", {}).AllIn("aAaaa"));
}

// Any bytes against a plain walk over the characters: the fast search must
// agree with comparing every character-aligned substring.
TEST(TextSearch, AgreesWithACharacterWalkOnRandomBytes) {
  std::mt19937 random(7);
  const std::string alphabet = std::string("aAbB\\`") + Sj("ａＡ表") + "\x81\x82\xE0";
  auto pick = [&](std::size_t n) {
    std::string s;
    while (s.size() < n)
      s.push_back(alphabet[random() % alphabet.size()]);
    return s;
  };
  for (int round = 0; round < 3000; ++round) {
    const std::string text = pick(random() % 12), pattern = pick(1 + random() % 3);
    const bool matchCase = round % 2 == 0;
    const auto fold = [&](const std::string &s) { return matchCase ? s : AnsiUpperCase(s); };
    std::size_t expected = npos;
    for (std::size_t i = 0; i < text.size() && expected == npos; i += zenpa::base::CharLen(text, i))
      expected = fold(text).compare(i, pattern.size(), fold(pattern)) == 0 ? i : npos;
    ASSERT_EQ(expected, TextFinder(pattern, {matchCase}).FindIn(text)) << text << "|" << pattern;
  }
}
