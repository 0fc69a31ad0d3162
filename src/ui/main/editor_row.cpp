#include "ui/main/editor_row.h"

#include "editor/editor_row.h"

#include <QFrame>
#include <QResizeEvent>

namespace zenpa::ui {

EditorRow::EditorRow(QWidget *editor, QWidget *parent)
    : QSplitter(Qt::Horizontal, parent), editor_(editor) {
  setObjectName("editorSplitter");
  setHandleWidth(editor::kSplitterWidth);
  setChildrenCollapsible(false);
  auto *side = new QFrame(this);
  side->setObjectName("sidePanel");
  side->setFrameShape(QFrame::StyledPanel);
  side->setMinimumWidth(1);
  side_ = side;
  addWidget(editor_);
  addWidget(side_);
  // A wider or narrower window widens or narrows the editor.
  setStretchFactor(0, 1);
  setStretchFactor(1, 0);
  connect(this, &QSplitter::splitterMoved, this, [this] { emit dragged(EditorPaneWidth()); });
}

int EditorRow::EditorPaneWidth() const { return editor_->width(); }

void EditorRow::ShowEditorWidth(int editorWidth) {
  if (!isVisible() || width() <= 0) {
    pending_ = editorWidth;
    return;
  }
  Split(editorWidth);
}

void EditorRow::Split(int editorWidth) {
  const editor::EditorRowSplit split = editor::SplitEditorRow(width(), editorWidth);
  setSizes({split.editor, split.side});
}

void EditorRow::resizeEvent(QResizeEvent *event) {
  QSplitter::resizeEvent(event);
  if (pending_ >= 0 && isVisible()) {
    Split(pending_);
    pending_ = -1;
    return;
  }
  if (event->size().width() != event->oldSize().width())
    emit resized(EditorPaneWidth());
}

} // namespace zenpa::ui
