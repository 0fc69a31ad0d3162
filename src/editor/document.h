// The one document of the program: the text in the editor, its file name
// (`DocFileName`, Shift-JIS bytes, relative names resolve against the current
// directory), the print-format file that travels with it (the same name with
// ".zpf"), the window caption and name displays, and the File menu commands
// New, Open, Save, Save As, Insert at end and Rename.
//
// Files are Shift-JIS text, one editor line per file line. A file keeps the
// line-end form it was read with (CR LF, LF or a lone CR: the form of its
// first line end, base/file_io.h) and is written back with it; new documents
// use CR LF.
// Saving writes a temporary file beside the target and renames it into place,
// so a failed save leaves the previous file whole; it is reported and the
// document stays modified. A file that cannot be read is reported and
// changes nothing.
#pragma once

#include "base/file_io.h"
#include "platform/host.h"
#include "platform/memo.h"
#include "settings/format_commands.h"

#include <string>

namespace zenpa::editor {

inline constexpr const char *kDefaultDocName = "zenp_prn.txt";
inline constexpr const char *kDefaultFormatName = "zenp_prn.zpf";

// What the file commands need from the rest of the program.
class DocumentHooks {
public:
  virtual ~DocumentHooks() = default;
  // A document was loaded or saved under a new name: the recent-file list takes it.
  virtual void NameRecorded(const std::string &docFileName) = 0;
  // Lays the document out again and refreshes the position display.
  virtual void Relayout() = 0;
  // The document's own format file was read with it: what follows every
  // format read (the paper to the printer, the even-page shift) and the
  // layout. Without more to do, the layout alone.
  virtual void FormatLoaded() { Relayout(); }
  // The preview window follows the document: after a load it shows the new
  // text when it is open; after Save As and Rename it is redrawn when it
  // follows changes (the header shows the file name).
  virtual void RefreshPreview(bool afterLoad) = 0;
  // True while the preview follows every change of the text.
  virtual bool PreviewFollowsChanges() const = 0;
  // The text was replaced by another document: per-document results (the
  // last completed game answer) are forgotten.
  virtual void DocumentReplaced() = 0;
  virtual void FocusEditor() = 0;
  // Contexts of the format files, from the printer and the layout.
  virtual settings::LoadContext FormatLoadContext() const = 0;
  virtual settings::SaveContext FormatSaveContext() const = 0;
  virtual settings::FormatEnvironment FormatEnv() const = 0;
};

struct DocumentSettings {
  bool kMode = false;           // "/k": never write a format file
  bool realtimeLayoutOn = true; // lay out after every change of the text
};

enum class LoadStatus {
  Loaded,
  Missing, // no such file: nothing changed, nothing shown
  Failed,  // a directory or an unreadable file: reported, nothing changed
};

class Document {
public:
  Document(platform::Memo &memo, platform::Host &host, settings::FormatState &format,
           DocumentHooks &hooks);

  DocumentSettings &Settings() { return settings_; }
  const DocumentSettings &Settings() const { return settings_; }

  const std::string &FileName() const { return fileName_; }
  // Names the document without loading it (command line, dropped files).
  void SetFileName(std::string name) { fileName_ = std::move(name); }
  // The document takes a name its text now belongs to (a puzzle file read or
  // written, with ".txt"): caption and name labels follow it.
  void TakeName(const std::string &name) { ShowNamed(name); }
  // The page-number start becomes "1".
  void ResetPageNumbering();

  // "ZENPA" until a document is loaded, saved, renamed or made new, then
  // "ZENPA - " + the name as held.
  std::string Caption() const;
  // File-name part of the name for the name labels; "未定" before any document.
  std::string NameLabel() const;
  // The line-end form the document is saved with.
  base::LineEnd FileLineEnd() const { return lineEnd_; }
  // Offset added to printed page numbers (page-number start − 1).
  int PrintedPageOffset() const { return pageOffset_; }

  // Loads the named file (the current name when name is empty). The name
  // becomes the document's only when the file was read. The file's
  // directory becomes the current directory.
  LoadStatus Load(const std::string &name = "");

  // The save prompt before a command replaces the document; true when the
  // caller may go on.
  bool AskSaveChanges();

  void New();
  bool Open();
  bool Save();
  bool SaveAs();
  bool InsertAtEnd();

  // Rename: the box opens with the file-name part; a non-empty text commits a
  // new name in the same directory (no file on disk changes).
  void BeginRename();
  bool Renaming() const { return renaming_; }
  const std::string &RenameText() const { return renameText_; }
  void CommitRename(const std::string &text);
  void CancelRename();

  // Called after every change of the editor's text.
  void TextChanged();

  // Writes the text to the file the name resolves to; reports a failure.
  // Characters Shift-JIS cannot hold are shown first, and the user may
  // cancel (editor/lossy_save.h): false then, nothing written.
  bool WriteText(const std::string &path);

private:
  void ShowNamed(const std::string &name);
  void SaveFormatBeside(const std::string &docPath);
  std::string AbsoluteIfRelativeDir(const std::string &name) const;

  platform::Memo &memo_;
  platform::Host &host_;
  settings::FormatState &format_;
  DocumentHooks &hooks_;
  DocumentSettings settings_;
  std::string fileName_ = kDefaultDocName;
  bool named_ = false;
  bool saveAsDone_ = false;
  bool renaming_ = false;
  std::string renameText_;
  int pageOffset_ = 0;
  base::LineEnd lineEnd_ = base::LineEnd::CrLf;
};

// The File menu's dialog filters.
std::string OpenFilter();
std::string SaveAsFilter();

} // namespace zenpa::editor
