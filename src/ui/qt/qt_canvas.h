// QtCanvas: the print engine's Canvas over a QPainter (printer page, PDF
// page, preview picture, widget).
//
// Text is placed glyph by glyph at the positions the engine computed from its
// per-byte advance arrays; Qt never re-shapes or re-spaces it: the glyphs of
// one call go out as one glyph run, looked up once per face and character.
// A character the selected face cannot draw is drawn with Qt's fallback font
// at the same place. Unturned text whose cells lie well inside its clip is
// drawn without clipping and without saving the painter's state, which keeps
// a PDF page's content short. The cell height (ascent + descent) of the Qt font is the height the
// engine asks for. A turned font turns the painter about the text's
// reference point. `origin` is added to every coordinate, so that a painter
// that starts at the paper corner serves as a canvas whose origin is the
// printable corner.
#pragma once

#include "platform/canvas.h"
#include "platform/font_catalog.h"
#include "print/layout_geometry.h"

#include <QFont>
#include <QPainter>
#include <QPoint>
#include <QPointF>
#include <QRawFont>
#include <QString>

#include <array>
#include <bitset>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

namespace zenpa::ui {

class QtCanvas : public platform::Canvas {
public:
  // fonts, when given, maps the faces named in formats to installed ones.
  explicit QtCanvas(QPainter &painter, QPoint origin = {},
                    const platform::FontCatalog *fonts = nullptr);

  int TextWidth(std::string_view sjis) override;
  int TextHeight(std::string_view sjis) override;
  void SetFont(const platform::FontSpec &font) override;
  platform::FontSpec Font() const override { return spec_; }
  void SetTextColor(std::uint32_t bgr) override { textColor_ = bgr; }
  void DrawText(int x, int y, std::string_view sjis) override;
  void DrawTextAdvances(int x, int y, std::string_view sjis, std::span<const int> advances,
                        const platform::Rect &clip) override;
  void SetPen(std::uint32_t bgr, platform::PenStyle style) override;
  void DrawLine(int x1, int y1, int x2, int y2) override;
  void DrawRect(const platform::Rect &r) override;
  void FillRect(const platform::Rect &r, std::uint32_t bgr) override;

private:
  struct Glyph {
    QString text;      // the character in Unicode
    quint32 index = 0; // glyph of the selected face, 0 when it has none
    int width = 0;     // natural advance in device pixels
  };
  // The glyphs of one Shift-JIS lead byte (the single-byte characters share
  // lead 0), filled in as characters are first met.
  struct GlyphBlock {
    std::array<Glyph, 256> glyphs;
    std::bitset<256> known;
  };
  struct LoadedFont {
    QFont font;
    QRawFont raw;
    qreal ascent = 0;
    qreal underlinePos = 0;
    qreal lineWidth = 1;
    std::array<std::unique_ptr<GlyphBlock>, 256> blocks; // by lead byte
  };

  LoadedFont &Loaded();
  void Load(LoadedFont &f) const;
  const Glyph &GlyphOf(std::string_view character);
  void DrawPlaced(int x, int y, std::string_view sjis, std::span<const int> advances,
                  const platform::Rect *clip);
  // Draws the glyphs with the reference point at the origin of the
  // painter's frame.
  void DrawGlyphs(LoadedFont &f, std::string_view sjis, std::span<const int> advances);
  void DrawFallback(const LoadedFont &f, QPointF baseline, const QString &text);
  bool WellInside(int x, int y, std::span<const int> advances, const platform::Rect &clip) const;

  QPainter &painter_;
  QPoint origin_;
  const platform::FontCatalog *fonts_;
  platform::FontSpec spec_;
  std::uint32_t textColor_ = 0;
  std::unordered_map<std::string, LoadedFont> loaded_; // by face, height and style
  LoadedFont *current_ = nullptr;
};

// The cell ratio of a screen font (the editor's): the cell height of "0高"
// over the em height, both in screen pixels.
print::CellRatio CellRatioOf(const QFont &font);

// Qt colour of a 0x00BBGGRR value.
QColor ColorOfBgr(std::uint32_t bgr);

} // namespace zenpa::ui
