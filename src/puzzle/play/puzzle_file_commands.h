// The puzzle-file commands of the puzzle menu, without the window: loading
// one or several puzzle files into the document ("読込", "数独データ読み込み(&R)...",
// "～難易度確認読み込み(&K)"), saving the document's grids ("数独データ保存(&W)..."),
// their file dialogs, the unsaved-changes rule before a command replaces the
// document, and the print format for puzzles "nbpzpf.zpf" that loading and
// generating make current when it is due. Texts and names are Shift-JIS.
//
// A window runs the load command as:
//   if (!AskBeforeReplacing(memo, append, askSave)) return;
//   paths = the chosen files of the PuzzleOpenDialog() (several may be chosen);
//   ctx.levelCheck = levelCheckMode ? GradingLevelCheck(answer, display) : LevelCheck{};
//   result = LoadPuzzleFiles(ctx, paths, append, [&] { ApplyPuzzleFormat(...); });
//   if (!result.documentName.empty()) the document takes that name, page start "1".
#pragma once

#include "platform/host.h"
#include "platform/memo.h"
#include "puzzle/play/puzzle_file_reader.h"
#include "settings/format_commands.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zenpa::play {

// Before a command replaces the document: the unsaved-changes question is
// asked only when the document has lines, is not appended to (CheckBox8 off)
// and is modified. False when the question was cancelled.
bool AskBeforeReplacing(const platform::Memo &memo, bool append,
                        const std::function<bool()> &askSaveChanges);

struct PuzzleLoadResult {
  int filesRead = 0;
  bool stopped = false; // Escape during the level check ended the reading
  // The name the document takes: the last file read, with ".txt". Empty
  // when appending (CheckBox8) or when no file could be read.
  std::string documentName;
};

// Reads the files in turn into puzzle blocks: the document is emptied first
// unless appending, then applyPuzzleFormat runs (when given). After each
// file read into a document that is not appended to, the document is
// marked unmodified. Escape in the level check ends this and later files; a
// file that cannot be read is reported and the next one is read.
PuzzleLoadResult LoadPuzzleFiles(PuzzleReadContext &ctx, const std::vector<std::string> &paths,
                                 bool append, const std::function<void()> &applyPuzzleFormat = {});

// Writes the grids of the document to path, in the CSV dialect when its
// extension says so. Returns the name the document takes (path with
// ".txt"), or nullopt after the reason the file could not be written was
// shown.
std::optional<std::string> SavePuzzleFile(const platform::Memo &memo, platform::Host &host,
                                          const std::string &path,
                                          const std::string &completedAnswer);

// The open dialog of the load command (several files may be chosen), the
// save dialog with the last puzzle file name, and the viewer's open dialog.
platform::FileDialog PuzzleOpenDialog();
platform::FileDialog PuzzleSaveDialog(const std::string &lastPuzzleFile);
platform::FileDialog ViewerOpenDialog();

// Makes "nbpzpf.zpf" of ctx.programDir the current print format when it is
// due (the switch is the format's own). True when it was read: the document
// is laid out again and the panels show the new format.
bool ApplyPuzzleFormat(settings::FormatState &state, const settings::LoadContext &ctx,
                       platform::Host &host, bool append);

} // namespace zenpa::play
