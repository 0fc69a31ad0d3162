#include "ui/common/editor_view.h"

#include "base/colour.h"
#include "ui/qt/qt_text.h"

#include <QFontMetricsF>
#include <QPalette>
#include <QPlainTextEdit>

namespace zenpa::ui {

bool ApplyLook(QPlainTextEdit *editor, const editor::EditorLook &look,
               const platform::FontCatalog &fonts) {
  QFont font = editor->font();
  if (!look.fontFace.empty())
    font.setFamily(ToQt(fonts.Substitute(look.fontFace)));
  font.setPixelSize(look.fontPixels);
  const bool fontChanged = font != editor->font();
  if (fontChanged)
    editor->setFont(font);
  QPalette palette = editor->palette();
  palette.setColor(QPalette::Text, QColor(base::RedOf(look.colour), base::GreenOf(look.colour),
                                          base::BlueOf(look.colour)));
  editor->setPalette(palette);
  editor->setLineWrapMode(look.wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  editor->setHorizontalScrollBarPolicy(look.wrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
  ApplyTabs(editor, look.tabsOn, look.tabWidth);
  ApplyCaret(editor, look.overwrite, false);
  return fontChanged;
}

void ApplyTabs(QPlainTextEdit *editor, bool tabsOn, int tabWidth) {
  editor->setTabChangesFocus(!tabsOn);
  editor->setTabStopDistance(tabWidth * QFontMetricsF(editor->font()).horizontalAdvance(' '));
}

void ApplyCaret(QPlainTextEdit *editor, bool overwrite, bool gridMode) {
  const int height = QFontMetricsF(editor->font()).height();
  editor->setCursorWidth(editor::CaretWidth(height, overwrite, gridMode));
}

} // namespace zenpa::ui
