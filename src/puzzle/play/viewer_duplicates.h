// The duplicate check of the puzzle data viewer: which items of a folder
// hold the same first puzzle. Each item is collected as its first puzzle's
// nine clue rows (162 Shift-JIS bytes), or, when it is no readable puzzle
// file (a folder, a missing or unreadable file, a file with errors or
// without a whole puzzle), as its index, so that it never matches.
//
// The check runs on the caller's thread: between items it lets pending
// events run through the host, at most every kDuplicateEventInterval
// milliseconds of the host's clock, and it ends at once when cancelled.
#pragma once

#include "platform/host.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zenpa::play {

inline constexpr int kDuplicateEventInterval = 20;
// At most this many pairs are listed; the count covers all of them.
inline constexpr std::size_t kListedDuplicatePairs = 1000;

// The key of the item at path, the index-th item of the list.
std::string DuplicateKey(const std::string &path, int index);

struct DuplicatePair {
  int first = 0; // item indexes, first < second
  int second = 0;
  bool operator==(const DuplicatePair &) const = default;
};

struct DuplicateReport {
  std::size_t count = 0;
  std::vector<DuplicatePair> pairs; // ordered by first, then second
};

struct DuplicateCheckHooks {
  platform::Host &host;
  // Shows done of total items before events run.
  std::function<void(int done, int total)> showProgress;
  std::function<bool()> cancelled;
};

// Every pair i < j of equal keys among paths; nullopt when cancelled.
std::optional<DuplicateReport> FindDuplicates(const std::vector<std::string> &paths,
                                              const DuplicateCheckHooks &hooks);

// "重複が N件あります", or "重複はありません" for none; when the list is cut,
// it says that only the first kListedDuplicatePairs are listed.
std::string DuplicateSummary(std::size_t count);
// What joins the two names of a pair: " ＝ ".
std::string DuplicatePairJoint();
// The panel's text while the check runs: "同じ問題を探しています".
std::string DuplicateSearchingText();

} // namespace zenpa::play
