// The running program's state and its shell operations: start-up in a fixed
// order (command line, optional files in the program directory, printers and
// fonts, initial settings "zenpa.ini", history "zenpa.his", the start-up
// document), the first showing of the main window, dropped files, the close
// query with its save prompt, the recent-file history and the Help menu.
//
// One Session owns the document, its names and flags, the print format and
// the history; the main window binds its widgets to it and forwards events.
// Texts are Shift-JIS bytes; the program directory ends in "/".
#pragma once

#include "app/drill_commands.h"
#include "app/history.h"
#include "app/puzzle_commands.h"
#include "app/puzzle_game.h"
#include "editor/document.h"
#include "platform/canvas.h"
#include "platform/font_catalog.h"
#include "platform/host.h"
#include "platform/memo.h"
#include "platform/printer.h"
#include "print/layout_state.h"
#include "print/preview.h"
#include "print/print_commands.h"
#include "settings/format_commands.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zenpa::app {

// Menu items whose state start-up decides.
struct MenuStates {
  bool backEnabled = false;    // Back "初期設定にもどす(&B)": "zenpa.ini" exists
  bool timerEnabled = false;   // Timer "タイマーを表示(&T)": "ZTimer.exe" exists
  bool grdvEnabled = false;    // GRDV "～GRDV起動(&F)": "GRDV.COM" exists
  bool soundsEnabled = true;   // MokoBeep and SBeep: any of the sound files exists
  bool enlargedView = false;   // Kakudai "テキスト画面拡大(&K)"
  bool realLayout = true;      // RealLayout "リアルタイムレイアウト表示(&L)"
  bool reducedDisplay = false; // Half "文字の縮小表示(&H)"
};

// The print menu's caption: "印刷メニュー(&P)" in the enlarged text view,
// else "印刷(&P)".
std::string PrintMenuCaption(bool enlargedView);

// What the session asks of the main window.
class SessionView {
public:
  virtual ~SessionView() = default;
  // The start-up notice with its second line; hidden again at the end of start-up.
  virtual void ShowLoadingNotice(const std::string &line) = 0;
  virtual void HideLoadingNotice() = 0;
  virtual void BringToFront() = 0;
  virtual void FocusEditor() = 0;
  // The document was laid out again: refresh what shows the layout.
  virtual void DocumentLaidOut() = 0;
  // A canvas that measures text like the printer, and the editor font's
  // cell-height-to-em ratio; without a canvas nothing is laid out.
  virtual platform::Canvas *MeasureCanvas() { return nullptr; }
  virtual print::CellRatio EditorCellRatio() const { return {}; }
  // A close asked for during a long run waited for the run to end; the run
  // has ended now, and the window is to ask to close again once the command
  // that ran has returned.
  virtual void RequestClose() {}
  // The open preview is to compose its sheet again (ComposePreview) once
  // the pending events have run, so that a burst of changes costs one run.
  virtual void PreviewDue() {}
};

class Session : private editor::DocumentHooks {
public:
  Session(platform::Memo &memo, platform::Host &host, platform::Printer &printer,
          const platform::FontCatalog &fonts, std::string programDir);

  void SetView(SessionView *view) { view_ = view; }
  // The installed data directory, where the manual and the sounds are
  // looked for after the program directory; set before Start.
  void SetDataDir(std::string dataDir) { dataDir_ = std::move(dataDir); }

  // Start-up after the window is built: args are the command-line arguments
  // after the program name; uiScale is the display scale in percent.
  void Start(const std::vector<std::string> &args, int uiScale = 100);
  // The main window is shown for the first time; reports a document name
  // that does not resolve to a file.
  void FirstShow();
  // The close query: true when the program may close. During a long run it
  // asks the save prompt and stops the run, but the close waits for the run
  // to end (false now; SessionView::RequestClose then): the answer to the
  // prompt holds for the document as the run leaves it.
  bool CloseQuery();
  // Files dropped from the desktop; none is taken while a mode or a long
  // run is on (the grid or sheet under it would go).
  void DropFiles(const std::vector<std::string> &paths);
  // The history item (&slot), slot 1..5.
  void OpenHistory(int slot);

