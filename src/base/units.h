// Lengths: printer pixels inside the print engine, whole millimetres in files
// and fields, 25.399 millimetres per inch. Rounding is half away from zero.
#pragma once

#include <string>

namespace zenpa::base {

constexpr double kMmPerInch = 25.399;
constexpr int kVirtualPrinterDpi = 360; // resolution used when no printer is installed

// Rounds half away from zero.
long long RoundHalfAway(double v);

// round(mm × dpi / 25.399)
int MmToPix(double mm, int dpi);
// round(px / dpi × 25.399)
int PixToMm(double px, int dpi);
// px in millimetres with one decimal, as text ("12.5").
std::string pix2mmfl(double px, int dpi);

// Design pixel size n scaled by the display scale in percent, truncated.
constexpr int BAI(int n, int uiScale) { return n * uiScale / 100; }

} // namespace zenpa::base
