#include "editor/document.h"

#include "base/file_io.h"
#include "base/paths.h"
#include "base/sjis.h"
#include "base/units.h"
#include "editor/lossy_save.h"

#include <charconv>

namespace zenpa::editor {
namespace {

using base::Sj;

constexpr const char *kFormatExt = ".zpf";

std::string JoinPath(const std::string &dir, const std::string &name) {
  if (dir.empty())
    return name;
  if (dir.back() == '/')
    return dir + name;
  return dir + "/" + name;
}

// The page-number start as an integer, 1 when it is not a number.
int PageNumberStartValue(const std::string &text) {
  int value = 1;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size())
    return 1;
  return value;
}

platform::FileDialog OpenDialog(std::string initialDir) {
  platform::FileDialog dialog;
  dialog.filter = OpenFilter();
  dialog.defaultExt = "txt";
  dialog.initialDir = std::move(initialDir);
  return dialog;
}

} // namespace

std::string OpenFilter() {
  return Sj("テキスト(*.txt)|*.txt|すべてのファイル(*.*)|*.*|"
            "ソースファイル(*.src;*.pas;*.cgi;*.cps;*.bas;*.zpf;*.nbp)|"
            "*.src;*.pas;*.cgi;*.cps;*.bas;*.zpf;*.nbp");
}

std::string SaveAsFilter() { return Sj("すべてのファイル(*.*)|*.*"); }

Document::Document(platform::Memo &memo, platform::Host &host, settings::FormatState &format,
                   DocumentHooks &hooks)
    : memo_(memo), host_(host), format_(format), hooks_(hooks) {}

std::string Document::Caption() const {
  if (!named_)
    return "ZENPA";
  return "ZENPA - " + fileName_;
}

std::string Document::NameLabel() const {
  if (!named_)
    return Sj("未定");
  return base::ExtractFileName(fileName_);
}

void Document::ShowNamed(const std::string &name) {
  fileName_ = name;
  named_ = true;
  renameText_ = base::ExtractFileName(name);
}

void Document::ResetPageNumbering() {
  format_.format.pageNumberStart = "1";
  pageOffset_ = 0;
}

// A name with a relative directory part would resolve elsewhere once the
// load has changed the current directory, so it is held in full.
std::string Document::AbsoluteIfRelativeDir(const std::string &name) const {
  if (name.empty() || name.front() == '/' || base::ExtractFileDir(name).empty())
    return name;
  return JoinPath(base::CurrentDirectory(), name);
}

LoadStatus Document::Load(const std::string &name) {
  const std::string wanted = name.empty() ? fileName_ : name;
  const std::string path = base::FullPathOf(wanted);
  if (!base::FileExists(path) && !base::DirectoryExists(path))
    return LoadStatus::Missing;
  std::vector<std::string> lines;
  base::LineEnd lineEnd = base::LineEnd::CrLf;
  base::IoResult read = base::ReadTextLines(path, lines, lineEnd);
  if (!read.ok) {
    host_.Message(read.error, "", platform::Buttons::Ok, platform::Icon::Error);
    return LoadStatus::Failed;
  }
  lineEnd_ = lineEnd;
  const std::string held = AbsoluteIfRelativeDir(wanted);
  const std::string dir = base::ExtractFileDir(path);
  if (!dir.empty())
    base::SetCurrentDirectory(dir);
  ShowNamed(held);
  hooks_.NameRecorded(held);
  ResetPageNumbering();
  const std::string companion = settings::CompanionFormatPath(base::FullPathOf(held));
  bool formatRead = false;
  if (!companion.empty()) {
    format_.fileName = companion;
    formatRead =
        settings::LoadFormat(format_, companion, hooks_.FormatLoadContext(), host_).outcome ==
        settings::LoadOutcome::Loaded;
  }
  memo_.SetLines(std::move(lines));
  memo_.SetModified(false);
  if (formatRead)
    hooks_.FormatLoaded();
  else
    hooks_.Relayout();
  hooks_.RefreshPreview(true);
  format_.modified = false;
  hooks_.DocumentReplaced();
  return LoadStatus::Loaded;
}

bool Document::AskSaveChanges() {
  const platform::Answer answer =
      host_.Message(Sj("内容が変更されています。保存しますか？"), Sj("zenpa - 保存確認"),
                    platform::Buttons::YesNoCancel, platform::Icon::Question);
  if (answer == platform::Answer::Cancel)
    return false;
  if (answer == platform::Answer::Yes) {
    SaveAs();
    return saveAsDone_;
  }
  return true;
}

