// Values of format-file lines: numbers, flags, texts and the frame rectangle.
#include "settings/format_lines.h"

#include "base/sjis.h"
#include "base/units.h"

#include <algorithm>
#include <charconv>

namespace zenpa::settings::detail {
namespace {

constexpr int kFrameClampPaperMm = 364; // paper size assumed while a frame is read

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos)
    return {};
  const auto last = s.find_last_not_of(" \t");
  return s.substr(first, last - first + 1);
}

// The whole text, less surrounding blanks and a leading "+", must be the number.
template <class Number, class... Format>
std::optional<Number> ParseNumber(std::string_view text, Format... format) {
  text = Trim(text);
  if (!text.empty() && text.front() == '+')
    text.remove_prefix(1);
  Number n{};
  const char *end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, n, format...);
  if (text.empty() || result.ec != std::errc{} || result.ptr != end)
    return std::nullopt;
  return n;
}

} // namespace

std::optional<long long> ParseInteger(std::string_view text) {
  return ParseNumber<long long>(text);
}

std::optional<double> ParseDecimal(std::string_view text) {
  return ParseNumber<double>(text, std::chars_format::fixed);
}

LineError ReadSpin(std::string_view text, int lo, int hi, int &out) {
  const auto n = ParseInteger(text);
  if (!n)
    return LineError::NotANumber;
  if (*n < kSpinMin || *n > kSpinMax)
    return LineError::OutOfRange;
  out = static_cast<int>(std::clamp<long long>(*n, lo, hi));
  return LineError::None;
}

// Each value is clamped on a paper of 364 mm, so that no value is cut by the
// paper currently chosen.
LineError ReadFrame(std::string_view text, FrameRect &frame) {
  std::array<int, 4> n{};
  text = Trim(text);
  for (std::size_t i = 0; i < n.size(); ++i) {
    const std::size_t blank = i + 1 < n.size() ? text.find(' ') : std::string_view::npos;
    const LineError e = ReadSpin(text.substr(0, blank), 0, 1000, n[i]);
    if (e != LineError::None)
      return e;
    text = blank == std::string_view::npos ? std::string_view{} : text.substr(blank + 1);
  }
  frame.left = std::min(n[0], kFrameClampPaperMm);
  frame.top = std::min(n[1], kFrameClampPaperMm);
  frame.width = std::min(n[2], kFrameClampPaperMm - frame.left);
  frame.height = std::min(n[3], kFrameClampPaperMm - frame.top);
  return LineError::None;
}

std::string FlagText(bool on) { return on ? "1" : "0"; }

std::string FontSizeText(double points) {
  const long long tenths = base::RoundHalfAway(points * 10);
  std::string text = std::to_string(tenths / 10);
  if (tenths % 10 != 0)
    text += "." + std::to_string(tenths % 10);
  return text;
}

std::string TextValue(std::string_view text) {
  static const std::string fullWidthComma = base::Sj("，");
  std::string out;
  for (std::size_t i = 0; i < text.size(); i += base::CharLen(text, i)) {
    if (text[i] == ',') {
      out += fullWidthComma;
    } else {
      out.append(text.substr(i, base::CharLen(text, i)));
    }
  }
  return out;
}

std::string CutText(std::string_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes)
    return std::string(text);
  return std::string(text.substr(0, base::CharStart(text, maxBytes)));
}

} // namespace zenpa::settings::detail
