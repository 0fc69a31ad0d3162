// Finding a pattern in Shift-JIS text, byte by byte.
//
// A match always starts on a character boundary, never on the second byte
// of a double-byte character (characters are walked from the start of the
// line with base::CharLen). Without the match-case option both the text and
// the pattern are compared in upper case (editor/letter_case.h); with it they
// are compared as they are. Any bytes are a valid pattern; an empty pattern
// or one longer than the text never matches.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zenpa::editor {

struct SearchOptions {
  bool matchCase = false;
};

class TextFinder {
public:
  static constexpr std::size_t npos = std::string_view::npos;

  TextFinder(std::string_view pattern, SearchOptions options);

  bool Empty() const { return pattern_.empty(); }
  // Length of a match in bytes (case folding keeps byte lengths).
  std::size_t Length() const { return pattern_.size(); }

  // Byte offset of the first match in text that starts at or after from,
  // or npos. A from inside a double-byte character starts after it.
  std::size_t FindIn(std::string_view text, std::size_t from = 0) const;

  // Offsets of the matches from left to right, each starting after the end
  // of the one before (the occurrences a replace-all replaces).
  std::vector<std::size_t> AllIn(std::string_view text) const;

  // True when text as a whole is the pattern (under the options).
  bool Matches(std::string_view text) const;

private:
  std::size_t FindOnBoundary(std::string_view text, std::size_t from, std::size_t &boundary) const;

  std::string pattern_; // upper-cased when folding
  bool fold_ = false;   // the text must be upper-cased before comparing
};

} // namespace zenpa::editor
