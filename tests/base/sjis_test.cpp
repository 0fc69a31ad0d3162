#include "base/file_io.h"
#include "base/sjis.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <random>
#include <utility>

using namespace zenpa::base;

// "≒" is both 81E0 (JIS row 2) and 8790 (NEC row 13), "纊" ED40 and FA5C:
// each keeps its own code.
TEST(Sjis, DecodesJapaneseAndEveryByteStringSurvivesARoundTrip) {
  EXPECT_EQ(u"日本語ＡＢ１①ｱﾟ≒", SjisToUtf16(Sj("日本語ＡＢ１①ｱﾟ") + "\x81\xE0"));
  EXPECT_NE(SjisToUtf16(std::string("\x81\xE0")), SjisToUtf16(std::string("\x87\x90")));
  EXPECT_NE(SjisToUtf16(std::string("\xED\x40")), SjisToUtf16(std::string("\xFA\x5C")));
  // Raw bytes must not look like line breaks to the editor.
  EXPECT_EQ(std::u16string::npos, SjisToUtf16(std::string("A\nB")).find(u'\n'));
}

// Invalid bytes, lone leads and controls survive the round trip too.
TEST(Sjis, EveryDoubleByteCodeAndRandomByteStringsRoundTrip) {
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    for (int trail = 0x40; trail <= 0xFC && IsLeadByte(static_cast<unsigned char>(lead)); ++trail) {
      const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
      ASSERT_EQ(code, Utf16ToSjis(SjisToUtf16(code))) << lead;
    }
  }
  std::mt19937 rng(12345);
  for (int n = 0; n < 2000; ++n) {
    std::string s(rng() % 64, '\0');
    for (char &c : s)
      c = static_cast<char>(rng() & 0xFF);
    ASSERT_EQ(s, Utf16ToSjis(SjisToUtf16(s)));
    ASSERT_EQ(s, Utf8ToSjis(SjisToUtf8(s)));
  }
}

// A character Shift-JIS lacks, a lone surrogate included, is one "?" and
// the character after it stays.
TEST(Sjis, UnencodableCharactersAreReported) {
  bool lossless = true;
  EXPECT_EQ("a?b", Utf8ToSjis(std::string("a\xF0\x9F\x98\x80") + "b", &lossless));
  EXPECT_FALSE(lossless);
  Utf8ToSjis("日本", &lossless);
  EXPECT_TRUE(lossless);
  const char16_t high = 0xD83D, low = 0xDE00;
  const std::pair<std::u16string, std::string> surrogates[] = {{{u'x', high, u'A', u'B'}, "x?AB"},
                                                               {{low, u'A'}, "?A"},
                                                               {{u'a', high}, "a?"},
                                                               {{high, low, u'!'}, "?!"}};
  for (const auto &[text, sjis] : surrogates) {
    lossless = true;
    EXPECT_EQ(sjis, Utf16ToSjis(text, &lossless));
    EXPECT_FALSE(lossless) << sjis;
  }
}

// "ソ" is 83 5C: its trail byte looks like a lead.
TEST(Sjis, CharacterWalking) {
  const std::string s = Sj("aあb"), t = Sj("ソー");
  EXPECT_EQ(
      (std::vector<std::size_t>{1, 2, 1, 3}),
      (std::vector<std::size_t>{CharLen(s, 0), CharLen(s, 1), CharStart(s, 2), CharCount(s)}));
  EXPECT_EQ(
      (std::vector<bool>{true, false, true, false}),
      (std::vector<bool>{IsTrailPos(s, 2), IsTrailPos(s, 3), IsTrailPos(t, 1), IsTrailPos(t, 2)}));
}

// The first line end decides the form; other line-end bytes stay in their
// lines, so every file of complete lines is rejoined exactly.
TEST(FileLines, FormOfTheFirstLineEndSplitsAndRejoinsEveryFile) {
  const struct {
    std::string bytes;
    LineEnd end;
    std::vector<std::string> lines;
  } cases[] = {{"", LineEnd::CrLf, {}},
               {"\r\n", LineEnd::CrLf, {""}},
               {"a\nb\n", LineEnd::Lf, {"a", "b"}},
               {"a\rb\r\r", LineEnd::Cr, {"a", "b", ""}},
               {"a\r\nb\nc\r\n", LineEnd::CrLf, {"a", "b\nc"}},
               {"a\nb\r\nc\rd\n", LineEnd::Lf, {"a", "b\r", "c\rd"}},
               {"a\rb\r\n", LineEnd::Cr, {"a", "b", "\n"}},
               {"a\r\nb", LineEnd::CrLf, {"a", "b"}}};
  for (const auto &c : cases) {
    EXPECT_EQ(c.end, DetectLineEnd(c.bytes)) << c.bytes;
    EXPECT_EQ(c.lines, SplitLines(c.bytes, c.end)) << c.bytes;
  }
  for (const auto &c : {cases[1], cases[2], cases[3], cases[4], cases[5]})
    EXPECT_EQ(c.bytes, JoinLines(SplitLines(c.bytes, c.end), c.end)) << c.bytes;
  EXPECT_EQ((std::vector<std::string>{"a\rb\nc", ""}), SplitLines("a\rb\nc\r\n\r\n"));
  const std::string file = "x\r\n\r\n" + std::string("\x81\0\xFF", 3) + "\r\n";
  EXPECT_EQ(file, JoinLines(SplitLines(file)));
}

// The window's messages give the common causes of a failed read or write in
// Japanese; rarer ones keep the system's text.
TEST(FileErrors, CommonCausesAreWordedInJapanese) {
  const std::pair<int, const char *> causes[] = {{ENOENT, "ファイルまたはフォルダーがありません"},
                                                 {EACCES, "アクセスが許可されていません"},
                                                 {EISDIR, "フォルダーです"},
                                                 {ENOSPC, "ディスクに空きがありません"},
                                                 {EROFS, "読み取り専用のファイルシステムです"},
                                                 {EFBIG, "ファイルが大きすぎます"}};
  for (const auto &[code, text] : causes)
    EXPECT_EQ(Sj(text), ReasonText(code)) << code;
  EXPECT_EQ(std::string(std::strerror(EIO)), ReasonText(EIO));
}
