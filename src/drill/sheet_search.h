// Finding worksheet landmarks in the document. Texts are Shift-JIS and are
// matched on character boundaries only, so a trail byte never starts a match.
#pragma once

#include "platform/memo.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace zenpa::drill {

// Byte offset of the first match of needle in line, or npos.
std::size_t FindText(std::string_view line, std::string_view needle);
bool HasText(std::string_view line, std::string_view needle);

// The line nearest `from` that contains needle: first upward from `from` to
// the first line, stopping without result at a line that contains `stop`
// (when stop is not empty); then downward from `from` to the last line.
// `from` is clamped into the document.
std::optional<int> FindNear(const platform::Memo &memo, int from, std::string_view needle,
                            std::string_view stop = {});

// Whether any line from `first` to `last` (both included, clamped into the
// document) contains needle.
bool AnyLineContains(const platform::Memo &memo, int first, int last, std::string_view needle);

// The two bytes at byte offset pos of a line, shorter near its end.
std::string_view TwoBytesAt(std::string_view line, int pos);

} // namespace zenpa::drill
