#include "base/sjis.h"

#include <array>
#include <cstdint>
#include <vector>

namespace zenpa::base {
namespace {

#include "base/cp932_table.inc"

constexpr int kTrailCount = 0xFC - 0x40 + 1;

int LeadIndex(unsigned char lead) { return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 0x1F; }

// Unicode of a single byte that is a character by itself, or 0 when it is not.
// NUL, CR and LF are kept as raw bytes so that a line never splits in the
// editor.
char16_t SingleByteChar(unsigned char b) {
  if (b == 0x00 || b == 0x0A || b == 0x0D)
    return 0;
  if (b < 0x80)
    return b;
  if (b == 0x80)
    return 0x80;
  if (b == 0xA0)
    return 0xF8F0;
  if (b >= 0xA1 && b <= 0xDF)
    return static_cast<char16_t>(0xFF61 + (b - 0xA1));
  if (b >= 0xFD)
    return static_cast<char16_t>(0xF8F1 + (b - 0xFD));
  return 0;
}

char16_t DoubleByteChar(unsigned char lead, unsigned char trail) {
  if (trail < 0x40 || trail > 0xFC)
    return 0;
  return kDoubleByteTable[LeadIndex(lead) * kTrailCount + (trail - 0x40)];
}

// Reverse table: Unicode BMP character to Shift-JIS code (one or two bytes,
// two-byte codes as lead * 256 + trail), 0 when not encodable.
class EncodeTable {
public:
  EncodeTable() : codes_(0x10000, 0) {
    for (int b = 0; b < 0x100; ++b) {
      codes_[kRawBytePua + b] = static_cast<std::uint16_t>(b == 0 ? 0x100 : b);
      char16_t u = SingleByteChar(static_cast<unsigned char>(b));
      if (u != 0)
        codes_[u] = static_cast<std::uint16_t>(b);
    }
    codes_[0] = 0x100; // NUL as U+0000 too
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
      if (!IsLeadByte(static_cast<unsigned char>(lead)))
        continue;
      for (int trail = 0x40; trail <= 0xFC; ++trail) {
        char16_t u =
            DoubleByteChar(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
        if (u != 0)
          codes_[u] = static_cast<std::uint16_t>(lead * 256 + trail);
      }
    }
  }
  // Appends the encoding of u; returns false when u has none.
  bool Append(char32_t u, std::string &out) const {
    if (u > 0xFFFF)
      return false;
    std::uint16_t c = codes_[u];
    if (c == 0)
      return false;
    if (c == 0x100) {
      out.push_back('\0');
    } else if (c > 0xFF) {
      out.push_back(static_cast<char>(c >> 8));
      out.push_back(static_cast<char>(c & 0xFF));
    } else {
      out.push_back(static_cast<char>(c));
    }
    return true;
  }

private:
  std::vector<std::uint16_t> codes_;
};

const EncodeTable &Encoder() {
  static const EncodeTable table;
  return table;
}

// Calls emit(char16_t) for every Unicode character of the Shift-JIS text.
template <typename Emit> void Decode(std::string_view s, Emit emit) {
  const std::size_t n = s.size();
  for (std::size_t i = 0; i < n; ++i) {
    unsigned char b = static_cast<unsigned char>(s[i]);
    if (b < 0x80 && b != 0x00 && b != 0x0A && b != 0x0D) {
      emit(static_cast<char16_t>(b));
      continue;
    }
    if (IsLeadByte(b) && i + 1 < n) {
      char16_t u = DoubleByteChar(b, static_cast<unsigned char>(s[i + 1]));
      if (u != 0) {
        emit(u);
        ++i;
        continue;
      }
    }
    char16_t u = SingleByteChar(b);
    emit(u != 0 ? u : static_cast<char16_t>(kRawBytePua + b));
  }
}

void AppendUtf8(char32_t c, std::string &out) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// Reads one UTF-8 sequence at s[i]; advances i. Malformed bytes give U+FFFD.
char32_t NextUtf8(std::string_view s, std::size_t &i) {
  unsigned char b = static_cast<unsigned char>(s[i++]);
  if (b < 0x80)
    return b;
  int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : -1;
  if (extra < 0 || i + extra > s.size())
    return 0xFFFD;
  char32_t c = b & (0x3F >> extra);
  for (int k = 0; k < extra; ++k) {
    unsigned char t = static_cast<unsigned char>(s[i]);
    if ((t & 0xC0) != 0x80)
      return 0xFFFD;
    c = (c << 6) | (t & 0x3F);
    ++i;
  }
  return c;
}

void AppendEncoded(char32_t c, std::string &out, bool &lossless) {
  if (c < 0x80 && c != 0) {
    out.push_back(static_cast<char>(c));
    return;
  }
  if (!Encoder().Append(c, out)) {
    out.push_back('?');
    lossless = false;
  }
}

} // namespace

bool IsTrailPos(std::string_view s, std::size_t pos) {
  std::size_t i = 0;
  while (i < pos)
    i += CharLen(s, i);
  return i > pos;
}

std::size_t CharStart(std::string_view s, std::size_t pos) {
  return IsTrailPos(s, pos) ? pos - 1 : pos;
}

std::size_t FindChars(std::string_view s, std::string_view needle) {
  for (std::size_t pos = 0; pos < s.size(); pos += CharLen(s, pos)) {
    if (s.substr(pos, needle.size()) == needle)
      return pos;
  }
  return std::string_view::npos;
}

std::size_t CharCount(std::string_view s) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < s.size(); i += CharLen(s, i))
    ++count;
  return count;
}

std::u16string SjisToUtf16(std::string_view sjis) {
  std::u16string out;
  out.reserve(sjis.size());
  Decode(sjis, [&out](char16_t u) { out.push_back(u); });
  return out;
}

std::string SjisToUtf8(std::string_view sjis) {
  std::string out;
  out.reserve(sjis.size() + sjis.size() / 2);
  Decode(sjis, [&out](char16_t u) { AppendUtf8(u, out); });
  return out;
}

bool CanHold(char32_t code) {
  std::string out;
  bool ok = true;
  AppendEncoded(code, out, ok);
  return ok;
}

std::string Utf16ToSjis(std::u16string_view text, bool *lossless) {
  std::string out;
  out.reserve(text.size() * 2);
  bool ok = true;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    // A surrogate pair is one character; a lone surrogate is one too (it
    // becomes "?"), and the character after it is left alone.
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    }
    AppendEncoded(c, out, ok);
  }
  if (lossless)
    *lossless = ok;
  return out;
}

std::string Utf8ToSjis(std::string_view utf8, bool *lossless) {
  std::string out;
  out.reserve(utf8.size());
  bool ok = true;
  for (std::size_t i = 0; i < utf8.size();)
    AppendEncoded(NextUtf8(utf8, i), out, ok);
  if (lossless)
    *lossless = ok;
  return out;
}

} // namespace zenpa::base
