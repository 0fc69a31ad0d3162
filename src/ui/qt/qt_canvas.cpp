#include "ui/qt/qt_canvas.h"

#include "base/sjis.h"

#include <QColor>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPen>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace zenpa::ui {
namespace {

QString ToQString(std::string_view sjis) {
  std::u16string u = base::SjisToUtf16(sjis);
  return QString::fromUtf16(u.data(), static_cast<qsizetype>(u.size()));
}

std::string FontKey(const platform::FontSpec &f) {
  return f.face + '\x01' + std::to_string(f.height) + (f.bold ? "b" : "") + (f.italic ? "i" : "");
}

bool IsBlank(const QString &text) {
  return text == QStringLiteral(" ") || text == QString(QChar(0x3000));
}

// Pixel size (em) that gives font the cell height cell on device. The em is
// rounded up to an even size: half-width glyphs of Japanese faces then
// advance by whole pixels, exactly half a full-width glyph, and box-drawing
// glyphs of lines one em apart touch rather than leave a hairline gap.
int EmForCell(QFont font, int cell, QPaintDevice *device) {
  constexpr int kProbe = 1000;
  font.setPixelSize(kProbe);
  QFontMetricsF fm(font, device);
  const qreal probeCell = fm.ascent() + fm.descent();
  if (probeCell <= 0)
    return std::max(1, cell);
  const qreal em = cell * kProbe / probeCell;
  if (em < 4)
    return std::max(1, static_cast<int>(std::lround(em)));
  return 2 * static_cast<int>(std::ceil(em / 2 - 0.01));
}

QRect ToQRect(const platform::Rect &r, QPoint origin) {
  return QRect(r.left + origin.x(), r.top + origin.y(), r.right - r.left, r.bottom - r.top);
}

} // namespace

