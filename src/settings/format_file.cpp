#include "settings/format_file.h"

#include "base/file_io.h"
#include "base/paths.h"
#include "base/sjis.h"
#include "settings/format_lines.h"

namespace zenpa::settings {
namespace {

using base::Sj;
using detail::Group;
using detail::LineError;
using detail::LineSpec;

constexpr const char *kInitialSettingsName = "zenpa.ini";
constexpr const char *kPuzzleFormatPrefix = "nbpzpf";
constexpr const char *kPuzzleFormatName = "nbpzpf.zpf";
constexpr const char *kHeaderMiddle = "ファイル - ＺＥＮＰＡ v3.87";
constexpr const char *kHeaderMaker = " (zenpa)";
constexpr const char *kStandardFont = "ＭＳ ゴシック";

std::string HeaderLine(FormatFileKind kind) {
  const char *kindText = kind == FormatFileKind::InitialSettings ? "※初期設定"
                         : kind == FormatFileKind::Puzzle        ? "※数独書式"
                                                                 : "※書式";
  return Sj(kindText) + Sj(kHeaderMiddle) + kHeaderMaker;
}

void WriteLine(std::vector<std::string> &out, const LineSpec &entry, PrintFormat &f,
               const SaveContext &ctx) {
  const std::string comment = entry.liveComment ? entry.liveComment(f, ctx) : entry.comment;
  out.push_back(entry.value(f, ctx) + "," + comment);
  if (!entry.nextLine.empty())
    out.push_back(entry.nextLine);
}

void WriteGroup(std::vector<std::string> &out, Group group, bool puzzleFile, PrintFormat &f,
                const SaveContext &ctx) {
  for (const LineSpec &entry : detail::LineTable()) {
    if (entry.group != group || (puzzleFile && !entry.inPuzzleFile))
      continue;
    WriteLine(out, entry, f, ctx);
  }
}

// The puzzle title and the nine how-to-play slots; an empty slot (the form
// feed) is written with an empty value.
void WriteTitles(std::vector<std::string> &out, PrintFormat &f, const SaveContext &ctx) {
  WriteLine(out, detail::TitleSpec(), f, ctx);
  const std::string comment = "," + detail::HowToPlaySpec().comment;
  for (const std::string &slot : f.puzzle.howToPlay) {
    out.push_back((slot == std::string(1, kFormFeed) ? std::string() : detail::TextValue(slot)) +
                  comment);
  }
}

void WritePuzzleConditions(std::vector<std::string> &out, PrintFormat &f, const SaveContext &ctx) {
  WriteGroup(out, Group::Conditions, false, f, ctx);
  if (f.puzzle.techniques.conditionsPanelShown)
    WriteGroup(out, Group::ConditionsBody, false, f, ctx);
  WriteGroup(out, Group::Record, false, f, ctx);
  if (f.puzzle.recordPanelShown)
    WriteGroup(out, Group::RecordBody, false, f, ctx);
}

} // namespace

bool IsPuzzleFormatName(const std::string &path) {
  return base::ExtractFileName(path).rfind(kPuzzleFormatPrefix, 0) == 0;
}

FormatFileKind KindOfFormatFile(const std::string &path, const std::string &programDir) {
  if (path == programDir + kInitialSettingsName)
    return FormatFileKind::InitialSettings;
  if (IsPuzzleFormatName(path))
    return FormatFileKind::Puzzle;
  return FormatFileKind::Document;
}

std::vector<std::string> FormatFileLines(const PrintFormat &format, FormatFileKind kind,
                                         const SaveContext &ctx) {
  PrintFormat f = format; // the line table reaches fields through mutable references
  const bool puzzleFile = kind == FormatFileKind::Puzzle;
  const bool settingsFile = kind == FormatFileKind::InitialSettings;
  const bool puzzleMenu = settingsFile || f.puzzle.menuShown;
  std::vector<std::string> out{HeaderLine(kind)};
  WriteGroup(out, Group::Main, puzzleFile, f, ctx);
  if (puzzleFile || puzzleMenu) {
    out.emplace_back();
    WriteGroup(out, Group::Puzzle, false, f, ctx);
    WriteTitles(out, f, ctx);
  }
  if (puzzleFile) {
    WriteLine(out, detail::HowToPlayReduceLine(), f, ctx);
    return out;
  }
  if (puzzleMenu)
    WritePuzzleConditions(out, f, ctx);
  if (settingsFile || f.drill.menuShown) {
    out.emplace_back();
    WriteGroup(out, Group::Drill, false, f, ctx);
  }
  return out;
}

bool Savezpf(const std::string &path, const PrintFormat &format, const SaveContext &ctx,
             platform::Host &host) {
  const auto lines = FormatFileLines(format, KindOfFormatFile(path, ctx.programDir), ctx);
  const base::IoResult r = base::WriteLines(path, lines);
  if (r.ok)
    return true;
  host.Message(Sj("書式が保存できません") + "\n" + r.error, "", platform::Buttons::Ok,
               platform::Icon::Error);
  return false;
}

namespace {

struct SplitResult {
  std::string_view value;
  std::string_view key;
};

// value = the text before the first comma, key = the six bytes after it; a
// line without a comma has an empty value and its first six bytes as key.
SplitResult SplitSettingLine(std::string_view line) {
  const auto comma = line.find(',');
  if (comma == std::string_view::npos)
    return {{}, line.substr(0, detail::kKeyBytes)};
  return {line.substr(0, comma), line.substr(comma + 1, detail::kKeyBytes)};
}

// After the last line: when the file held how-to-play lines, the slots
// without a line are emptied, then trailing empty slots become the empty-slot
// marker. A file without any such line (an ordinary document's format) leaves
// the slots alone, so the user's text is not lost by opening a document.
void FinishHowToPlay(PrintFormat &f, int slotsRead) {
  if (slotsRead == 0)
    return;
  auto &slots = f.puzzle.howToPlay;
  for (int i = slotsRead; i < kHowToPlaySlotCount; ++i)
    slots[i].clear();
  for (int i = kHowToPlaySlotCount - 1; i >= 0 && slots[i].empty(); --i) {
    slots[i] = std::string(1, kFormFeed);
  }
}

std::string ShownValue(std::string_view value) {
  constexpr std::size_t kMostShown = 40;
  return detail::CutText(value, kMostShown);
}

std::string StopReason(LineError e, std::string_view value) {
  switch (e) {
  case LineError::NotANumber:
    return "\"" + ShownValue(value) + Sj("\" は数値ではありません。");
  case LineError::OutOfRange:
    return "\"" + ShownValue(value) + Sj("\" は範囲外の数値です。");
  case LineError::TooManySlots:
    return Sj("数独解説の行が10行以上あります。");
  case LineError::NotText:
    return Sj("テキストではないデータがあります。");
  case LineError::None:
    break;
  }
  return {};
}

LoadResult Stopped(int lineNumber, LineError e, std::string_view value) {
  LoadResult r;
  r.outcome = LoadOutcome::Stopped;
  r.line = lineNumber;
  r.message = Sj("書式ファイルの") + std::to_string(lineNumber) +
              Sj("行目が読めないため、読み込みを中止しました。") + "\n" + StopReason(e, value);
  return r;
}

bool HasNul(std::string_view line) { return line.find('\0') != std::string_view::npos; }

} // namespace

LoadResult ApplyFormatLines(PrintFormat &format, const std::vector<std::string> &lines,
                            const LoadContext &ctx) {
  if (!lines.empty() && HasNul(lines[0]))
    return Stopped(1, LineError::NotText, {});
  format.paperBottom = 0;
  format.paperRight = 0;
  detail::ReadState state{ctx};
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const int lineNumber = static_cast<int>(i) + 1;
    if (HasNul(lines[i]))
      return Stopped(lineNumber, LineError::NotText, {});
    const auto [value, key] = SplitSettingLine(lines[i]);
    const LineSpec *entry = detail::FindLine(key);
    if (!entry)
      continue;
    const LineError e = entry->apply(format, value, state);
    if (e != LineError::None)
      return Stopped(lineNumber, e, value);
  }
  FinishHowToPlay(format, state.slotsRead);
  return {};
}

