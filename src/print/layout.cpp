#include "print/layout.h"

#include "base/sjis.h"

namespace zenpa::print {

platform::FontSpec BaseFont(const settings::PrintFormat &format, int pixelHeight) {
  return {format.fontName, pixelHeight, format.bold, format.italic, format.underline, 0};
}

LayoutResult RunLayout(const PrintedLines &lines, const LayoutInput &in, platform::Canvas &canvas) {
  static const std::string kWide = base::Sj("幅");
  const settings::PrintFormat &f = in.format;
  const platform::FontSpec saved = canvas.Font();
  LayoutResult r;
  const int dpi = in.printer.dpiY > 0 ? in.printer.dpiY : 360;
  r.basePixelHeight = PtToPix(f.fontSize, dpi, in.cellRatio);
  canvas.SetFont(BaseFont(f, r.basePixelHeight));
  // The cell height is the same for every text, so the pitch is known
  // before the widest line is.
  const int baseTextH = TextH(canvas.TextHeight(" "), in.cellRatio);
  r.wideCharWidth = canvas.TextWidth(kWide);
  r.geometry = ComputeGeometry(f, in.printer, baseTextH);
  r.perPage = PageLineLimit(f, r.geometry);
  const MarkReader marks(MarkRulesOf(f), in.fonts);
  r.pagination = Check(lines, {f, marks, canvas, r.basePixelHeight, r.perPage, in.widths});
  r.width = CheckWidth(f, r.geometry, r.pagination.widestWidth, r.pagination.widestText.size(),
                       in.evenPass);
  r.tooLong = TooLong(f, r.geometry);
  canvas.SetFont(saved);
  return r;
}

} // namespace zenpa::print
