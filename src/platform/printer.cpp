#include "platform/printer.h"

#include "base/units.h"

namespace zenpa::platform {

namespace {
constexpr int kVirtualStrip = 43; // unprintable strip of the virtual printer on every side
}

PrinterMetrics VirtualPrinterMetrics(int paperWidthMm, int paperHeightMm) {
  PrinterMetrics m;
  m.dpiX = base::kVirtualPrinterDpi;
  m.dpiY = base::kVirtualPrinterDpi;
  m.paperW = base::MmToPix(paperWidthMm, base::kVirtualPrinterDpi);
  m.paperH = base::MmToPix(paperHeightMm, base::kVirtualPrinterDpi);
  m.offX = kVirtualStrip;
  m.offY = kVirtualStrip;
  m.printableW = m.paperW - 2 * kVirtualStrip;
  m.printableH = m.paperH - 2 * kVirtualStrip;
  return m;
}

} // namespace zenpa::platform