namespace {

// A missing "nbpzpf.zpf" is looked for in the program directory.
std::string ExistingFormatPath(const std::string &path, const std::string &programDir) {
  if (base::FileExists(path) || base::DirectoryExists(path))
    return path;
  if (base::ExtractFileName(path) != kPuzzleFormatName)
    return {};
  const std::string fallback = programDir + kPuzzleFormatName;
  return base::FileExists(fallback) ? fallback : std::string();
}

// Puzzle grids need a face that draws ruled lines and digits at one width.
void KeepGridsAligned(PrintFormat &format, const LoadContext &ctx) {
  if (!ctx.gridMisaligned || !ctx.fonts || !ctx.gridMisaligned(format.fontName))
    return;
  const std::string standard = Sj(kStandardFont);
  if (ctx.fonts->IsInstalled(standard))
    format.fontName = standard;
}

} // namespace

LoadResult Loadzpf(const std::string &path, PrintFormat &format, const LoadContext &ctx,
                   platform::Host &host) {
  LoadResult result;
  result.path = ExistingFormatPath(path, ctx.programDir);
  if (result.path.empty()) {
    result.outcome = LoadOutcome::Missing;
    return result;
  }
  std::vector<std::string> lines;
  const base::IoResult io = base::ReadLines(result.path, lines);
  if (!io.ok) {
    result.outcome = LoadOutcome::Unreadable;
    result.message = Sj("書式ファイルが読み込めません。") + "\n" + io.error;
  } else {
    if (IsPuzzleFormatName(result.path))
      KeepGridsAligned(format, ctx);
    const std::string readPath = result.path;
    result = ApplyFormatLines(format, lines, ctx);
    result.path = readPath;
    if (!result.message.empty())
      result.message += "\n" + readPath;
  }
  if (!result.message.empty()) {
    host.Message(result.message, "", platform::Buttons::Ok, platform::Icon::Error);
  }
  return result;
}

} // namespace zenpa::settings
