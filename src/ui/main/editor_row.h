// The row under the settings panels: the document editor Memo1, the
// splitter and the side panel. The record's editor width splits it (the
// side panel takes the rest, at least 1 pixel). When the window is resized
// the editor keeps its width and the side panel takes the change, unless
// the editor fills the row; then it follows the window. A drag of the
// splitter is reported, so that the window can write the width into the
// record.
#pragma once

#include <QSplitter>

namespace zenpa::ui {

class EditorRow : public QSplitter {
  Q_OBJECT
public:
  EditorRow(QWidget *editor, QWidget *parent);

  // Splits the row for the record's editor width; before the row is shown
  // the split waits for the row's width.
  void ShowEditorWidth(int editorWidth);
  int EditorPaneWidth() const;
  QWidget *Side() const { return side_; }

signals:
  void dragged(int paneWidth); // the splitter was moved by hand

protected:
  void resizeEvent(QResizeEvent *event) override;
  void showEvent(QShowEvent *event) override;

private:
  void Decide();
  void Split(int rowWidth);

  QWidget *editor_;
  QWidget *side_;
  int editorWidth_ = 0;
  bool fills_ = true;    // the editor fills the row and follows the window
  bool decided_ = false; // fills_ was taken at the row's real width
};

} // namespace zenpa::ui
