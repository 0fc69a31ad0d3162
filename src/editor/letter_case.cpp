#include "editor/letter_case.h"

#include "base/sjis.h"

namespace zenpa::editor {
namespace {

// A run of double-byte upper-case letters and the distance of their
// lower-case partners (codes as lead * 256 + trail).
struct CaseRun {
  int upperFirst;
  int upperLast;
  int lowerOffset;
};

constexpr CaseRun kCaseRuns[] = {
    {0x8260, 0x8279, 0x21}, // Ａ…Ｚ ↔ ａ…ｚ
    {0x839F, 0x83B6, 0x20}, // Α…Ω ↔ α…ω
    {0x8440, 0x844E, 0x30}, // А…Н ↔ а…н
    {0x844F, 0x8460, 0x31}, // О…Я ↔ о…я (the lower case skips the trail 7F)
};

enum class Case { Upper, Lower };

int MapDoubleByte(int code, Case to) {
  for (const CaseRun &run : kCaseRuns) {
    if (to == Case::Lower && code >= run.upperFirst && code <= run.upperLast)
      return code + run.lowerOffset;
    const int lower = code - run.lowerOffset;
    if (to == Case::Upper && lower >= run.upperFirst && lower <= run.upperLast)
      return lower;
  }
  return code;
}

char MapSingleByte(char c, Case to) {
  if (to == Case::Upper && c >= 'a' && c <= 'z')
    return static_cast<char>(c - 'a' + 'A');
  if (to == Case::Lower && c >= 'A' && c <= 'Z')
    return static_cast<char>(c - 'A' + 'a');
  return c;
}

// Maps every character of text in place; returns true when one changed.
bool MapInPlace(std::string &text, Case to) {
  bool changed = false;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t len = base::CharLen(text, i);
    if (len == 1) {
      const char mapped = MapSingleByte(text[i], to);
      changed |= mapped != text[i];
      text[i] = mapped;
    } else {
      const int code =
          static_cast<unsigned char>(text[i]) * 256 + static_cast<unsigned char>(text[i + 1]);
      const int mapped = MapDoubleByte(code, to);
      changed |= mapped != code;
      text[i] = static_cast<char>(mapped >> 8);
      text[i + 1] = static_cast<char>(mapped & 0xFF);
    }
    i += len;
  }
  return changed;
}

} // namespace

std::string AnsiUpperCase(std::string_view text) {
  std::string out(text);
  MapInPlace(out, Case::Upper);
  return out;
}

std::string AnsiLowerCase(std::string_view text) {
  std::string out(text);
  MapInPlace(out, Case::Lower);
  return out;
}

void UpperCaseInPlace(std::string &text) { MapInPlace(text, Case::Upper); }

bool HasCasedLetter(std::string_view text) {
  std::string upper(text);
  std::string lower(text);
  return MapInPlace(upper, Case::Upper) || MapInPlace(lower, Case::Lower);
}

} // namespace zenpa::editor
