#include "base/file_io.h"
#include "base/sjis.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <random>
#include <utility>

using namespace zenpa::base;

namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values)
    s.push_back(static_cast<char>(v));
  return s;
}

void ExpectRoundTrip(const std::string &bytes) {
  EXPECT_EQ(bytes, Utf16ToSjis(SjisToUtf16(bytes)));
  EXPECT_EQ(bytes, Utf8ToSjis(SjisToUtf8(bytes)));
}

} // namespace

TEST(Sjis, DecodesOrdinaryJapanese) {
  EXPECT_EQ(u"日本語ＡＢ１①ｱ", SjisToUtf16(Sj("日本語ＡＢ１①ｱ")));
  EXPECT_EQ(Bytes({0x93, 0xFA, 0x96, 0x7B}), Sj("日本"));
  EXPECT_EQ("abc", Sj("abc"));
}

TEST(Sjis, DuplicateCodesSurviveAndStayDistinct) {
  // "≒" is both 81E0 (JIS row 2) and 8790 (NEC row 13); "纊" is ED40 and FA5C.
  std::string jis = Bytes({0x81, 0xE0}), nec = Bytes({0x87, 0x90});
  std::string necSelected = Bytes({0xED, 0x40}), ibm = Bytes({0xFA, 0x5C});
  EXPECT_EQ(u"≒", SjisToUtf16(jis));
  EXPECT_NE(SjisToUtf16(jis), SjisToUtf16(nec));
  EXPECT_NE(SjisToUtf16(necSelected), SjisToUtf16(ibm));
  for (const auto &s : {jis, nec, necSelected, ibm})
    ExpectRoundTrip(s);
}

TEST(Sjis, InvalidBytesLoneLeadAndControlsSurvive) {
  ExpectRoundTrip(Bytes({0x81}));                   // lone lead at the end
  ExpectRoundTrip(Bytes({0x81, 0x20, 0x41}));       // lead with impossible trail
  ExpectRoundTrip(Bytes({0x85, 0x40}));             // unassigned code
  ExpectRoundTrip(Bytes({0x00, 0x0A, 0x0D, 0x7F})); // NUL, lone LF and CR
  ExpectRoundTrip(Bytes({0x80, 0xA0, 0xFD, 0xFE, 0xFF}));
  // Raw bytes must not look like line breaks to the editor.
  std::u16string u = SjisToUtf16(Bytes({0x41, 0x0A, 0x42}));
  EXPECT_EQ(std::u16string::npos, u.find(u'\n'));
}

TEST(Sjis, RandomByteStringsRoundTrip) {
  std::mt19937 rng(12345);
  for (int n = 0; n < 2000; ++n) {
    std::string s(rng() % 64, '\0');
    for (char &c : s)
      c = static_cast<char>(rng() & 0xFF);
    ASSERT_EQ(s, Utf16ToSjis(SjisToUtf16(s)));
    ASSERT_EQ(s, Utf8ToSjis(SjisToUtf8(s)));
  }
}

TEST(Sjis, EveryDoubleByteCodeRoundTrips) {
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsLeadByte(static_cast<unsigned char>(lead)))
      continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      std::string s = Bytes({lead, trail});
      ASSERT_EQ(s, Utf16ToSjis(SjisToUtf16(s))) << std::hex << lead << trail;
    }
  }
}

TEST(Sjis, UnencodableCharactersAreReported) {
  bool lossless = true;
  EXPECT_EQ("a?b", Utf8ToSjis("a\xF0\x9F\x98\x80"
                              "b",
                              &lossless));
  EXPECT_FALSE(lossless);
  Utf8ToSjis("日本", &lossless);
  EXPECT_TRUE(lossless);
  // A lone surrogate is one "?" and the character after it stays.
  const struct {
    std::u16string text;
    std::string sjis;
  } kSurrogates[] = {{u"x\xD83D"
                      u"AB",
                      "x?AB"},
                     {u"\xDE00"
                      u"A",
                      "?A"},
                     {u"a\xD83D", "a?"},
                     {u"\xD83D\xDE00!", "?!"}};
  for (const auto &c : kSurrogates) {
    lossless = true;
    EXPECT_EQ(c.sjis, Utf16ToSjis(c.text, &lossless));
    EXPECT_FALSE(lossless) << c.sjis;
  }
}

TEST(Sjis, CharacterWalking) {
  std::string s = Sj("aあb");
  EXPECT_EQ(1u, CharLen(s, 0));
  EXPECT_EQ(2u, CharLen(s, 1));
  EXPECT_TRUE(IsTrailPos(s, 2));
  EXPECT_FALSE(IsTrailPos(s, 3));
  EXPECT_EQ(1u, CharStart(s, 2));
  EXPECT_EQ(3u, CharCount(s));
  // A trail byte that looks like a lead: "ソ" is 83 5C, "ー" is 81 5B.
  std::string t = Sj("ソー");
  EXPECT_TRUE(IsTrailPos(t, 1));
  EXPECT_FALSE(IsTrailPos(t, 2));
}

TEST(FileLines, SplitsOnCrLfOnlyAndRejoinsExactly) {
  EXPECT_EQ(std::vector<std::string>{}, SplitLines(""));
  EXPECT_EQ((std::vector<std::string>{""}), SplitLines("\r\n"));
  EXPECT_EQ((std::vector<std::string>{"a", "b"}), SplitLines("a\r\nb"));
  EXPECT_EQ((std::vector<std::string>{"a\rb\nc", ""}), SplitLines("a\rb\nc\r\n\r\n"));
  std::string file = "x\r\n\r\n" + Bytes({0x81, 0x00, 0xFF}) + "\r\n";
  EXPECT_EQ(file, JoinLines(SplitLines(file)));
}

// The first line end decides the form; other line-end bytes stay in their
// lines, so every file of complete lines is rejoined exactly.
TEST(FileLines, FormOfTheFirstLineEndSplitsAndRejoinsEveryFile) {
  const struct {
    std::string bytes;
    LineEnd end;
    std::vector<std::string> lines;
  } cases[] = {{"", LineEnd::CrLf, {}},
               {"a\nb\n", LineEnd::Lf, {"a", "b"}},
               {"a\rb\r\r", LineEnd::Cr, {"a", "b", ""}},
               {"a\r\nb\nc\r\n", LineEnd::CrLf, {"a", "b\nc"}},
               {"a\nb\r\nc\rd\n", LineEnd::Lf, {"a", "b\r", "c\rd"}},
               {"a\rb\r\n", LineEnd::Cr, {"a", "b", "\n"}}};
  for (const auto &c : cases) {
    EXPECT_EQ(c.end, DetectLineEnd(c.bytes)) << c.bytes;
    EXPECT_EQ(c.lines, SplitLines(c.bytes, c.end)) << c.bytes;
  }
  for (const auto &c : {cases[1], cases[2], cases[3], cases[4]})
    EXPECT_EQ(c.bytes, JoinLines(SplitLines(c.bytes, c.end), c.end)) << c.bytes;
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
