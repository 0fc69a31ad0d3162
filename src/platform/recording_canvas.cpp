#include "platform/recording_canvas.h"

#include "base/sjis.h"

namespace zenpa::platform {

int RecordingCanvas::TextWidth(std::string_view sjis) {
  int width = 0;
  for (std::size_t i = 0; i < sjis.size(); i += base::CharLen(sjis, i)) {
    width += base::CharLen(sjis, i) == 2 ? font_.height : font_.height * 3 / 8;
  }
  return width;
}

int RecordingCanvas::TextHeight(std::string_view) { return font_.height; }

CanvasOp RecordingCanvas::TextOp(CanvasOp::Kind kind, int x, int y, std::string_view sjis) const {
  CanvasOp op;
  op.kind = kind;
  op.x = x;
  op.y = y;
  op.text = std::string(sjis);
  op.font = font_;
  op.color = textColor_;
  return op;
}

CanvasOp RecordingCanvas::PenOp(CanvasOp::Kind kind) const {
  CanvasOp op;
  op.kind = kind;
  op.color = penColor_;
  op.pen = penStyle_;
  return op;
}

void RecordingCanvas::DrawText(int x, int y, std::string_view sjis) {
  ops_.push_back(TextOp(CanvasOp::Kind::Text, x, y, sjis));
}

void RecordingCanvas::DrawTextAdvances(int x, int y, std::string_view sjis,
                                       std::span<const int> advances, const Rect &clip) {
  CanvasOp op = TextOp(CanvasOp::Kind::TextAdvances, x, y, sjis);
  op.advances.assign(advances.begin(), advances.end());
  op.rect = clip;
  ops_.push_back(std::move(op));
}

void RecordingCanvas::SetPen(std::uint32_t bgr, PenStyle style) {
  penColor_ = bgr;
  penStyle_ = style;
}

void RecordingCanvas::DrawLine(int x1, int y1, int x2, int y2) {
  CanvasOp op = PenOp(CanvasOp::Kind::Line);
  op.x = x1;
  op.y = y1;
  op.x2 = x2;
  op.y2 = y2;
  ops_.push_back(std::move(op));
}

void RecordingCanvas::DrawRect(const Rect &r) {
  CanvasOp op = PenOp(CanvasOp::Kind::Rect);
  op.rect = r;
  ops_.push_back(std::move(op));
}

void RecordingCanvas::FillRect(const Rect &r, std::uint32_t bgr) {
  CanvasOp op;
  op.kind = CanvasOp::Kind::Fill;
  op.rect = r;
  op.color = bgr;
  ops_.push_back(std::move(op));
}

std::vector<std::string> RecordingCanvas::Texts() const {
  std::vector<std::string> out;
  for (const CanvasOp &op : TextOps())
    out.push_back(op.text);
  return out;
}

std::vector<CanvasOp> RecordingCanvas::TextOps() const {
  std::vector<CanvasOp> out;
  for (const CanvasOp &op : ops_) {
    if (op.kind == CanvasOp::Kind::Text || op.kind == CanvasOp::Kind::TextAdvances) {
      out.push_back(op);
    }
  }
  return out;
}

} // namespace zenpa::platform
