// The layout picture ("レイアウト"): a small drawing of the paper with the
// printable area, the centre lines, the text block and, when they are on,
// the frame and the paper-edge lines. Every part is placed by the page
// geometry of the last layout run, the same numbers the print run uses,
// scaled so that the paper's longer side fits the picture.
//
// Coordinates are picture pixels from the paper's top-left corner.
#pragma once

#include <vector>

#include "print/layout.h"
#include "settings/print_format.h"

namespace zenpa::print {

// The longer side of the paper in design pixels, before display scaling.
inline constexpr int kPictureLandscapeSide = 225;
inline constexpr int kPicturePortraitSide = 165;
// A landscape picture gives way down to this side when the panels beside it
// need the room (the window at its design width).
inline constexpr int kPictureLeastLandscapeSide = 150;

struct PictureRect {
  int x = 0, y = 0, w = 0, h = 0;
  bool operator==(const PictureRect &) const = default;
};

struct PictureLine {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool operator==(const PictureLine &) const = default;
};

struct LayoutPicture {
  PictureRect paper;
  PictureRect printable;
  std::vector<PictureLine> centreLines;
  PictureRect text;
  bool frameShown = false;
  bool framePrinted = false; // solid when printed, dotted when only shown
  PictureRect frame;
  std::vector<PictureLine> edgeLines; // the cut paper edges, when set
};

// longSide: the scaled kPictureLandscapeSide or kPicturePortraitSide.
LayoutPicture MakeLayoutPicture(const settings::PrintFormat &format, const LayoutResult &layout,
                                int longSide);

} // namespace zenpa::print
