#include "print/render_text.h"

#include "base/paths.h"
#include "base/sjis.h"
#include "base/units.h"

#include <cctype>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace zenpa::print {
namespace {

// Integer of the whole text (blanks around it allowed), or nothing.
bool ParseInt(std::string_view text, long long &value) {
  std::size_t b = text.find_first_not_of(' ');
  std::size_t e = text.find_last_not_of(' ');
  if (b == std::string_view::npos)
    return false;
  text = text.substr(b, e - b + 1);
  std::size_t i = (text[0] == '-' || text[0] == '+') ? 1 : 0;
  if (i == text.size() || text.size() - i > 9)
    return false;
  long long v = 0;
  for (std::size_t k = i; k < text.size(); ++k) {
    if (!std::isdigit(static_cast<unsigned char>(text[k])))
      return false;
    v = v * 10 + (text[k] - '0');
  }
  value = text[0] == '-' ? -v : v;
  return true;
}

std::string PadWithZeros(std::string digits, std::string_view start) {
  if (start.empty() || start[0] != '0')
    return digits;
  if (digits.size() < start.size())
    digits.insert(0, start.size() - digits.size(), '0');
  return digits;
}

bool IsListedSingleByte(std::string_view list, char c) {
  for (std::size_t i = 0; i < list.size(); i += base::CharLen(list, i)) {
    if (base::CharLen(list, i) == 1 && list[i] == c)
      return true;
  }
  return false;
}

} // namespace

int PageNumberStartValue(std::string_view start) {
  long long v = 0;
  return ParseInt(start, v) ? static_cast<int>(v) : 1;
}

std::string PaddedPageNumber(std::string_view start, int page) {
  return PadWithZeros(std::to_string(PageNumberStartValue(start) - 1 + page), start);
}

std::string NormalizedPageNumberStart(std::string_view start) {
  return PadWithZeros(std::to_string(PageNumberStartValue(start)), start);
}

std::string PageNumberText(const settings::PrintFormat &format, int page) {
  return format.pageNumberLeft + PaddedPageNumber(format.pageNumberStart, page) +
         format.pageNumberRight;
}

std::string HeaderFileName(std::string_view path, bool withExtension) {
  std::string name = base::ExtractFileName(std::string(path));
  if (withExtension)
    return name;
  return base::ChangeFileExt(name, "");
}

std::string TodayShortDate() {
  std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  char text[40];
  std::snprintf(text, sizeof text, "%04d/%02d/%02d", local.tm_year + 1900, local.tm_mon + 1,
                local.tm_mday);
  return text;
}

std::string HeaderText(const settings::PrintFormat &format, const HeaderSource &source, int page,
                       bool mirrored) {
  static const std::string kIdeographicSpace = base::Sj("　");
  std::string text;
  if (format.pageNumberOn && format.pageNumberPos == settings::PageNumberPos::Top) {
    text = PageNumberText(format, page);
  }
  if (mirrored) {
    if (text.empty() || text.front() != ' ')
      text.insert(0, " ");
    if (format.printFileName)
      text += source.fileName;
    if (format.printDate)
      text += kIdeographicSpace + source.date;
    return text;
  }
  if (text.empty() || text.back() != ' ')
    text += ' ';
  if (format.printFileName)
    text.insert(0, source.fileName);
  if (format.printDate)
    text.insert(0, source.date + kIdeographicSpace);
  return text;
}

int FixedPitchCell(platform::FontMetrics &metrics, int charSpacing) {
  static const std::string kRuler = base::Sj("┗━┷━┷━┻━┷━");
  return static_cast<int>(
      base::RoundHalfAway(metrics.TextWidth(kRuler) * static_cast<double>(charSpacing) / 100 / 20));
}

LineAdvances ComputeAdvances(platform::FontMetrics &metrics, std::string_view text, int charSpacing,
                             int fixedCell, std::string_view noPairChars) {
  LineAdvances out;
  out.advances.assign(text.size(), 0);
  out.kinds.assign(text.size(), kSingleByte);
  std::vector<int> widths(text.size(), 0); // width of each character at its first byte
  int total = 0;
  for (std::size_t i = 0; i < text.size(); i += base::CharLen(text, i)) {
    std::size_t n = base::CharLen(text, i);
    widths[i] = metrics.TextWidth(text.substr(i, n));
    total += widths[i];
    if (n == 2) {
      out.kinds[i] = kLeadByte;
      out.kinds[i + 1] = kTrailByte;
    } else if (IsListedSingleByte(noPairChars, text[i])) {
      out.kinds[i] = kNoPairByte;
    }
  }
  if (text.empty())
    return out;
  out.extra = static_cast<int>(
      base::RoundHalfAway(total * (charSpacing - 100) / 100.0 / static_cast<double>(text.size())));
  std::size_t previousLast = 0; // last byte of the previous character
  for (std::size_t i = 0; i < text.size(); i += base::CharLen(text, i)) {
    std::size_t n = base::CharLen(text, i);
    std::size_t last = i + n - 1;
    if (fixedCell <= 0) {
      out.advances[i] = n == 2 ? 2 * out.extra : widths[i] + out.extra;
      if (n == 2)
        out.advances[last] = widths[i];
      continue;
    }
    int cell = fixedCell * static_cast<int>(n);
    int half = (cell - widths[i]) / 2; // centres the glyph in its cells
    if (i == 0) {
      out.shift = half;
    } else {
      out.advances[previousLast] += half;
    }
    out.advances[i] = cell - half;
    if (n == 2) {
      out.advances[last] = out.advances[i] - out.advances[i] / 2;
      out.advances[i] /= 2;
    }
    previousLast = last;
  }
  return out;
}

std::vector<std::size_t> FindPairs(const std::vector<std::uint8_t> &kinds) {
  std::vector<std::size_t> pairs;
  for (std::size_t i = 0; i + 1 < kinds.size();) {
    if (kinds[i] == kSingleByte && kinds[i + 1] == kSingleByte) {
      pairs.push_back(i);
      i += 2;
      continue;
    }
    ++i;
  }
  return pairs;
}

int AdvanceBefore(const std::vector<int> &advances, std::size_t end) {
  int sum = 0;
  for (std::size_t i = 0; i < end && i < advances.size(); ++i)
    sum += advances[i];
  return sum;
}

} // namespace zenpa::print
