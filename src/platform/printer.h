// The printers of the desktop, as the core sees them. Lengths are printer
// pixels. Without any installed printer the engine lays out on the virtual
// 360-dpi printer (VirtualPrinterMetrics). A print job draws on PageCanvas,
// whose origin is the printable corner (OffX, OffY) of the physical paper.
#pragma once

#include "platform/canvas.h"

#include <string>
#include <vector>

namespace zenpa::platform {

// What the printer reports about the paper in its tray.
struct PrinterMetrics {
  int dpiX = 360;
  int dpiY = 360;
  int paperW = 0; // physical paper width and height
  int paperH = 0;
  int offX = 0; // physical offset of the printable area from the paper corner
  int offY = 0;
  int printableW = 0; // size of the printable area
  int printableH = 0;

  friend bool operator==(const PrinterMetrics &, const PrinterMetrics &) = default;
};

// Paper orientation as the format stores it.
constexpr int kPortrait = 1;
constexpr int kLandscape = 2;

// How a job ended. A job written to a file that could not be finished
// names the file and the system's reason (Shift-JIS).
struct JobEnd {
  bool finished = true;
  std::string path;
  std::string reason;
};

// The virtual printer used when none is installed: 360 dpi, paper of the
// given size in mm (mm / 25.399 × 360, rounded), offsets and strips of 43.
PrinterMetrics VirtualPrinterMetrics(int paperWidthMm, int paperHeightMm);

class Printer {
public:
  virtual ~Printer() = default;
  // Installed printers; empty when there is none.
  virtual std::vector<std::string> PrinterNames() const = 0;
  // Index into PrinterNames of the current printer, -1 when there is none.
  virtual int CurrentIndex() const = 0;
  virtual void SetCurrentIndex(int index) = 0;

  // Resolution, physical paper size and offsets of the current printer.
  virtual PrinterMetrics Metrics() const = 0;
  // Paper as a Windows paper code (9 A4, 8 A3, 12 B4, 13 B5, 11 A5, 43
  // postcard) and an orientation (kPortrait, kLandscape).
  virtual int PaperCode() const = 0;
  virtual int Orientation() const = 0;
  virtual void SetPaper(int paperCode, int orientation) = 0;
  // The desktop's printer-setup dialog; true when the user chose OK.
  virtual bool SetupDialog() = 0;

  // A print job: BeginDoc opens the first page, NewPage ends the page and
  // opens the next, EndDoc sends the job and says whether it was finished.
  // BeginDoc is false when the job cannot start.
  virtual bool BeginDoc(const std::string &title) = 0;
  virtual void NewPage() = 0;
  virtual JobEnd EndDoc() = 0;
  // Why the last BeginDoc failed, when the printer can tell: the file it could
  // not write and the system's reason (an empty path when it cannot tell).
  virtual JobEnd StartFailure() const { return {false, {}, {}}; }
  // The canvas of the open page; valid between BeginDoc and EndDoc.
  virtual Canvas &PageCanvas() = 0;
};

} // namespace zenpa::platform
