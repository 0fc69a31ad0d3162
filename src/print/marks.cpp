#include "print/marks.h"

#include <algorithm>
#include <utility>

#include "base/colour.h"
#include "base/sjis.h"
#include "print/layout_numbers.h"

namespace zenpa::print {
namespace {

constexpr std::size_t kNone = std::string::npos;
constexpr std::size_t kMaxRest = 256;

// First occurrence of needle that starts on a character boundary, so that a
// parameter letter is never matched inside a double-byte character.
std::size_t FindAtChar(std::string_view hay, std::string_view needle) {
  if (needle.empty()) {
    return kNone;
  }
  for (std::size_t i = 0; i + needle.size() <= hay.size();) {
    if (hay.compare(i, needle.size(), needle) == 0) {
      return i;
    }
    i += base::CharLen(hay, i);
  }
  return kNone;
}

std::size_t FindEither(std::string_view hay, std::string_view a, std::string_view b) {
  const std::size_t pos = FindAtChar(hay, a);
  return pos != kNone ? pos : FindAtChar(hay, b);
}

void Trim(std::string &s) {
  const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  const auto first = std::find_if_not(s.begin(), s.end(), blank);
  s.erase(s.begin(), first);
  const auto last = std::find_if_not(s.rbegin(), s.rend(), blank);
  s.erase(last.base(), s.end());
}

// The longest prefix of t, at most maxLen bytes, that reads as an integer;
// 0 when none does.
int LeadingInteger(std::string_view t, std::size_t maxLen) {
  for (std::size_t len = std::min(maxLen, t.size()); len > 0; --len) {
    if (const auto v = ReadInteger(t.substr(0, len))) {
      return *v;
    }
  }
  return 0;
}

std::size_t HeadLength(std::string_view line) {
  std::size_t len = std::min<std::size_t>(2, line.size());
  while (len < line.size() && (line[len] == '-' || line[len] == '+')) {
    ++len;
  }
  return len;
}

// Size rule: each "-" from the first one takes 5 %, each "+" from the first
// one adds 10 % and wins over "-", "=" restores 100 %.
int ScaleOfHead(std::string_view head, int current) {
  long long scale = current;
  if (const auto minus = head.find('-'); minus != kNone) {
    scale = 100 - 5LL * static_cast<long long>(head.size() - minus);
  }
  if (const auto plus = head.find('+'); plus != kNone) {
    scale = 100 + 10LL * static_cast<long long>(head.size() - plus);
  }
  if (head.find('=') != kNone) {
    scale = 100;
  }
  return static_cast<int>(std::clamp<long long>(scale, kMinMarkScale, kMaxMarkScale));
}

void ApplyColor(std::string &rest, const MarkRules &rules, MarkState &state) {
  if (const auto pos = FindEither(rest, "c=", "C="); pos != kNone) {
    state.markColorText = rules.textColorText;
    rest.erase(pos, 2);
  } else if (const auto dollar = FindAtChar(rest, "$"); dollar != kNone) {
    state.markColorText = rest.substr(dollar, 7);
    rest.erase(dollar, 7);
  }
  Trim(rest);
}

void ApplyIndent(const std::string &rest, MarkState &state) {
  const auto pos = FindEither(rest, "m", "M");
  if (pos == kNone) {
    return;
  }
  const std::string_view t = std::string_view(rest).substr(pos + 1, 5);
  if (!t.empty() && t[0] == '=') {
    state.markIndent = 0;
    return;
  }
  state.markIndent = LeadingInteger(t, !t.empty() && t[0] == '-' ? 5 : 4);
}

void ApplyLineSpacing(const std::string &rest, const MarkRules &rules, MarkState &state) {
  if (const auto change = SpacingParameter(rest, rules.lineSpacing))
    state.markLineSpacing = rules.lineSpacing + *change;
}

} // namespace

std::optional<int> SpacingParameter(std::string_view text, int lineSpacing) {
  const auto pos = FindAtChar(text, "%");
  if (pos == kNone) {
    return std::nullopt;
  }
  const std::string_view t = text.substr(pos + 1, 4);
  if (!t.empty() && t[0] == '=') {
    return 0;
  }
  const int v = LeadingInteger(t, !t.empty() && t[0] == '-' ? 4 : 3);
  return std::max(v, -lineSpacing);
}

MarkRules MarkRulesOf(const settings::PrintFormat &format) {
  MarkRules rules;
  rules.scaleMarksOn = format.scaleMarksOn;
  rules.scaleMark = format.scaleMark;
  rules.pageBreakMark = format.pageBreakMark;
  rules.fontName = format.fontName;
  rules.textColorText = base::ColourToText(format.textColor);
  rules.lineSpacing = format.lineSpacing;
  return rules;
}

MarkReader::MarkReader(MarkRules rules, std::vector<std::string> sortedFonts)
    : rules_(std::move(rules)), fonts_(std::move(sortedFonts)) {
  std::erase_if(fonts_, [](const std::string &f) { return f.empty(); });
}

MarkState MarkReader::ResetState() const {
  MarkState state;
  state.markColorText = rules_.textColorText;
  state.markFont = rules_.fontName;
  state.markLineSpacing = rules_.lineSpacing;
  return state;
}

bool MarkReader::IsPageBreakLine(std::string_view line) const {
  return !rules_.pageBreakMark.empty() && line == rules_.pageBreakMark;
}

bool MarkReader::IsMarkLine(std::string_view line) const {
  const std::string &mark = rules_.scaleMark;
  if (!rules_.scaleMarksOn || line.size() <= mark.size() || !line.starts_with(mark)) {
    return false;
  }
  const char sign = line[mark.size()];
  return (sign == '-' || sign == '+' || sign == '=') && !IsPageBreakLine(line);
}

bool MarkReader::IsPrintableLine(std::string_view line) const {
  return !IsPageBreakLine(line) && !IsMarkLine(line);
}

void MarkReader::ApplyFont(std::string &rest, MarkState &state) const {
  if (const auto pos = FindEither(rest, "f=", "F="); pos != kNone) {
    state.markFont = rules_.fontName;
    rest.erase(pos, 2);
    Trim(rest);
    return;
  }
  const auto occurs = [&rest](const std::string &f) { return FindAtChar(rest, f) != kNone; };
  const auto first = std::find_if(fonts_.begin(), fonts_.end(), occurs);
  if (first == fonts_.end()) {
    return;
  }
  // A longer name a few entries further down ("…ゴシック" after its prefix) wins.
  auto chosen = first;
  const auto lookAheadEnd = first + std::min<std::ptrdiff_t>(5, fonts_.end() - first);
  for (auto it = first + 1; it != lookAheadEnd; ++it) {
    if (occurs(*it)) {
      chosen = it;
    }
  }
  state.markFont = *chosen;
  rest.erase(FindAtChar(rest, *chosen), chosen->size());
  Trim(rest);
}

void MarkReader::ReadPMark(std::string_view line, MarkState &state) const {
  state.markIsActive = IsMarkLine(line);
  if (!state.markIsActive) {
    return;
  }
  const std::size_t headLen = HeadLength(line);
  state.markScale = ScaleOfHead(line.substr(0, headLen), state.markScale);
  std::string rest(line.substr(headLen, kMaxRest));
  Trim(rest);
  ApplyColor(rest, rules_, state);
  ApplyFont(rest, state);
  ApplyIndent(rest, state);
  ApplyLineSpacing(rest, rules_, state);
}

} // namespace zenpa::print
