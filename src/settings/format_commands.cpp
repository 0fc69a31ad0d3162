#include "settings/format_commands.h"

#include "base/file_io.h"
#include "base/paths.h"
#include "base/sjis.h"

#include <cctype>

namespace zenpa::settings {
namespace {

using base::Sj;

constexpr const char *kFormatExt = ".zpf";

platform::FileDialog FormatDialog(const std::string &fileName) {
  platform::FileDialog dialog;
  dialog.filter = Sj("書式(*.zpf)|*.zpf");
  dialog.defaultExt = "zpf";
  dialog.initialDir = base::ExtractFileDir(fileName);
  dialog.fileName = base::ExtractFileName(fileName);
  return dialog;
}

bool IsFormatExt(const std::string &path) {
  std::string ext = base::ExtractFileExt(path);
  for (char &c : ext)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext == kFormatExt;
}

} // namespace

std::string InitialSettingsPath(const std::string &programDir) { return programDir + "zenpa.ini"; }

std::string CompanionFormatPath(const std::string &documentPath) {
  if (IsFormatExt(documentPath))
    return {};
  return base::ChangeFileExt(documentPath, kFormatExt);
}

bool SaveFormat(FormatState &state, const std::string &path, const SaveContext &ctx,
                platform::Host &host) {
  if (!Savezpf(path, state.format, ctx, host))
    return false;
  state.modified = false;
  return true;
}

LoadResult LoadFormat(FormatState &state, const std::string &path, const LoadContext &ctx,
                      platform::Host &host) {
  LoadResult result = Loadzpf(path, state.format, ctx, host);
  if (result.outcome == LoadOutcome::Loaded)
    state.modified = false;
  return result;
}

void ResetFormatCommand(FormatState &state, const std::string &documentPath,
                        const FormatEnvironment &env) {
  ResetFormat(state.format, env);
  state.fileName = base::ChangeFileExt(documentPath, kFormatExt);
  state.modified = false;
}

bool SaveInitialSettings(FormatState &state, const SaveContext &ctx, platform::Host &host) {
  const platform::Answer answer =
      host.Message(Sj("現在の設定が次回起動時に適用されます。"), Sj("zenpa - 初期設定保存"),
                   platform::Buttons::OkCancel);
  if (answer != platform::Answer::Ok)
    return false;
  return Savezpf(InitialSettingsPath(ctx.programDir), state.format, ctx, host);
}

bool RestoreInitialSettings(FormatState &state, const LoadContext &ctx, platform::Host &host) {
  const std::string path = InitialSettingsPath(ctx.programDir);
  if (!base::FileExists(path))
    return false;
  return LoadFormat(state, path, ctx, host).outcome != LoadOutcome::Unreadable;
}

bool OpenFormatCommand(FormatState &state, const LoadContext &ctx, platform::Host &host) {
  const auto chosen = host.OpenFileName(FormatDialog(state.fileName));
  if (!chosen)
    return false;
  const LoadResult result = LoadFormat(state, *chosen, ctx, host);
  if (result.outcome == LoadOutcome::Missing) {
    host.Message(Sj("ファイル ") + *chosen + Sj(" が見つかりません。"), "", platform::Buttons::Ok,
                 platform::Icon::Warning);
  }
  if (result.outcome == LoadOutcome::Missing || result.outcome == LoadOutcome::Unreadable)
    return false; // nothing was read: the format keeps its file
  state.fileName = *chosen;
  return true;
}

bool SaveFormatAsCommand(FormatState &state, const std::string &documentPath,
                         const SaveContext &ctx, platform::Host &host) {
  const auto chosen =
      host.SaveFileName(FormatDialog(base::ChangeFileExt(documentPath, kFormatExt)));
  if (!chosen || !SaveFormat(state, *chosen, ctx, host))
    return false;
  state.fileName = *chosen;
  return true;
}

bool ModifiedLabelClick(FormatState &state, bool ctrl, bool shift, bool labelShown) {
  bool shown = labelShown;
  if (ctrl)
    shown = !labelShown && state.modified;
  if (shift) {
    state.modified = false;
    shown = false;
  }
  return shown;
}

} // namespace zenpa::settings
