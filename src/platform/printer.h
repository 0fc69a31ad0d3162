// The printers of the desktop, as the core sees them. Lengths are printer
// pixels. Without any installed printer the engine lays out on the virtual
// 360-dpi printer. (Drawing goes through the Canvas of the print engine.)
#pragma once

#include <string>
#include <vector>

namespace zenpa::platform {

class Printer {
public:
  virtual ~Printer() = default;
  // Installed printers; empty when there is none.
  virtual std::vector<std::string> PrinterNames() const = 0;
  // Index into PrinterNames of the current printer, -1 when there is none.
  virtual int CurrentIndex() const = 0;
  virtual void SetCurrentIndex(int index) = 0;
};

} // namespace zenpa::platform
