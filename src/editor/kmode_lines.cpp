#include "editor/kmode_lines.h"

#include "base/file_io.h"
#include "base/paths.h"
#include "base/sjis.h"

#include <optional>

namespace zenpa::editor {
namespace {

constexpr std::string_view kFileTag = ",file:";

std::string BeforeSound(const std::string &line) {
  const std::size_t tag = line.find(kFileTag);
  std::string head = line.substr(0, tag);
  while (!head.empty() && head.back() == ',')
    head.pop_back();
  return head;
}

} // namespace

std::string ToggledQuote(const std::string &line) {
  if (!line.empty() && line.front() == '\'')
    return line.substr(1);
  return "'" + line;
}

void ToggleQuoteAtCaret(platform::Memo &memo) {
  const int line = memo.Caret().line;
  if (line < memo.LineCount())
    memo.ReplaceLine(line, ToggledQuote(memo.Line(line)));
  else
    memo.InsertLine(line, "'");
  memo.SetCaret({line, 0});
  memo.ScrollToLine(line);
}

std::string SoundFilter() {
  return base::Sj("音のファイル(*.wav;*.mp3;*.wma;*.mid)|*.wav;*.mp3;*.wma;*.mid");
}

bool TakesSound(const std::string &line) { return line.find(':') != std::string::npos; }

std::string SoundFileOf(const std::string &line) {
  const std::size_t tag = line.find(kFileTag);
  return tag == std::string::npos ? std::string() : line.substr(tag + kFileTag.size());
}

std::string WithSound(const std::string &line, const std::string &file,
                      const std::string &programDir) {
  std::string head = BeforeSound(line);
  if (file.empty())
    return head;
  const std::string dir = base::ExtractFileDir(file) + "/";
  const bool inProgramDir = !programDir.empty() && dir == programDir;
  return head + std::string(kFileTag) + (inProgramDir ? base::ExtractFileName(file) : file);
}

namespace {

std::optional<std::string> ChooseSound(const std::string &line, platform::Host &host,
                                       const std::string &programDir) {
  platform::FileDialog dialog;
  dialog.filter = SoundFilter();
  std::string named = SoundFileOf(line);
  if (!named.empty() && base::ExtractFileDir(named).empty())
    named = programDir + named;
  if (!named.empty() && base::FileExists(named)) {
    dialog.fileName = named;
    dialog.initialDir = base::ExtractFileDir(named);
  }
  return host.OpenFileName(dialog);
}

} // namespace

bool AssignSound(platform::Memo &memo, platform::Host &host, const std::string &programDir,
                 bool ctrl) {
  const int index = memo.Caret().line;
  if (index >= memo.LineCount() || !TakesSound(memo.Line(index)))
    return false;
  const std::string line = memo.Line(index);
  std::string file;
  if (!ctrl) {
    const std::optional<std::string> chosen = ChooseSound(line, host, programDir);
    if (!chosen)
      return false;
    file = *chosen;
  }
  const std::string changed = WithSound(line, file, programDir);
  if (changed != line)
    memo.ReplaceLine(index, changed);
  memo.SetCaret({index, 0});
  return changed != line;
}

} // namespace zenpa::editor
