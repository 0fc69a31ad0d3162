// RecordingCanvas: a Canvas that keeps every drawing call, for tests and for
// measuring without a device.
//
// Metrics are simple and deterministic: a single-byte character is 3/8 of
// the cell height wide (truncated), a double-byte character as wide as the
// cell is high; the text height is the cell height. Turning a font does not
// change its metrics.
#pragma once

#include "platform/canvas.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zenpa::platform {

struct CanvasOp {
  enum class Kind { Text, TextAdvances, Line, Rect, Fill };
  Kind kind = Kind::Text;
  int x = 0; // text reference point or line start
  int y = 0;
  int x2 = 0; // line end
  int y2 = 0;
  std::string text;
  std::vector<int> advances;
  Rect rect; // clip of a text, or the rectangle drawn or filled
  FontSpec font;
  std::uint32_t color = 0; // text, pen or fill colour
  PenStyle pen = PenStyle::Solid;
};

class RecordingCanvas : public Canvas {
public:
  int TextWidth(std::string_view sjis) override;
  int TextHeight(std::string_view sjis) override;

  void SetFont(const FontSpec &font) override { font_ = font; }
  FontSpec Font() const override { return font_; }
  void SetTextColor(std::uint32_t bgr) override { textColor_ = bgr; }
  void DrawText(int x, int y, std::string_view sjis) override;
  void DrawTextAdvances(int x, int y, std::string_view sjis, std::span<const int> advances,
                        const Rect &clip) override;
  void SetPen(std::uint32_t bgr, PenStyle style) override;
  void DrawLine(int x1, int y1, int x2, int y2) override;
  void DrawRect(const Rect &r) override;
  void FillRect(const Rect &r, std::uint32_t bgr) override;

  const std::vector<CanvasOp> &Ops() const { return ops_; }
  // The texts drawn, in order, by either text call.
  std::vector<std::string> Texts() const;
  // The text calls only.
  std::vector<CanvasOp> TextOps() const;
  void Clear() { ops_.clear(); }

private:
  CanvasOp TextOp(CanvasOp::Kind kind, int x, int y, std::string_view sjis) const;
  CanvasOp PenOp(CanvasOp::Kind kind) const;

  std::vector<CanvasOp> ops_;
  FontSpec font_;
  std::uint32_t textColor_ = 0;
  std::uint32_t penColor_ = 0;
  PenStyle penStyle_ = PenStyle::Solid;
};

} // namespace zenpa::platform
