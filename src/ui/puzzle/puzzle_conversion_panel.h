// The conversion panel Panel8 "数独データ変換": the text box Memo2, the
// buttons that turn the grid at the caret into text ("数独をデータに変換" with
// Shift and Ctrl for its variants, "CSV", "TAB", "るぴなぁ" with Ctrl for the
// second address), "データから数独作成" that writes a puzzle block from the
// pasted text, and "このパターンで作成", the generator's pattern mode.
#pragma once

#include "app/puzzle_commands.h"

#include <QFrame>

class QCheckBox;
class QPlainTextEdit;

namespace zenpa::ui {

class ConversionPanelView : public QFrame {
  Q_OBJECT
public:
  // Memo2, the panel's text box.
  QPlainTextEdit *TextBox() const { return textBox_; }
  ConversionPanelView(app::PuzzleCommands &puzzle, QWidget *parent);

  // "数独データ変換パネル(&C)": shows the panel with an empty, focused Memo2.
  void Open();
  void Refresh();

signals:
  // A command changed the document or the settings.
  void commandDone();

private:
  void BuildButtons();
  void ShowConversion(play::ConversionForm form);

  app::PuzzleCommands &puzzle_;
  QPlainTextEdit *textBox_ = nullptr;
  QCheckBox *pattern_ = nullptr;
};

} // namespace zenpa::ui
