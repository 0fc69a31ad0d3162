// The print settings the page layout reads, in the units the layout works
// in: margins in printer pixels, paper cuts and the even-page shift in mm,
// spacings as 100 + percent. Filled from the print format by its owner.
#pragma once

#include <string>

#include "print/marks.h"

namespace zenpa::print {

enum class PageNumberPos { Top, Bottom, Right };

struct LayoutSettings {
  int linesPerPage = 0; // 0: as many as fit
  int lineSpacing = 100;
  int charSpacing = 100;
  int topMargin = 0;  // printer pixels
  int leftMargin = 0; // printer pixels

  bool pageNumberOn = false;
  PageNumberPos pageNumberPos = PageNumberPos::Top;
  bool printFileName = false;
  bool printDate = false;
  bool headerGap = true;

  bool duplex = false;
  bool pouchBinding = false;
  bool pagesLeftAligned = false;
  int evenPageShift = 0; // mm

  std::string fontName;
  double fontSize = 12.0; // points
  bool bold = false;
  bool italic = false;
  bool underline = false;

  bool paperEdgeOn = false;
  int paperBottom = 0;    // mm cut from the bottom of the paper
  int paperRight = 0;     // mm cut from the right of the paper
  int paperWidthMm = 210; // the program's own paper, used without a printer
  int paperHeightMm = 297;

  bool autoMaxLines = true;
  bool tabsOn = false;
  int tabWidth = 1;
  bool reduceHowToPlay = false; // print the puzzle's how-to-play block smaller
  int reducePercent = 80;
  bool scaleLineBlank = false; // a mark line prints as an empty line

  MarkRules marks;
};

} // namespace zenpa::print
