#include "editor/text_search.h"

#include "base/sjis.h"
#include "editor/letter_case.h"

namespace zenpa::editor {

// Without the match-case option the text only needs folding when the
// pattern holds a letter with a case partner: any other character can only
// match itself.
TextFinder::TextFinder(std::string_view pattern, SearchOptions options)
    : pattern_(options.matchCase ? std::string(pattern) : AnsiUpperCase(pattern)),
      fold_(!options.matchCase && HasCasedLetter(pattern_)) {}

// Folding keeps every character's length and the class of its first byte,
// so the character boundaries of the folded text are those of the text.
// boundary is a character boundary at or before from; it moves forward.
std::size_t TextFinder::FindOnBoundary(std::string_view text, std::size_t from,
                                       std::size_t &boundary) const {
  for (std::size_t at = from;;) {
    const std::size_t hit = text.find(pattern_, at);
    if (hit == npos)
      return npos;
    while (boundary < hit)
      boundary += base::CharLen(text, boundary);
    if (boundary == hit)
      return hit;
    at = hit + 1;
  }
}

std::size_t TextFinder::FindIn(std::string_view text, std::size_t from) const {
  if (pattern_.empty() || from > text.size() || pattern_.size() > text.size() - from)
    return npos;
  std::size_t boundary = 0;
  if (!fold_)
    return FindOnBoundary(text, from, boundary);
  std::string upper(text);
  UpperCaseInPlace(upper);
  return FindOnBoundary(upper, from, boundary);
}

std::vector<std::size_t> TextFinder::AllIn(std::string_view text) const {
  std::vector<std::size_t> hits;
  if (pattern_.empty() || pattern_.size() > text.size())
    return hits;
  std::string upper;
  if (fold_) {
    upper = text;
    UpperCaseInPlace(upper);
    text = upper;
  }
  std::size_t boundary = 0;
  for (std::size_t at = FindOnBoundary(text, 0, boundary); at != npos;
       at = FindOnBoundary(text, at + pattern_.size(), boundary))
    hits.push_back(at);
  return hits;
}

bool TextFinder::Matches(std::string_view text) const {
  if (text.size() != pattern_.size())
    return false;
  if (!fold_)
    return text == pattern_;
  std::string upper(text);
  UpperCaseInPlace(upper);
  return upper == pattern_;
}

} // namespace zenpa::editor
