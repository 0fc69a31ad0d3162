#include "ui/main/editor_font.h"

#include "app/window_geometry.h"
#include "base/sjis.h"
#include "ui/qt/qt_canvas.h"
#include "ui/qt/qt_text.h"

#include <QFontInfo>
#include <QGuiApplication>

namespace zenpa::ui {

int UiScaleOfApplicationFont() {
  return app::UiScaleFromFontPixels(QFontInfo(QGuiApplication::font()).pixelSize());
}

QFont StartEditorFont(const platform::FontCatalog &fonts, int uiScale) {
  QFont font(ToQt(fonts.Substitute(base::Sj("ＭＳ ゴシック"))));
  font.setPixelSize(app::MainGeometry(uiScale).editorFontPixels);
  font.setStyleHint(QFont::Monospace);
  font.setFixedPitch(true);
  return font;
}

print::CellRatio StartEditorCellRatio(const platform::FontCatalog &fonts) {
  return CellRatioOf(StartEditorFont(fonts, UiScaleOfApplicationFont()));
}

} // namespace zenpa::ui