QColor ColorOfBgr(std::uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

print::CellRatio CellRatioOf(const QFont &font) {
  const QFontMetrics fm(font);
  const int em = QFontInfo(font).pixelSize();
  return {std::max(1, fm.height()), std::max(1, em)};
}

QtCanvas::QtCanvas(QPainter &painter, QPoint origin, const platform::FontCatalog *fonts)
    : painter_(painter), origin_(origin), fonts_(fonts) {}

void QtCanvas::SetFont(const platform::FontSpec &font) {
  spec_ = font;
  current_ = nullptr;
}

void QtCanvas::Load(LoadedFont &f) const {
  std::string face = fonts_ != nullptr ? fonts_->Substitute(spec_.face) : spec_.face;
  f.font = QFont(ToQString(face));
  f.font.setBold(spec_.bold);
  f.font.setItalic(spec_.italic);
  f.font.setPixelSize(EmForCell(f.font, std::max(1, spec_.height), painter_.device()));
  f.raw = QRawFont::fromFont(f.font);
  QFontMetricsF fm(f.font, painter_.device());
  f.ascent = fm.ascent();
  f.underlinePos = fm.underlinePos();
  f.lineWidth = std::max<qreal>(1, fm.lineWidth());
}

QtCanvas::LoadedFont &QtCanvas::Loaded() {
  if (current_ != nullptr)
    return *current_;
  auto [it, fresh] = loaded_.try_emplace(FontKey(spec_));
  if (fresh)
    Load(it->second);
  current_ = &it->second;
  return *current_;
}

const QtCanvas::Glyph &QtCanvas::GlyphOf(std::string_view character) {
  LoadedFont &f = Loaded();
  const unsigned lead = character.size() > 1 ? static_cast<unsigned char>(character[0]) : 0;
  const unsigned code = static_cast<unsigned char>(character[character.size() > 1 ? 1 : 0]);
  std::unique_ptr<GlyphBlock> &block = f.blocks[lead];
  if (!block)
    block = std::make_unique<GlyphBlock>();
  Glyph &g = block->glyphs[code];
  if (block->known[code])
    return g;
  block->known[code] = true;
  g.text = ToQString(character);
  QList<quint32> indexes = f.raw.glyphIndexesForString(g.text);
  g.index = indexes.size() == 1 ? indexes.front() : 0;
  QFontMetricsF fm(f.font, painter_.device());
  g.width = static_cast<int>(std::lround(fm.horizontalAdvance(g.text)));
  return g;
}

int QtCanvas::TextWidth(std::string_view sjis) {
  int width = 0;
  for (std::size_t i = 0; i < sjis.size(); i += base::CharLen(sjis, i)) {
    width += GlyphOf(sjis.substr(i, base::CharLen(sjis, i))).width;
  }
  return width;
}

int QtCanvas::TextHeight(std::string_view) { return spec_.height; }

void QtCanvas::DrawText(int x, int y, std::string_view sjis) {
  std::vector<int> advances(sjis.size(), 0);
  for (std::size_t i = 0; i < sjis.size(); i += base::CharLen(sjis, i)) {
    advances[i] = GlyphOf(sjis.substr(i, base::CharLen(sjis, i))).width;
  }
  DrawPlaced(x, y, sjis, advances, nullptr);
}

void QtCanvas::DrawTextAdvances(int x, int y, std::string_view sjis, std::span<const int> advances,
                                const platform::Rect &clip) {
  DrawPlaced(x, y, sjis, advances, &clip);
}

void QtCanvas::DrawPlaced(int x, int y, std::string_view sjis, std::span<const int> advances,
                          const platform::Rect *clip) {
  LoadedFont &f = Loaded();
  const QPointF at(x + origin_.x(), y + origin_.y());
  if (spec_.escapement == 0 && (clip == nullptr || WellInside(x, y, advances, *clip))) {
    const QPen pen = painter_.pen(); // the lines' pen, kept for them
    const QTransform frame = painter_.worldTransform();
    painter_.translate(at);
    painter_.setPen(ColorOfBgr(textColor_));
    DrawGlyphs(f, sjis, advances);
    painter_.setPen(pen);
    painter_.setWorldTransform(frame);
    return;
  }
  painter_.save();
  if (clip != nullptr)
    painter_.setClipRect(ToQRect(*clip, origin_));
  painter_.translate(at);
  painter_.rotate(-spec_.escapement / 10.0);
  painter_.setPen(ColorOfBgr(textColor_));
  DrawGlyphs(f, sjis, advances);
  painter_.restore();
}

void QtCanvas::DrawGlyphs(LoadedFont &f, std::string_view sjis, std::span<const int> advances) {
  QList<quint32> indexes;
  QList<QPointF> positions;
  indexes.reserve(static_cast<qsizetype>(sjis.size()));
  positions.reserve(static_cast<qsizetype>(sjis.size()));
  const QPointF baseline(0, f.ascent);
  int pos = 0;
  for (std::size_t i = 0; i < sjis.size();) {
    const std::size_t n = base::CharLen(sjis, i);
    const Glyph &g = GlyphOf(sjis.substr(i, n));
    if (g.index != 0) {
      indexes.append(g.index);
      positions.append(baseline + QPointF(pos, 0));
    } else if (!IsBlank(g.text)) {
      DrawFallback(f, baseline + QPointF(pos, 0), g.text);
    }
    for (std::size_t b = i; b < i + n && b < advances.size(); ++b)
      pos += advances[b];
    i += n;
  }
  if (!indexes.isEmpty()) {
    QGlyphRun run;
    run.setRawFont(f.raw);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    painter_.drawGlyphRun(QPointF(0, 0), run);
  }
  if (spec_.underline) {
    painter_.fillRect(QRectF(0, f.ascent + f.underlinePos, pos, f.lineWidth),
                      ColorOfBgr(textColor_));
  }
}

// A character the face lacks, in Qt's fallback font for the painter's font.
void QtCanvas::DrawFallback(const LoadedFont &f, QPointF baseline, const QString &text) {
  painter_.save();
  painter_.setFont(f.font);
  painter_.drawText(baseline, text);
  painter_.restore();
}

// Whether the text's cells, widened by a cell height on every side for ink
// that reaches past them, lie inside the clip: it then needs no clipping.
bool QtCanvas::WellInside(int x, int y, std::span<const int> advances,
                          const platform::Rect &clip) const {
  int width = 0;
  for (int a : advances)
    width += a;
  const int margin = std::max(1, spec_.height);
  return x - margin >= clip.left && x + width + margin <= clip.right && y - margin >= clip.top &&
         y + spec_.height + margin <= clip.bottom;
}

void QtCanvas::SetPen(std::uint32_t bgr, platform::PenStyle style) {
  QPen pen(ColorOfBgr(bgr));
  pen.setWidth(1);
  pen.setCosmetic(true); // one device pixel on paper, and still one on a scaled preview
  pen.setStyle(style == platform::PenStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
  painter_.setPen(pen);
}

void QtCanvas::DrawLine(int x1, int y1, int x2, int y2) {
  painter_.drawLine(QPoint(x1, y1) + origin_, QPoint(x2, y2) + origin_);
}

void QtCanvas::DrawRect(const platform::Rect &r) {
  painter_.setBrush(Qt::NoBrush);
  QRect q = ToQRect(r, origin_);
  painter_.drawRect(q.adjusted(0, 0, -1, -1));
}

void QtCanvas::FillRect(const platform::Rect &r, std::uint32_t bgr) {
  painter_.fillRect(ToQRect(r, origin_), ColorOfBgr(bgr));
}

} // namespace zenpa::ui
