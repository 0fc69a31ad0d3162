// Shift-JIS (code page 932) text: character walking and a lossless codec.
//
// The whole core keeps text as Shift-JIS bytes in std::string. Unicode is met
// only at the desktop boundary (UTF-16 for Qt) and in UTF-8 output of the
// command line. The codec is lossless: any byte string decodes to Unicode and
// encodes back to the same bytes.
//  - bytes that are not part of a character (a lone lead byte, a lead byte
//    with an impossible trail, NUL, CR and LF inside a line) become the
//    private-use characters U+F000 + byte;
//  - the double-byte codes that share a Unicode character with another code
//    (NEC and IBM duplicates) become private-use characters from U+F100 up;
//  - everything else is the ordinary code page 932 character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zenpa::base {

// True for the bytes that start a double-byte character: 81-9F and E0-FC.
constexpr bool IsLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Length in bytes (1 or 2) of the character that starts at pos. A lead byte
// at the very end of the text counts as one byte.
inline std::size_t CharLen(std::string_view s, std::size_t pos) {
  return (IsLeadByte(static_cast<unsigned char>(s[pos])) && pos + 1 < s.size()) ? 2 : 1;
}

// True when the byte at pos is the second byte of a double-byte character,
// walking the text from its start.
bool IsTrailPos(std::string_view s, std::size_t pos);

// Start of the character that holds byte pos (pos itself, or pos - 1 when
// pos is a trail byte).
std::size_t CharStart(std::string_view s, std::size_t pos);

// Byte offset of the first occurrence of needle in s that starts on a
// character boundary, or npos.
std::size_t FindChars(std::string_view s, std::string_view needle);

// Number of characters (not bytes) in s.
std::size_t CharCount(std::string_view s);

// First private-use characters of the two lossless ranges.
constexpr char16_t kRawBytePua = 0xF000;
constexpr char16_t kDuplicatePua = 0xF100;

std::u16string SjisToUtf16(std::string_view sjis);
std::string SjisToUtf8(std::string_view sjis);

// Characters that code page 932 cannot hold become "?" and, when given,
// *lossless is set to false.
std::string Utf16ToSjis(std::u16string_view text, bool *lossless = nullptr);
std::string Utf8ToSjis(std::string_view utf8, bool *lossless = nullptr);

// True when code page 932 has the character (it survives a save).
bool CanHold(char32_t code);

// Shift-JIS form of a UTF-8 literal from the source code: Sj("次頁").
inline std::string Sj(std::string_view utf8) { return Utf8ToSjis(utf8); }

} // namespace zenpa::base
