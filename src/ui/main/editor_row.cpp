#include "ui/main/editor_row.h"

#include "editor/editor_row.h"

#include <QFrame>
#include <QResizeEvent>
#include <QShowEvent>

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
  setStretchFactor(0, 1);
  setStretchFactor(1, 0);
  connect(this, &QSplitter::splitterMoved, this, [this] {
    editorWidth_ = EditorPaneWidth();
    fills_ = side_->width() <= 1;
    emit dragged(editorWidth_);
  });
}

int EditorRow::EditorPaneWidth() const { return editor_->width(); }

void EditorRow::ShowEditorWidth(int editorWidth) {
  editorWidth_ = editorWidth;
  decided_ = false;
  if (isVisible())
    Decide();
}

// Whether the editor fills the row is taken at the row's real width.
void EditorRow::Decide() {
  fills_ = editor::SplitEditorRow(width(), editorWidth_).Fills();
  decided_ = true;
  Split(width());
}

void EditorRow::Split(int rowWidth) {
  const editor::EditorRowSplit split = editor::ResizedEditorRow(rowWidth, editorWidth_, fills_);
  setSizes({split.editor, split.side});
}

void EditorRow::resizeEvent(QResizeEvent *event) {
  QSplitter::resizeEvent(event);
  if (decided_)
    Split(event->size().width());
}

// Before the row is shown its width is not final.
void EditorRow::showEvent(QShowEvent *event) {
  QSplitter::showEvent(event);
  if (!decided_)
    Decide();
}

} // namespace zenpa::ui
