#include "puzzle/play/puzzle_file_commands.h"

#include "base/file_io.h"
#include "base/paths.h"
#include "base/sjis.h"
#include "puzzle/play/puzzle_file_writer.h"

namespace zenpa::play {
namespace {

platform::FileDialog PuzzleDialog(const char *filter) {
  platform::FileDialog dialog;
  dialog.filter = base::Sj(filter);
  dialog.defaultExt = "nbp";
  return dialog;
}

constexpr const char *kOpenFilter = "数独データ(*.nbp)|*.nbp;*.nbc|"
                                    "テキストデータ(*.csv;*.txt)|*.csv;*.txt|"
                                    "すべてのファイル(*.*)|*.*";

} // namespace

bool AskBeforeReplacing(const platform::Memo &memo, bool append,
                        const std::function<bool()> &askSaveChanges) {
  if (memo.LineCount() == 0 || append || !memo.Modified() || !askSaveChanges)
    return true;
  return askSaveChanges();
}

PuzzleLoadResult LoadPuzzleFiles(PuzzleReadContext &ctx, const std::vector<std::string> &paths,
                                 bool append, const std::function<void()> &applyPuzzleFormat) {
  if (paths.empty()) // a cancelled dialog leaves the document alone
    return {};
  if (!append)
    ctx.memo.SetLines({});
  if (applyPuzzleFormat)
    applyPuzzleFormat();
  PuzzleLoadResult result;
  for (const std::string &path : paths) {
    const ReadOutcome outcome = ReadPuzzleFile(ctx, path);
    if (outcome == ReadOutcome::Failed)
      continue;
    ++result.filesRead;
    if (!append) {
      result.documentName = base::ChangeFileExt(path, ".txt");
      ctx.memo.SetModified(false);
    }
    result.stopped = outcome == ReadOutcome::Stopped;
    if (result.stopped)
      break;
  }
  return result;
}

std::optional<std::string> SavePuzzleFile(const platform::Memo &memo, platform::Host &host,
                                          const std::string &path,
                                          const std::string &completedAnswer) {
  const base::IoResult io = WritePuzzleFile(path, memo, DialectOfFile(path), completedAnswer);
  if (!io.ok) {
    host.Message(io.error, "", platform::Buttons::Ok, platform::Icon::Error);
    return std::nullopt;
  }
  return base::ChangeFileExt(path, ".txt");
}

platform::FileDialog PuzzleOpenDialog() { return PuzzleDialog(kOpenFilter); }

platform::FileDialog PuzzleSaveDialog(const std::string &lastPuzzleFile) {
  platform::FileDialog dialog =
      PuzzleDialog("数独データ(*.nbp)|*.nbp|CSVデータ(*.csv)|*.csv|すべてのファイル(*.*)|*.*");
  dialog.initialDir = base::ExtractFileDir(lastPuzzleFile);
  dialog.fileName = base::ExtractFileName(lastPuzzleFile);
  return dialog;
}

platform::FileDialog ViewerOpenDialog() {
  platform::FileDialog dialog = PuzzleDialog(kOpenFilter);
  dialog.fileName = "*.nb*";
  return dialog;
}

bool ApplyPuzzleFormat(settings::FormatState &state, const settings::LoadContext &ctx,
                       platform::Host &host, bool append) {
  if (!PuzzleFormatDue(state.format.puzzle.autoApplyFormat, append, state.fileName, ctx.programDir))
    return false;
  const std::string path = PuzzleFormatPath(ctx.programDir);
  const settings::LoadOutcome outcome = settings::LoadFormat(state, path, ctx, host).outcome;
  if (outcome == settings::LoadOutcome::Missing || outcome == settings::LoadOutcome::Unreadable)
    return false;
  state.fileName = path;
  return true;
}

} // namespace zenpa::play
