#include "print/preview.h"

#include "base/sjis.h"
#include "base/units.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace zenpa::print {

int ZoomFromText(std::string_view text, int oldZoom) {
  while (!text.empty() && text.front() == ' ')
    text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ')
    text.remove_suffix(1);
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size())
    return oldZoom;
  return static_cast<int>(std::clamp<long long>(value, kMinPreviewZoom, kMaxPreviewZoom));
}

void Preview::Open() {
  open_ = true;
  mode_ = RunMode::Preview;
  adjustVisible_ = true;
  wanted_ = 1;
}

void Preview::PressAdjust() {
  adjustVisible_ = false;
  mode_ = RunMode::PreviewFollowing;
}

void Preview::ClickAdjusting() {
  adjustVisible_ = true;
  mode_ = RunMode::Print;
}

void Preview::Close() {
  open_ = false;
  ClickAdjusting();
}

bool Preview::RerunsOn(PreviewCause cause) const {
  if (!open_)
    return false;
  switch (cause) {
  case PreviewCause::Layout:
  case PreviewCause::NewName:
    return Following();
  case PreviewCause::Range:
  case PreviewCause::Paper:
  case PreviewCause::Load:
  case PreviewCause::Navigate:
    return true;
  }
  return false;
}

void Preview::Took(const PrintWorkResult &result, bool rangeError) {
  rangeError_ = rangeError;
  count_ = result.sheetCount;
  if (result.ran)
    wanted_ = result.shownSheet;
}

PreviewNavigation Preview::Navigation() const {
  const bool back = !rangeError_ && wanted_ > 1;
  const bool forward = !rangeError_ && wanted_ < count_;
  return {back, back, forward, forward};
}

std::string Preview::SheetLabel() const {
  if (rangeError_)
    return PageRangeErrorText();
  return std::to_string(wanted_) + "/" + std::to_string(count_);
}

std::string AdjustingText() { return base::Sj("調整中"); }

namespace {

int Scaled(double value, int zoom) {
  return static_cast<int>(base::RoundHalfAway(value * zoom / 100.0));
}

} // namespace

ImageSize FitPageImage(int paperW, int paperH, int boxW, int boxH, int uiScale, int zoom) {
  paperW = std::max(1, paperW);
  paperH = std::max(1, paperH);
  zoom = std::clamp(zoom, kMinPreviewZoom, kMaxPreviewZoom);
  if (paperW >= paperH) {
    const int w = std::max(1, boxW - base::BAI(40, uiScale));
    return {Scaled(w, zoom), Scaled(static_cast<double>(w) * paperH / paperW, zoom)};
  }
  const int h = std::max(1, boxH - base::BAI(42, uiScale));
  return {Scaled(static_cast<double>(h) * paperW / paperH, zoom), Scaled(h, zoom)};
}

PreviewOverlay OverlayOf(const settings::PrintFormat &f, const PageGeometry &g, ImageSize image,
                         bool backPage) {
  PreviewOverlay o;
  const double sx = static_cast<double>(image.width) / std::max(1, g.paperW);
  const double sy = static_cast<double>(image.height) / std::max(1, g.paperH);
  o.centreX = image.width / 2;
  o.centreY = image.height / 2;
  o.frameShown = f.frameShown;
  if (!f.frameShown)
    return o;
  // The centre of the paper that is left after the right edge is cut.
  const int halfCut = static_cast<int>(base::RoundHalfAway(g.cutRight * sx / 2));
  o.centreX += backPage && f.backRightToLeft ? halfCut : -halfCut;
  const settings::FrameRect &r = f.frameRect;
  const auto x = [&](double mm) { return static_cast<int>(base::MmToPix(mm, g.dpi) * sx); };
  const auto y = [&](double mm) { return static_cast<int>(base::MmToPix(mm, g.dpi) * sy); };
  o.frame = {x(r.left), y(r.top), x(r.width) + 1, y(r.height) + 1};
  o.frameSolid = f.framePrinted;
  o.frameColour = f.frameInTextColor ? f.textColor : f.frameColor;
  return o;
}

WindowPlace FirstPreviewPlace(int mainX, int mainY) {
  return {mainX - 40, std::max(0, mainY - 40)};
}

} // namespace zenpa::print
