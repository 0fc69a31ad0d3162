// TForm5 "数独データビュー", the puzzle data viewer: a modal browser of
// folders and puzzle files with a board preview of the selected file's
// first puzzle, its first lines, its clue and puzzle counts; "読み込む"
// loads the file into the document, and "重複検査" finds the files of the
// folder that hold the same first puzzle.
//
// A thin binding: the preview, the folder listing and the duplicate check
// are play::viewer_*, the load is app::PuzzleCommands::LoadFromViewer. The
// window is made once and keeps its folder, file type and check boxes
// between showings.
#pragma once

#include "app/session.h"
#include "puzzle/play/viewer_folder.h"
#include "puzzle/play/viewer_preview.h"

#include <QDialog>

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace zenpa::ui {

class ViewerBoard;

class PuzzleViewer : public QDialog {
  Q_OBJECT
public:
  explicit PuzzleViewer(app::Session &session, QWidget *parent = nullptr);

  // "～データビュー(&V)": the unsaved-changes question when due, then the
  // viewer, modally. Returns when it was closed.
  void Open();

signals:
  // A file was loaded into the document.
  void loaded();

protected:
  void done(int result) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void BuildBrowser();
  void BuildPreview();
  void BuildButtons();
  void BuildDuplicatePanel();
  void ShowFolder(const std::string &dir);
  void Preview();
  void Load();
  void CheckDuplicates();
  void ShowDuplicates(const play::DuplicateReport &report);
  void CloseDuplicatePanel();
  void SyncChecks();
  void SetBrowsing(bool on);
  const play::FolderItem *Selected() const;

  app::Session &session_;
  app::PuzzleCommands &puzzle_;
  QComboBox *location_ = nullptr, *filter_ = nullptr;
  QPushButton *up_ = nullptr, *refresh_ = nullptr;
  QListWidget *list_ = nullptr;
  QLineEdit *fileName_ = nullptr;
  ViewerBoard *board_ = nullptr;
  QLabel *clues_ = nullptr, *pages_ = nullptr, *answer_ = nullptr, *continuous_ = nullptr;
  QPlainTextEdit *raw_ = nullptr;
  QCheckBox *answers_ = nullptr, *append_ = nullptr;
  QPushButton *load_ = nullptr, *duplicates_ = nullptr;
  QFrame *duplicatePanel_ = nullptr;
  QProgressBar *progress_ = nullptr;
  QLabel *duplicateStatus_ = nullptr;
  QPlainTextEdit *duplicateResult_ = nullptr;

  std::string folder_;
  std::vector<play::FolderItem> items_;
  play::ViewerPreview preview_;
  bool checking_ = false, cancelled_ = false, placed_ = false;
};

} // namespace zenpa::ui
