#include "print/paper.h"

#include "base/sjis.h"
#include "base/units.h"
#include "platform/printer.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>

namespace zenpa::print {
namespace {

using platform::kLandscape;
using platform::kPortrait;

struct Paper {
  const char *name;
  int widthMm, heightMm; // upright
  int code;
};

constexpr Paper kSizes[] = {{"Ａ３", 297, 420, 8},        {"Ｂ４", 257, 364, 12},
                            {"Ａ４", 210, 297, kPaperA4}, {"Ｂ５", 182, 257, 13},
                            {"Ａ５", 148, 210, 11},       {"葉書", 100, 148, kPaperPostcard}};
constexpr std::size_t kSizeCount = std::size(kSizes);

constexpr std::array<PaperEntry, 2 * kSizeCount> ListOf() {
  std::array<PaperEntry, 2 * kSizeCount> list{};
  for (std::size_t i = 0; i < kSizeCount; ++i) {
    const Paper &p = kSizes[i];
    list[i] = {p.name, p.widthMm, p.heightMm, p.code, kPortrait};
    list[kSizeCount + i] = {p.name, p.heightMm, p.widthMm, p.code, kLandscape};
  }
  return list;
}

constexpr auto kPapers = ListOf();

const PaperEntry *Find(int code, int orientation) {
  const auto it = std::find_if(kPapers.begin(), kPapers.end(), [&](const PaperEntry &p) {
    return p.code == code && p.orientation == orientation;
  });
  return it == kPapers.end() ? nullptr : &*it;
}

} // namespace

std::span<const PaperEntry> PaperList() { return kPapers; }

const PaperEntry &PaperOf(int code, int orientation) {
  if (code == kPaperPostcardAlt)
    code = kPaperPostcard;
  if (orientation != kLandscape)
    orientation = kPortrait;
  if (const PaperEntry *entry = Find(code, orientation))
    return *entry;
  return *Find(kPaperA4, orientation);
}

std::string PaperCaption(const PaperEntry &entry) {
  return base::Sj(entry.name) + base::Sj(entry.orientation == kLandscape ? "横" : "縦") + " " +
         std::to_string(entry.widthMm) + " x " + std::to_string(entry.heightMm) + " mm";
}

int PaperIndexOf(int code, int orientation) {
  return static_cast<int>(&PaperOf(code, orientation) - kPapers.data());
}

int CutAfterPaperChange(int cutMm, int oldSizeMm, int newSizeMm) {
  if (cutMm == 0)
    return 0;
  return std::max(0, cutMm + newSizeMm - oldSizeMm);
}

void ChoosePaper(settings::PrintFormat &format, const PaperEntry &entry) {
  const PaperEntry &old = PaperOf(format.paperSize, format.orientation);
  format.paperSize = entry.code;
  format.orientation = entry.orientation;
  format.paperRight = CutAfterPaperChange(format.paperRight, old.widthMm, entry.widthMm);
  format.paperBottom = CutAfterPaperChange(format.paperBottom, old.heightMm, entry.heightMm);
}

void ApplyPaperToPrinter(platform::Printer &printer, int code, int orientation) {
  printer.SetPaper(code, orientation);
  if (code != kPaperPostcard && code != kPaperPostcardAlt)
    return;
  const platform::PrinterMetrics m = printer.Metrics();
  const int w = base::PixToMm(m.paperW, m.dpiX);
  const int h = base::PixToMm(m.paperH, m.dpiY);
  if (w != 100 && h != 100)
    printer.SetPaper(code == kPaperPostcard ? kPaperPostcardAlt : kPaperPostcard, orientation);
}

} // namespace zenpa::print
