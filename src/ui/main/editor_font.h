// The editor's font as the program starts: the substitute of "ＭＳ ゴシック"
// at the editor's design height, scaled with the desktop's font. The printed
// cell takes this font's proportions (its cell ratio), so the window and the
// command line lay out alike.
#pragma once

#include "platform/font_catalog.h"
#include "print/layout_geometry.h"

#include <QFont>

namespace zenpa::ui {

// The display scale in percent from the application's font.
int UiScaleOfApplicationFont();

QFont StartEditorFont(const platform::FontCatalog &fonts, int uiScale);

// The cell ratio of the starting editor font at the application's scale.
print::CellRatio StartEditorCellRatio(const platform::FontCatalog &fonts);

} // namespace zenpa::ui
