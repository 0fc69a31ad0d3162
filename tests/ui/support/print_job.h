// A print run as the window makes it, for tests of real printers: the text
// is laid out on the printer's metrics with a canvas that measures like the
// desktop, then PrintWork runs in print mode.
#pragma once

#include "platform/scripted_host.h"
#include "print/layout.h"
#include "print/print_run.h"
#include "ui/main/editor_font.h"
#include "ui/qt/qt_canvas.h"
#include "ui/qt/qt_font_catalog.h"

#include <QImage>
#include <QPainter>

#include <string>
#include <vector>

namespace zenpa::testing {

// With the editor's cell ratio given, for a font list of the test's own.
inline print::PrintWorkResult PrintLines(settings::PrintFormat &format, print::PrintStatus &status,
                                         std::vector<std::string> text, platform::Printer &printer,
                                         platform::Host *host, const platform::FontCatalog &fonts,
                                         print::CellRatio ratio, const std::string &date = "") {
  QImage scratch(1, 1, QImage::Format_RGB32);
  QPainter painter(&scratch);
  ui::QtCanvas measure(painter, {}, &fonts);
  const std::vector<std::string> faces = fonts.JapaneseFaces();
  const print::PrintedLines lines(std::move(text));
  const bool even = format.duplex && status.range.evenPass();
  const print::LayoutResult layout =
      print::RunLayout(lines, {format, printer.Metrics(), ratio, faces, even}, measure);
  const print::PrintDocument doc{lines, layout, ratio, faces, "/tmp/job.txt", "", date};
  return print::PrintWork(format, status, doc, print::RunMode::Print,
                          {&printer, true, nullptr, host, {}});
}

inline print::PrintWorkResult PrintLines(settings::PrintFormat &format, print::PrintStatus &status,
                                         std::vector<std::string> text, platform::Printer &printer,
                                         platform::Host &host, const ui::QtFontCatalog &fonts) {
  return PrintLines(format, status, std::move(text), printer, &host, fonts,
                    ui::StartEditorCellRatio(fonts));
}

} // namespace zenpa::testing
