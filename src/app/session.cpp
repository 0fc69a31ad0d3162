#include "app/session.h"

#include "print/paper.h"
#include "print/print_run.h"

#include "app/command_line.h"
#include "app/product.h"
#include "app/program_files.h"
#include "base/file_io.h"
#include "base/paths.h"
#include "base/sjis.h"
#include "base/units.h"
#include "settings/grid_font.h"

#include <cmath>

namespace zenpa::app {
namespace {

using base::Sj;

constexpr int kDesignClientWidth = 769;

bool Exists(const std::string &name) { return base::FileExists(base::FullPathOf(name)); }

} // namespace

std::string PrintMenuCaption(bool enlargedView) {
  return Sj(enlargedView ? "印刷メニュー(&P)" : "印刷(&P)");
}

std::string LoadingLine() { return Sj("ファイル読み込み中"); }
std::string PuzzleLoadingLine() { return Sj("数独データ読み込み中"); }

Session::Session(platform::Memo &memo, platform::Host &host, platform::Printer &printer,
                 const platform::FontCatalog &fonts, std::string programDir)
    : memo_(memo), host_(host), printer_(printer), fonts_(fonts),
      programDir_(std::move(programDir)), document_(memo, host, format_, *this),
      puzzle_(modes_, memo, host, format_, programDir_, PuzzleHooksOf()),
      drill_(modes_, memo, host, format_, DrillHooksOf()),
      game_(modes_, memo, host, format_, puzzle_,
            PuzzleGameHooks{[this] { Relayout(); }, {}, {}, {}, {}}) {
  puzzleFileReader = [this](const std::string &path) { puzzle_.ReadFile(path); };
}

PuzzleHooks Session::PuzzleHooksOf() {
  PuzzleHooks hooks;
  hooks.relayout = [this] { Relayout(); };
  hooks.askSaveChanges = [this] { return document_.AskSaveChanges(); };
  hooks.formatContext = [this] { return FormatLoadContext(); };
  hooks.takeDocumentName = [this](const std::string &name) { document_.TakeName(name); };
  hooks.resetPageNumbering = [this] { document_.ResetPageNumbering(); };
  hooks.runEnded = [this] { RunEnded(); };
  return hooks;
}

DrillHooks Session::DrillHooksOf() {
  DrillHooks hooks;
  hooks.relayout = [this] { Relayout(); };
  hooks.askSaveChanges = [this] { return document_.AskSaveChanges(); };
  hooks.resetPageNumbering = [this] { document_.ResetPageNumbering(); };
  hooks.realtimeLayout = [this]() -> bool & { return document_.Settings().realtimeLayoutOn; };
  return hooks;
}

void Session::Start(const std::vector<std::string> &args, int uiScale) {
  uiScale_ = uiScale;
  hasPrinter_ = !printer_.PrinterNames().empty();
  format_.format = settings::StartFormat(FormatEnv());
  FindSounds();
  const CommandLine line = ParseCommandLine(args, Exists);
  enlargeAtStart_ = line.enlarge;
  document_.Settings().kMode = line.kMode;
  puzzleFileName_ = line.puzzleFileName;
  if (!line.docFileName.empty()) {
    document_.SetFileName(line.docFileName);
    // A text without a print format of its own opens in the text view.
    if (!Exists(base::ChangeFileExt(line.docFileName, ".zpf")))
      enlargeAtStart_ = true;
  }
  FindOptionalFiles();
  FindPrintersAndFonts();
  Relayout();
  // The saved initial settings are laid out at once, so that the panels
  // show their margins before the first keystroke.
  if (settings::LoadFormat(format_, settings::InitialSettingsPath(programDir_), FormatLoadContext(),
                           host_)
          .outcome == settings::LoadOutcome::Loaded)
    FormatLoaded();
  const std::string historyProblem = LoadHistoryFile(history_, programDir_);
  if (!historyProblem.empty())
    host_.Message(historyProblem, "", platform::Buttons::Ok, platform::Icon::Warning);
  LoadStartupFile();
  menus_.enlargedView = enlargeAtStart_;
  document_.Settings().realtimeLayoutOn = menus_.realLayout && !enlargeAtStart_;
  if (view_)
    view_->HideLoadingNotice();
}

void Session::FindSounds() {
  const GameSoundFiles sounds = FindGameSounds(programDir_, dataDir_);
  soundPi_ = sounds.start;
  soundPp_ = sounds.goal;
  soundPo_ = sounds.wrong;
  game_.SetSounds(soundPi_, soundPp_);
  drill_.SetSounds(sounds);
  menus_.soundsEnabled = !(soundPi_.empty() && soundPp_.empty() && soundPo_.empty());
  if (menus_.soundsEnabled)
    return;
  format_.format.puzzle.gameSound = false;
  format_.format.drill.gameSound = false;
}

void Session::FindOptionalFiles() {
  menus_.backEnabled = base::FileExists(settings::InitialSettingsPath(programDir_));
  menus_.timerEnabled = base::FileExists(programDir_ + "ZTimer.exe");
  menus_.grdvEnabled = base::FileExists(programDir_ + "GRDV.COM");
}

void Session::FindPrintersAndFonts() {
  printerName_ = Sj("なし");
  if (hasPrinter_ && printer_.CurrentIndex() >= 0) {
    printerName_ = printer_.PrinterNames().at(printer_.CurrentIndex());
  }
  fontFaces_ = fonts_.JapaneseFaces();
  selectedFont_ = -1;
  const std::string standard = Sj("ＭＳ ゴシック");
  for (int i = static_cast<int>(fontFaces_.size()) - 1; i >= 0; --i) {
    if (fontFaces_[i] == standard) {
      selectedFont_ = i;
      break;
    }
  }
}

void Session::LoadStartupFile() {
  if (!puzzleFileName_.empty() && Exists(puzzleFileName_) && puzzleFileReader) {
    if (view_)
      view_->ShowLoadingNotice(PuzzleLoadingLine());
    ReadPuzzleFile(puzzleFileName_);
    memo_.SetCaret({0, 0});
    return;
  }
  const std::string &name = document_.FileName();
  if (!Exists(name) && name == editor::kDefaultDocName)
    return;
  if (view_)
    view_->ShowLoadingNotice(LoadingLine());
  document_.Load();
}

// The puzzle reader writes many lines: the layout runs once afterwards.
void Session::ReadPuzzleFile(const std::string &path) {
  const bool realtime = document_.Settings().realtimeLayoutOn;
  document_.Settings().realtimeLayoutOn = false;
  puzzleFileReader(path);
  document_.Settings().realtimeLayoutOn = realtime;
  Relayout();
}

void Session::FirstShow() {
  format_.modified = false;
  shownOnce_ = true;
  FocusEditor();
  const std::string &name = document_.FileName();
  if (Exists(name) || name == editor::kDefaultDocName || !puzzleFileName_.empty())
    return;
  host_.Message(NotFoundMessage(name));
}

std::string Session::NotFoundMessage(const std::string &name) const {
  return Sj("ファイル ") + name + Sj(" が見つかりません。");
}

bool Session::CloseQuery() {
  const std::optional<bool> save = AskSaveOnClose();
  if (!save) {
    closeDue_ = false;
    closeSaves_.reset();
    return false;
  }
  puzzle_.StopRuns();
  if (puzzle_.Running()) {
    closeDue_ = true;
    return false;
  }
  closeDue_ = false;
  closeSaves_.reset();
  // A save that fails keeps the program open, so that nothing typed is lost.
  if (*save && !SaveOnClose())
    return false;
  if (const base::IoResult saved = SaveHistoryFile(history_, programDir_); !saved.ok)
    host_.Message(Sj("ヒストリーが保存できません") + "\n" + saved.error);
  return true;
}

// A close that waited for a run keeps the answer given before the run
// ended; one that asked nothing then asks now if the run changed the text.
std::optional<bool> Session::AskSaveOnClose() {
  if (closeSaves_)
    return closeSaves_;
  const bool formatDue = format_.format.autoSaveFormat && format_.modified;
  if (!memo_.Modified() && !formatDue)
    return false;
  const platform::Answer answer =
      host_.Message(Sj("内容が変更されています。上書きしますか？"), Sj("zenpa - 保存確認"),
                    platform::Buttons::YesNoCancel, platform::Icon::Warning);
  if (answer == platform::Answer::Cancel)
    return std::nullopt;
  closeSaves_ = answer == platform::Answer::Yes;
  return closeSaves_;
}

void Session::RunEnded() {
  if (closeDue_ && view_)
    view_->RequestClose();
}

bool Session::SaveOnClose() {
  const std::string path = base::FullPathOf(document_.FileName());
  if (memo_.Modified() && !document_.WriteText(path))
    return false;
  if (!format_.format.autoSaveFormat || !format_.modified || document_.Settings().kMode) {
    return true;
  }
  format_.fileName = base::ChangeFileExt(path, ".zpf");
  return settings::SaveFormat(format_, format_.fileName, FormatSaveContext(), host_);
}

void Session::DropFiles(const std::vector<std::string> &paths) {
  // A dropped file would replace the document under the run.
  if (paths.empty() || !modes_.Enabled(CommandGroup::File))
    return;
  if (view_)
    view_->BringToFront();
  if (paths.size() > 1)
    host_.Message(Sj("ドロップで読み込むファイルは１つだけです。"));
  LoadDroppedFile(paths.front());
}

void Session::LoadDroppedFile(const std::string &path) {
  const std::string ext = UpperAscii(base::ExtractFileExt(path));
  if (ext == ".NBP" && puzzleFileReader) {
    if (!format_.format.puzzle.addToDocument)
      memo_.SetLines({});
    puzzleFileName_ = path;
    ReadPuzzleFile(path);
    return;
  }
  if (ext == ".ZPF") {
    if (!base::FileExists(path)) {
      host_.Message(NotFoundMessage(path));
      return;
    }
    format_.fileName = path;
    if (settings::LoadFormat(format_, path, FormatLoadContext(), host_).outcome ==
        settings::LoadOutcome::Loaded)
      FormatLoaded();
    else
      Relayout();
    return;
  }
  LoadNamedDocument(path);
}

// Loads another document in place of the current one. A missing file is
// reported, and unsaved changes are asked about first.
bool Session::LoadNamedDocument(const std::string &name) {
  if (!Exists(name) && !base::DirectoryExists(base::FullPathOf(name))) {
    host_.Message(NotFoundMessage(name));
    return false;
  }
  if (memo_.Modified() && !document_.AskSaveChanges())
    return false;
  return document_.Load(name) == editor::LoadStatus::Loaded;
}

void Session::OpenHistory(int slot) {
  if (slot < 1 || slot > kHistorySlots)
    return;
  const std::string name = history_.Slot(slot);
  if (name.empty())
    return;
  LoadNamedDocument(name);
}

std::vector<std::string> Session::VersionBoxLines() const {
  return {Sj(kProductLine), Sj(kVersionText), Sj(kMakerLine), MakerUrl()};
}

std::string Session::MakerUrl() const { return kMakerUrl; }

void Session::OpenManual() {
  FocusEditor();
  const std::string manual = FindProgramFile("zenpa.htm", programDir_, dataDir_);
  if (manual.empty()) {
    host_.Message(Sj("解説ファイル zenpa.htm が見つかりません。"), "", platform::Buttons::Ok,
                  platform::Icon::Warning);
  } else if (!host_.OpenWithDesktop(manual)) {
    host_.Message(Sj("解説ファイル ") + manual + Sj(" を開けません。"), "", platform::Buttons::Ok,
                  platform::Icon::Warning);
  }
}

void Session::OpenMakerPage() { OpenLink(MakerUrl()); }

void Session::OpenLink(const std::string &url) { host_.OpenWithDesktop(url); }

void Session::StartTimerTool() {
  host_.StartProgram(programDir_ + "ZTimer.exe", {"/w", "/s", "/n"}, false);
}

void Session::Relayout() {
  platform::Canvas *canvas = view_ ? view_->MeasureCanvas() : nullptr;
  Desk().Relayout(SourceOf(), canvas);
  if (view_)
    view_->DocumentLaidOut();
  LayoutChanged(print::PreviewCause::Layout);
}

void Session::LayoutChanged(print::PreviewCause cause) {
  if (view_ && preview_.RerunsOn(cause))
    view_->PreviewDue();
}

print::PrintWorkResult Session::ComposePreview(platform::Canvas &canvas) {
  const print::PrintWorkResult r =
      Desk().Preview(SourceOf(), preview_.Mode(), canvas, preview_.WantedSheet());
  preview_.Took(r, !r.ran);
  return r;
}

print::PrintDesk Session::Desk() {
  return {format_.format, layout_, printer_, hasPrinter_, host_, pdfPrinter};
}

print::PrintSource Session::SourceOf() const {
  const print::CellRatio ratio = view_ ? view_->EditorCellRatio() : print::CellRatio{};
  return {memo_, ratio, fontFaces_, document_.FileName()};
}

void Session::PrintCommand(bool enlargedViewShown) {
  if (print::PrintButton(enlargedViewShown).turnOffEnlargedView) {
    SetEnlargedView(false);
    return;
  }
  preview_.ShowAdjust();
  Relayout();
  Desk().Print(SourceOf());
  if (view_)
    view_->DocumentLaidOut();
}

void Session::PrinterSetupCommand() {
  const print::PrinterSetupResult r = Desk().PrinterSetup();
  if (r.accepted) {
    printerName_ = r.printerName;
    format_.modified = true;
    layout_.ForgetWidths();
    Relayout();
  }
  LayoutChanged(print::PreviewCause::Paper);
  FocusEditor();
}

void Session::SaveInitialSettings() {
  if (settings::SaveInitialSettings(format_, FormatSaveContext(), host_))
    menus_.backEnabled = true;
}

void Session::RestoreInitialSettings() {
  if (settings::RestoreInitialSettings(format_, FormatLoadContext(), host_))
    FormatLoaded();
}

void Session::OpenFormat() {
  if (settings::OpenFormatCommand(format_, FormatLoadContext(), host_))
    FormatLoaded();
}

void Session::FormatLoaded() {
  if (hasPrinter_)
    print::ApplyPaperToPrinter(printer_, format_.format.paperSize, format_.format.orientation);
  Relayout();
  const settings::PrintFormat &f = format_.format;
  if ((f.duplex || f.pouchBinding) && print::gooPageXR(format_.format, layout_.Layout().geometry))
    Relayout();
}

void Session::SaveFormatAs() {
  settings::SaveFormatAsCommand(format_, document_.FileName(), FormatSaveContext(), host_);
}

void Session::ResetFormat() {
  settings::ResetFormatCommand(format_, base::FullPathOf(document_.FileName()), FormatEnv());
  Relayout();
}

void Session::SetRealLayout(bool checked) {
  menus_.realLayout = checked;
  document_.Settings().realtimeLayoutOn = checked && !menus_.enlargedView;
  if (document_.Settings().realtimeLayoutOn)
    Relayout();
  else if (view_)
    view_->DocumentLaidOut();
}

void Session::SetEnlargedView(bool on) {
  menus_.enlargedView = on;
  SetRealLayout(menus_.realLayout);
}

void Session::CaretMoved() { layout_.CaretMoved(memo_, format_.format); }

// The history holds full paths, so that a file opened once by a relative
// name and once by its path has one entry.
void Session::NameRecorded(const std::string &docFileName) {
  if (docFileName != editor::kDefaultDocName)
    history_.Record(base::FullPathOf(docFileName));
}

// A loaded document shows in the open preview; a new name shows in its
// header while the preview follows changes.
void Session::RefreshPreview(bool afterLoad) {
  LayoutChanged(afterLoad ? print::PreviewCause::Load : print::PreviewCause::NewName);
}

void Session::FocusEditor() {
  if (view_)
    view_->FocusEditor();
}

settings::FormatEnvironment Session::FormatEnv() const {
  settings::FormatEnvironment env;
  const platform::PrinterMetrics metrics = printer_.Metrics();
  if (hasPrinter_) {
    env.dpi = metrics.dpiY;
    env.offsetLeft = metrics.offX;
    env.offsetTop = metrics.offY;
  }
  env.clientWidth = base::BAI(kDesignClientWidth, uiScale_);
  return env;
}

settings::LoadContext Session::FormatLoadContext() const {
  settings::LoadContext ctx;
  ctx.programDir = programDir_;
  ctx.env = FormatEnv();
  ctx.soundAvailable = menus_.soundsEnabled;
  ctx.fonts = &fonts_;
  // A puzzle format measures the grid in the current face as the printer would.
  if (platform::Canvas *canvas = view_ ? view_->MeasureCanvas() : nullptr) {
    const int height = static_cast<int>(std::lround(format_.format.fontSize * ctx.env.dpi / 72.0));
    ctx.gridMisaligned = [canvas, height](const std::string &face) {
      return settings::GridMisaligned(*canvas, face, height);
    };
  }
  return ctx;
}

settings::SaveContext Session::FormatSaveContext() const {
  settings::SaveContext ctx;
  ctx.programDir = programDir_;
  const platform::PrinterMetrics metrics = printer_.Metrics();
  ctx.dpi = FormatEnv().dpi;
  ctx.headerMm = layout_.Layout().geometry.headerMm;
  if (hasPrinter_ && metrics.dpiY > 0) {
    ctx.paperWidthMm = base::PixToMm(metrics.paperW, metrics.dpiX);
    ctx.paperHeightMm = base::PixToMm(metrics.paperH, metrics.dpiY);
    return ctx;
  }
  // Without a printer the paper is the one the format names.
  const print::PaperEntry &paper =
      print::PaperOf(format_.format.paperSize, format_.format.orientation);
  ctx.paperWidthMm = paper.widthMm;
  ctx.paperHeightMm = paper.heightMm;
  return ctx;
}

} // namespace zenpa::app