void Document::New() {
  if (memo_.Modified() && !AskSaveChanges())
    return;
  memo_.SetLines({});
  memo_.SetModified(false);
  lineEnd_ = base::LineEnd::CrLf;
  const settings::FormatEnvironment env = hooks_.FormatEnv();
  settings::ResetFormatCommand(format_, kDefaultDocName, env);
  const settings::PrintFormat start = settings::StartFormat(env);
  format_.format.topMargin = start.topMargin;
  format_.format.leftMargin = start.leftMargin;
  ShowNamed(kDefaultDocName);
  ResetPageNumbering();
  hooks_.Relayout();
  format_.modified = false;
  hooks_.DocumentReplaced();
  hooks_.FocusEditor();
}

bool Document::Open() {
  if (memo_.Modified() && !AskSaveChanges())
    return false;
  const auto chosen =
      host_.OpenFileName(OpenDialog(base::ExtractFileDir(base::FullPathOf(fileName_))));
  bool loaded = chosen && Load(*chosen) == LoadStatus::Loaded;
  hooks_.FocusEditor();
  return loaded;
}

bool Document::WriteText(const std::string &path) {
  if (!ConfirmLossySave(memo_, host_))
    return false;
  base::IoResult written = base::WriteLines(path, memo_.Lines(), lineEnd_);
  if (!written.ok) {
    host_.Message(written.error, "", platform::Buttons::Ok, platform::Icon::Error);
    return false;
  }
  memo_.SetModified(false);
  return true;
}

void Document::SaveFormatBeside(const std::string &docPath) {
  format_.fileName = base::ChangeFileExt(docPath, kFormatExt);
  if (settings_.kMode || !format_.format.autoSaveFormat)
    return;
  settings::SaveFormat(format_, format_.fileName, hooks_.FormatSaveContext(), host_);
}

bool Document::Save() {
  if (renaming_) {
    host_.Message(Sj("ファイル名を確定して下さい。"));
    return false;
  }
  std::string name = fileName_;
  if (base::ExtractFileExt(name).empty())
    name += ".txt";
  const std::string path = base::FullPathOf(name);
  if (!WriteText(path))
    return false;
  if (!settings_.kMode && format_.format.autoSaveFormat)
    SaveFormatBeside(path);
  ShowNamed(name);
  return true;
}

bool Document::SaveAs() {
  saveAsDone_ = false;
  platform::FileDialog dialog;
  dialog.filter = SaveAsFilter();
  dialog.defaultExt = "txt";
  dialog.fileName = base::FullPathOf(fileName_);
  const auto chosen = host_.SaveFileName(dialog);
  if (!chosen || !WriteText(*chosen)) {
    hooks_.FocusEditor();
    return false;
  }
  SaveFormatBeside(*chosen);
  ShowNamed(*chosen);
  hooks_.RefreshPreview(false);
  hooks_.NameRecorded(*chosen);
  format_.modified = false;
  saveAsDone_ = true;
  hooks_.FocusEditor();
  return true;
}

bool Document::InsertAtEnd() {
  const auto chosen = host_.OpenFileName(OpenDialog(""));
  if (!chosen)
    return false;
  std::vector<std::string> lines;
  base::LineEnd lineEnd = base::LineEnd::CrLf;
  base::IoResult read = base::ReadTextLines(*chosen, lines, lineEnd);
  if (!read.ok) {
    host_.Message(read.error, "", platform::Buttons::Ok, platform::Icon::Error);
    return false;
  }
  const bool realtime = settings_.realtimeLayoutOn;
  settings_.realtimeLayoutOn = false;
  for (const std::string &line : lines)
    memo_.InsertLine(memo_.LineCount(), line);
  settings_.realtimeLayoutOn = realtime;
  hooks_.Relayout();
  hooks_.FocusEditor();
  return true;
}

void Document::BeginRename() {
  renameText_ = NameLabel();
  renaming_ = true;
}

void Document::CommitRename(const std::string &text) {
  if (!text.empty()) {
    const std::string name = JoinPath(base::ExtractFileDir(fileName_), text);
    format_.fileName = base::ChangeFileExt(name, kFormatExt);
    ShowNamed(name);
    pageOffset_ = PageNumberStartValue(format_.format.pageNumberStart) - 1;
    hooks_.RefreshPreview(false);
  }
  CancelRename();
}

void Document::CancelRename() {
  renameText_ = base::ExtractFileName(fileName_);
  renaming_ = false;
}

void Document::TextChanged() {
  if (settings_.realtimeLayoutOn || hooks_.PreviewFollowsChanges())
    hooks_.Relayout();
}

} // namespace zenpa::editor
