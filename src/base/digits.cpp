#include "base/digits.h"

namespace zenpa::base {
namespace {

// "０" is 82 4F, "①" is 87 40 in Shift-JIS.
constexpr unsigned char kFullZeroLead = 0x82, kFullZeroTrail = 0x4F;
constexpr unsigned char kCircledLead = 0x87, kCircledOneTrail = 0x40;

std::string Pair(unsigned char lead, unsigned char trail) {
  return std::string{static_cast<char>(lead), static_cast<char>(trail)};
}

const std::string kBlank = Pair(0x81, 0x40); // "　"

} // namespace

std::string zenkaku(int n) {
  if (n >= 0 && n <= 9)
    return Pair(kFullZeroLead, static_cast<unsigned char>(kFullZeroTrail + n));
  if (n == 10)
    return kBlank;
  return Pair(0x82, 0x64); // "Ｅ"
}

std::string zenkakuW(int n) {
  if (n >= 0 && n < 10)
    return kBlank + zenkaku(n);
  if (n >= 10 && n < 100)
    return zenkaku(n / 10) + zenkaku(n % 10);
  return " " + std::to_string(n);
}

std::string CircledDigit(int n) {
  if (n >= 1 && n <= 9)
    return Pair(kCircledLead, static_cast<unsigned char>(kCircledOneTrail + n - 1));
  return kBlank;
}

int FullWidthDigitValue(std::string_view ch) {
  if (ch.size() != 2 || static_cast<unsigned char>(ch[0]) != kFullZeroLead)
    return 0;
  int v = static_cast<unsigned char>(ch[1]) - kFullZeroTrail;
  return (v >= 1 && v <= 9) ? v : 0;
}

int CellDigitValue(std::string_view ch) {
  if (ch.size() == 2 && static_cast<unsigned char>(ch[0]) == kCircledLead) {
    int v = static_cast<unsigned char>(ch[1]) - kCircledOneTrail + 1;
    return (v >= 1 && v <= 9) ? v : 0;
  }
  return FullWidthDigitValue(ch);
}

} // namespace zenpa::base
