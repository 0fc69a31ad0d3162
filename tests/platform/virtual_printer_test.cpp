#include "platform/recording_printer.h"

#include <gtest/gtest.h>

namespace zenpa::platform {
namespace {

TEST(VirtualPrinterTest, A4PortraitAt360Dpi) {
  PrinterMetrics m = VirtualPrinterMetrics(210, 297);
  EXPECT_EQ(2976, m.paperW);
  EXPECT_EQ(4210, m.paperH);
  EXPECT_EQ(43, m.offX);
  EXPECT_EQ(43, m.offY);
  EXPECT_EQ(2976 - 86, m.printableW);
  EXPECT_EQ(360, m.dpiY);
}

} // namespace
} // namespace zenpa::platform
