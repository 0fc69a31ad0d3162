#include "puzzle/play/viewer_launch.h"

#include "base/file_io.h"
#include "base/paths.h"
#include "base/sjis.h"

namespace zenpa::play {

ViewerCommand ViewerCommandLine(const std::string &programDir, const std::string &workingDir,
                                const std::string &chosenFile) {
  return {programDir + "GRDV.COM", {"/C", base::FullPathOf(chosenFile, workingDir)}};
}

std::optional<std::string> ViewerHandBack(const std::string &workingDir) {
  const std::string dat = base::FullPathOf("GRDV.DAT", workingDir);
  std::string error;
  const auto lines = base::FileExists(dat) ? ReadFileLines(dat, error) : std::nullopt;
  if (!lines || lines->empty() || lines->front().empty())
    return std::nullopt;
  const std::string name = base::FullPathOf(lines->front(), workingDir);
  if (!base::FileExists(name))
    return std::nullopt;
  return name;
}

std::optional<PuzzleLoadResult> RunViewer(ViewerContext &ctx, const std::string &chosenFile) {
  const ViewerCommand command = ViewerCommandLine(ctx.programDir, ctx.workingDir, chosenFile);
  const platform::StartResult started =
      ctx.read.host.StartProgram(command.program, command.args, true);
  if (!started) {
    ctx.read.host.Message(base::Sj("実行できません (") + started.error + ")");
    return std::nullopt;
  }
  const std::optional<std::string> handed = ViewerHandBack(ctx.workingDir);
  if (!handed || !AskBeforeReplacing(ctx.read.memo, ctx.append, ctx.askSaveChanges))
    return std::nullopt;
  const PuzzleLoadResult loaded =
      LoadPuzzleFiles(ctx.read, {*handed}, ctx.append, ctx.applyPuzzleFormat);
  if (loaded.filesRead == 0)
    return std::nullopt;
  return loaded;
}

} // namespace zenpa::play
