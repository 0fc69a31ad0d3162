// The row under the settings panels: the document editor Memo1, the
// splitter and the side panel. The record's editor width splits it (the
// side panel takes the rest, at least 1 pixel); when the window is resized
// the editor follows and the side panel keeps its width. The row reports a
// drag of the splitter and a new width of the editor pane, so that the
// window can write them into the record.
#pragma once

#include <QSplitter>

namespace zenpa::ui {

class EditorRow : public QSplitter {
  Q_OBJECT
public:
  EditorRow(QWidget *editor, QWidget *parent);

  // Splits the row for the record's editor width; before the row has its
  // width the split waits for it.
  void ShowEditorWidth(int editorWidth);
  int EditorPaneWidth() const;
  QWidget *Side() const { return side_; }

signals:
  void dragged(int paneWidth); // the splitter was moved by hand
  void resized(int paneWidth); // the row took a new width

protected:
  void resizeEvent(QResizeEvent *event) override;

private:
  void Split(int editorWidth);

  QWidget *editor_;
  QWidget *side_;
  int pending_ = -1; // an editor width waiting for the row's width
};

} // namespace zenpa::ui