  // Help menu.
  std::vector<std::string> VersionBoxLines() const;
  std::string MakerUrl() const;
  void OpenManual();
  void OpenMakerPage();
  // Opens a web address or file with the desktop (the version box's link).
  void OpenLink(const std::string &url);
  void StartTimerTool();

  // Reads a puzzle file into the document; set by the puzzle-file module.
  // Without it puzzle files open as plain text.
  std::function<void(const std::string &path)> puzzleFileReader;

  // The one mode of the window and what it leaves enabled.
  WindowModes &Modes() { return modes_; }
  const WindowModes &Modes() const { return modes_; }

  // The puzzle commands of the window; they read puzzle files for the
  // start-up file and dropped files.
  PuzzleCommands &Puzzle() { return puzzle_; }
  // The drill commands of the window (the もこさん panel and modes).
  DrillCommands &Drill() { return drill_; }
  // Playing a puzzle: entry and game mode.
  PuzzleGame &Game() { return game_; }
  const PuzzleGame &Game() const { return game_; }

  editor::Document &Doc() { return document_; }
  const editor::Document &Doc() const { return document_; }
  settings::FormatState &Format() { return format_; }
  const settings::FormatState &Format() const { return format_; }
  const History &RecentFiles() const { return history_; }
  const MenuStates &Menus() const { return menus_; }
  MenuStates &Menus() { return menus_; }
  const std::string &ProgramDir() const { return programDir_; }

  int UiScale() const { return uiScale_; }
  bool HasPrinter() const { return hasPrinter_; }
  // The printer-name box: the current printer, or "なし".
  const std::string &PrinterName() const { return printerName_; }
  // Japanese fonts for the font list, and the entry selected at start-up.
  const std::vector<std::string> &FontFaces() const { return fontFaces_; }
  int SelectedFont() const { return selectedFont_; }
  const std::string &PuzzleFileName() const { return puzzleFileName_; }
  // Game sound files; empty when missing.
  const std::string &SoundPi() const { return soundPi_; }
  const std::string &SoundPp() const { return soundPp_; }
  const std::string &SoundPo() const { return soundPo_; }
  bool EnlargeAtStart() const { return enlargeAtStart_; }
  bool ShownOnce() const { return shownOnce_; }
  // The stop state of the long runs (the puzzle commands hold it).
  bool StopRequest() const { return puzzle_.StopRequested(); }
  int StepKey() const { return puzzle_.StepKey(); }
  // Caret positions the editor counts for a double-byte character.
  int PosPerWideChar() const { return 2; }

  // The format file commands: "初期設定保存(&I)", "初期設定にもどす(&B)",
  // "書式読み込み(&O)..." and "今の書式保存(&S)...". A format that was read
  // lays the document out again.
  void SaveInitialSettings();
  void RestoreInitialSettings();
  void OpenFormat();
  void SaveFormatAs();

  // "書式リセット(&N)": the format reset for the document, then a relayout.
  void ResetFormat();
  // "リアルタイムレイアウト表示(&L)": checked, the layout follows every change
  // (laid out at once); unchecked, it waits for the "レイアウト" button, a key
  // release or a mouse press.
  void SetRealLayout(bool checked);
  // "テキスト画面拡大(&K)": the enlarged text view switches realtime layout
  // off; leaving it restores the checked state of "リアルタイムレイアウト表示(&L)".
  void SetEnlargedView(bool on);

  platform::Host &DesktopHost() { return host_; }

