#include "puzzle/play/viewer_duplicates.h"

#include "base/sjis.h"
#include "puzzle/play/viewer_preview.h"

#include <unordered_map>

namespace zenpa::play {
namespace {

// Lets events run when the interval has passed; false when cancelled.
class EventPacer {
public:
  explicit EventPacer(const DuplicateCheckHooks &hooks)
      : hooks_(hooks), last_(hooks.host.Milliseconds()) {}
  bool KeepGoing(int done, int total) {
    const std::int64_t now = hooks_.host.Milliseconds();
    if (now - last_ >= kDuplicateEventInterval) {
      if (hooks_.showProgress)
        hooks_.showProgress(done, total);
      hooks_.host.ProcessEvents();
      last_ = hooks_.host.Milliseconds();
    }
    return !(hooks_.cancelled && hooks_.cancelled());
  }

private:
  const DuplicateCheckHooks &hooks_;
  std::int64_t last_;
};

// The pairs of items whose keys are equal, in order, listing at most
// kListedDuplicatePairs of them.
DuplicateReport PairsOf(const std::vector<std::string> &keys) {
  std::unordered_map<std::string, std::vector<int>> groups;
  for (int i = 0; i < static_cast<int>(keys.size()); ++i)
    groups[keys[static_cast<std::size_t>(i)]].push_back(i);
  DuplicateReport report;
  for (const auto &[key, items] : groups)
    report.count += items.size() * (items.size() - 1) / 2;
  for (int i = 0; i < static_cast<int>(keys.size()); ++i) {
    const std::vector<int> &items = groups[keys[static_cast<std::size_t>(i)]];
    for (const int j : items) {
      if (j <= i)
        continue;
      if (report.pairs.size() == kListedDuplicatePairs)
        return report;
      report.pairs.push_back({i, j});
    }
  }
  return report;
}

} // namespace

std::string DuplicateKey(const std::string &path, int index) {
  const ViewerPreview preview = PreviewFile(path, PreviewDepth::FirstPuzzle);
  if (!preview.firstComplete || preview.error)
    return std::to_string(index);
  std::string key;
  for (const std::string &row : preview.clueRows)
    key += row;
  return key;
}

std::optional<DuplicateReport> FindDuplicates(const std::vector<std::string> &paths,
                                              const DuplicateCheckHooks &hooks) {
  EventPacer pacer(hooks);
  const int total = static_cast<int>(paths.size());
  std::vector<std::string> keys;
  keys.reserve(paths.size());
  for (int i = 0; i < total; ++i) {
    if (!pacer.KeepGoing(i, total))
      return std::nullopt;
    keys.push_back(DuplicateKey(paths[static_cast<std::size_t>(i)], i));
  }
  if (!pacer.KeepGoing(total, total))
    return std::nullopt;
  return PairsOf(keys);
}

std::string DuplicateSummary(std::size_t count) {
  if (count == 0)
    return base::Sj("重複はありません");
  std::string summary = base::Sj("重複が ") + std::to_string(count) + base::Sj("件あります");
  if (count > kListedDuplicatePairs)
    summary +=
        base::Sj("（最初の") + std::to_string(kListedDuplicatePairs) + base::Sj("件を表示）");
  return summary;
}

std::string DuplicatePairJoint() { return base::Sj(" ＝ "); }

std::string DuplicateSearchingText() { return base::Sj("同じ問題を探しています"); }

} // namespace zenpa::play
