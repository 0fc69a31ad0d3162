#include "app/history.h"

#include "app/product.h"
#include "base/file_io.h"
#include "base/sjis.h"
#include "editor/document.h"

#include <algorithm>

namespace zenpa::app {
namespace {

constexpr std::size_t kShortenFrom = 51;
constexpr std::size_t kHeadBytes = 2;
constexpr std::size_t kTailBytes = 45;

} // namespace

void History::LoadLines(const std::vector<std::string> &lines,
                        const std::function<bool(const std::string &)> &fileExists) {
  slots_ = {};
  std::size_t next = 0;
  for (std::size_t i = 1; i < lines.size() && next < slots_.size(); ++i) {
    if (lines[i].empty() || !fileExists(lines[i]))
      continue;
    slots_[next++] = lines[i];
  }
}

void History::Record(const std::string &docFileName) {
  if (docFileName == editor::kDefaultDocName || docFileName == slots_[0])
    return;
  std::array<std::string, kHistorySlots> updated{};
  updated[0] = docFileName;
  updated[1] = slots_[0];
  std::size_t next = 2;
  for (std::size_t i = 1; i < slots_.size() && next < updated.size(); ++i) {
    if (slots_[i] != docFileName)
      updated[next++] = slots_[i];
  }
  slots_ = updated;
}

std::vector<std::string> History::FileLines() const {
  std::vector<std::string> lines;
  lines.push_back(base::Sj("※ヒストリーファイル - ") + base::Sj(kVersionText) +
                  base::Sj(kMakerMark));
  lines.insert(lines.end(), slots_.begin(), slots_.end());
  return lines;
}

std::string History::Caption(int slot) const {
  return "(&" + std::to_string(slot) + ")" + ShortName(Slot(slot));
}

std::string History::ShortName(const std::string &name) {
  if (name.size() < kShortenFrom)
    return name;
  std::size_t headEnd = kHeadBytes;
  if (base::IsTrailPos(name, headEnd))
    --headEnd;
  std::size_t tailStart = name.size() - kTailBytes;
  if (base::IsTrailPos(name, tailStart))
    ++tailStart;
  return name.substr(0, headEnd) + "..." + name.substr(tailStart);
}

std::string HistoryFilePath(const std::string &programDir) { return programDir + "zenpa.his"; }

std::string LoadHistoryFile(History &history, const std::string &programDir) {
  const std::string path = HistoryFilePath(programDir);
  if (!base::FileExists(path) && !base::DirectoryExists(path))
    return {};
  std::vector<std::string> lines;
  const base::IoResult io = base::ReadLines(path, lines);
  const bool text = std::none_of(lines.begin(), lines.end(), [](const std::string &line) {
    return line.find('\0') != std::string::npos;
  });
  if (!io.ok || !text) {
    const std::string reason = io.ok ? path + base::Sj(" (テキストではありません)") : io.error;
    return base::Sj("ヒストリーファイルが読み込めません。") + "\n" + reason;
  }
  history.LoadLines(lines, [](const std::string &name) { return base::FileExists(name); });
  return {};
}

base::IoResult SaveHistoryFile(const History &history, const std::string &programDir) {
  return base::WriteLines(HistoryFilePath(programDir), history.FileLines());
}

} // namespace zenpa::app
