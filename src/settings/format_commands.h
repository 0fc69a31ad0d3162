// The format commands of the main window, without the window: the initial
// settings ("初期設定保存(&I)", "初期設定にもどす(&B)"), loading and saving a
// format through the file dialogs ("書式読み込み(&O)...", "今の書式保存(&S)..."),
// the format reset ("書式リセット(&N)"), and the FormatModified flag with its
// indicator label. Each command returns whether it changed the format, so
// that the caller knows to lay the document out again and refresh the panels.
#pragma once

#include "platform/host.h"
#include "settings/format_file.h"
#include "settings/print_format.h"

#include <string>

namespace zenpa::settings {

// The print format of the session and the file it belongs to.
struct FormatState {
  PrintFormat format;
  std::string fileName = "zenp_prn.zpf"; // FormatFileName
  bool modified = false;                 // FormatModified: changed since loaded or saved
};

// programDir + "zenpa.ini".
std::string InitialSettingsPath(const std::string &programDir);

// The format file that goes with a document: the same name with ".zpf";
// empty when the document itself is a format file.
std::string CompanionFormatPath(const std::string &documentPath);

// Savezpf, then FormatModified is cleared. False (after the message) on failure.
bool SaveFormat(FormatState &state, const std::string &path, const SaveContext &ctx,
                platform::Host &host);

// Loadzpf; a file read to its end clears FormatModified.
LoadResult LoadFormat(FormatState &state, const std::string &path, const LoadContext &ctx,
                      platform::Host &host);

// "書式リセット(&N)", also run for a new document: the reset, FormatFileName
// becomes the document's name with ".zpf", FormatModified is cleared.
void ResetFormatCommand(FormatState &state, const std::string &documentPath,
                        const FormatEnvironment &env);

// "初期設定保存(&I)": asks, then writes "zenpa.ini"; FormatFileName and
// FormatModified stay as they were. True when written: "初期設定にもどす(&B)"
// is then enabled.
bool SaveInitialSettings(FormatState &state, const SaveContext &ctx, platform::Host &host);

// "初期設定にもどす(&B)": loads "zenpa.ini" when it exists, keeping
// FormatFileName. True when a file was read.
bool RestoreInitialSettings(FormatState &state, const LoadContext &ctx, platform::Host &host);

// "書式読み込み(&O)...": the chosen file is loaded and becomes FormatFileName.
// False when the dialog was cancelled or nothing could be read (a missing or
// unreadable file is reported and changes nothing).
bool OpenFormatCommand(FormatState &state, const LoadContext &ctx, platform::Host &host);

// "今の書式保存(&S)...": offers the document's name with ".zpf" and writes
// there; a written file becomes FormatFileName. False when cancelled or not
// written.
bool SaveFormatAsCommand(FormatState &state, const std::string &documentPath,
                         const SaveContext &ctx, platform::Host &host);

// A click on the main window's background. With Ctrl the label "zpfModified"
// is shown while the format is modified, or hidden when it was shown; with
// Shift FormatModified is cleared and the label hidden. Returns whether the
// label is shown afterwards.
bool ModifiedLabelClick(FormatState &state, bool ctrl, bool shift, bool labelShown);

} // namespace zenpa::settings
