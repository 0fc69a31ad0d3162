// The editor feature of the main window: the Edit and Settings menus (with
// find and replace), the input routing of Memo1, the editor's look from the
// format, the editor's width beside the splitter, the overwrite label
// "上書き" and the enlarged text view with the sound-assignment button.
#pragma once

#include "editor/editor_look.h"
#include "editor/input_router.h"
#include "platform/font_catalog.h"
#include "ui/common/shell.h"

#include <QObject>

#include <optional>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace zenpa::ui {

class EditMenu;
class EditorInput;
class EditorRow;
class EnlargedView;
class PreviewWindow;
class SettingsMenu;

class EditorFeature : public QObject, public Feature {
  Q_OBJECT
public:
  EditorFeature(Shell &shell, EditorRow *row, const platform::FontCatalog &fonts);

  editor::InputRouter &Router();
  DocumentMenu ContextMenu();
  void AttachEditMenu(QPlainTextEdit *box);
  int FontPixels() const;
  // The find dialog presses the preview's "調整".
  void BindPreview(PreviewWindow &preview);

  void Refresh() override;
  void LaidOut() override;
  void ModeChanged(app::WindowMode mode) override;

signals:
  // A press in the document: the context menu's mark items may show.
  void markItemsWanted();

private:
  void BuildMenus();
  void ConnectInput();
  void ApplyEditorLook();
  void ApplyCaret();
  void AssignSound();
  editor::InputState InputStateNow() const;

  Shell &shell_;
  app::Session &session_;
  QPlainTextEdit *editor_;
  EditorRow *row_;
  const platform::FontCatalog &fonts_;
  EditMenu *editMenu_ = nullptr;
  SettingsMenu *settingsMenu_ = nullptr;
  EditorInput *input_ = nullptr;
  EnlargedView *enlarged_ = nullptr;
  QLabel *overwriteLabel_ = nullptr;
  QPushButton *soundButton_ = nullptr;
  std::vector<QPlainTextEdit *> tabBoxes_; // other boxes that take the document's tab stops
  std::optional<editor::EditorLook> look_; // the look the editor shows
};

} // namespace zenpa::ui
