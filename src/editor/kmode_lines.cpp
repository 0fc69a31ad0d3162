#include "editor/kmode_lines.h"

#include "base/paths.h"
#include "base/sjis.h"

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

} // namespace zenpa::editor