  // The print button "印　刷" (only turning the enlarged text view off while
  // it shows) and printer setup "プリンタ設定" of the settings panel.
  void PrintCommand(bool enlargedViewShown);
  void PrinterSetupCommand();
  // Makes the PDF printer that stands in for a missing printer; set by the window.
  print::PdfPrinterFactory pdfPrinter;

  // Lays the document out again and refreshes the position display.
  void Relayout() override;
  // The caret moved: refreshes the page/line/column display alone.
  void CaretMoved();
  print::LayoutState &Layout() { return layout_; }
  const print::LayoutState &Layout() const { return layout_; }

  // The print preview's state; the preview window binds to it.
  print::Preview &PreviewState() { return preview_; }
  const print::Preview &PreviewState() const { return preview_; }
  // Something the preview shows changed: the open preview composes its
  // sheet again when the cause concerns it (while it follows changes, for a
  // layout). Relayout calls it; a command that changes the layout in
  // another way (a mark inserted) may call it too: reruns are coalesced.
  void LayoutChanged(print::PreviewCause cause = print::PreviewCause::Layout);
  // Composes the preview's wanted sheet on canvas, in paper coordinates,
  // and takes the sheet count and the sheet shown.
  print::PrintWorkResult ComposePreview(platform::Canvas &canvas);
  // The printer's resolution and offsets and the window's design width.
  settings::FormatEnvironment FormatEnvironmentNow() const { return FormatEnv(); }

private:
  // editor::DocumentHooks
  void NameRecorded(const std::string &docFileName) override;
  void RefreshPreview(bool afterLoad) override;
  // A format was read: its paper goes to the printer, the document is laid
  // out again and, with duplex or pouch binding, the even pages take the
  // printer's shift.
  void FormatLoaded() override;
  bool PreviewFollowsChanges() const override { return preview_.Following(); }
  void DocumentReplaced() override {}
  void FocusEditor() override;
  settings::LoadContext FormatLoadContext() const override;
  settings::SaveContext FormatSaveContext() const override;
  settings::FormatEnvironment FormatEnv() const override;

  void FindSounds();
  void FindOptionalFiles();
  void FindPrintersAndFonts();
  void LoadStartupFile();
  void ReadPuzzleFile(const std::string &path);
  // The save prompt's answer for a close; nullopt: Cancel.
  std::optional<bool> AskSaveOnClose();
  bool SaveOnClose();
  void RunEnded();
  void LoadDroppedFile(const std::string &path);
  bool LoadNamedDocument(const std::string &name);
  std::string NotFoundMessage(const std::string &name) const;
  PuzzleHooks PuzzleHooksOf();
  DrillHooks DrillHooksOf();
  // The print state and the document as the print commands see them.
  print::PrintDesk Desk();
  print::PrintSource SourceOf() const;

  platform::Memo &memo_;
  platform::Host &host_;
  platform::Printer &printer_;
  const platform::FontCatalog &fonts_;
  std::string programDir_;
  std::string dataDir_;
  SessionView *view_ = nullptr;

  settings::FormatState format_;
  print::LayoutState layout_;
  print::Preview preview_;
  editor::Document document_;
  History history_;
  MenuStates menus_;
  WindowModes modes_;
  PuzzleCommands puzzle_;
  DrillCommands drill_;
  PuzzleGame game_;

  int uiScale_ = 100;
  bool hasPrinter_ = false;
  std::string printerName_;
  std::vector<std::string> fontFaces_;
  int selectedFont_ = -1;
  std::string puzzleFileName_;
  std::string soundPi_, soundPp_, soundPo_;
  bool enlargeAtStart_ = false;
  bool shownOnce_ = false;
  // A close waits for the running work to end: whether it saves, once the
  // save prompt was answered (nullopt: not asked yet).
  bool closeDue_ = false;
  std::optional<bool> closeSaves_;
};

// Start-up notice lines.
std::string LoadingLine();       // "ファイル読み込み中"
std::string PuzzleLoadingLine(); // "数独データ読み込み中"

} // namespace zenpa::app
