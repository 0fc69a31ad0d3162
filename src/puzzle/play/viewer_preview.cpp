#include "puzzle/play/viewer_preview.h"

#include "base/digits.h"
#include "base/file_io.h"
#include "base/paths.h"
#include "base/sjis.h"
#include "puzzle/play/pattern_text.h"
#include "puzzle/play/puzzle_file_reader.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>

namespace zenpa::play {
namespace {

// A raw line cut to kRawLineBytes without splitting a double-byte character.
std::string RawLine(std::string_view line) {
  std::size_t end = 0;
  while (end < line.size() && end + base::CharLen(line, end) <= kRawLineBytes)
    end += base::CharLen(line, end);
  return std::string(line.substr(0, end));
}

struct FileCloser {
  void operator()(std::FILE *f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Feeds the lines of a file (ending in CR LF, LF or CR) to builder, reading
// at most kPreviewByteLimit bytes, and stops early once stop() holds. True
// when the file goes on beyond what was read.
template <class Stop> bool FeedLines(std::FILE *f, PreviewBuilder &builder, Stop stop) {
  std::string carry;
  std::size_t total = 0;
  char chunk[16384];
  while (total < kPreviewByteLimit) {
    const std::size_t n =
        std::fread(chunk, 1, std::min(sizeof chunk, kPreviewByteLimit - total), f);
    if (n == 0)
      break;
    total += n;
    // Only the new bytes are searched, and a CR held back from the last chunk.
    std::size_t start = 0;
    const std::size_t from = carry.empty() ? 0 : carry.size() - 1;
    carry.append(chunk, n);
    // A CR at the end of the carry may be the first half of a CR LF: it
    // waits for the next chunk.
    for (std::size_t end = carry.find_first_of("\r\n", from);
         end != std::string::npos && end + 1 < carry.size();
         end = carry.find_first_of("\r\n", start)) {
      builder.AddLine(std::string_view(carry).substr(start, end - start));
      start = end + (carry.compare(end, 2, "\r\n") == 0 ? 2 : 1);
      if (stop())
        return true;
    }
    carry.erase(0, start);
  }
  const bool more = std::fgetc(f) != EOF;
  if (more)
    return true; // the last part of a line that goes on is no line
  for (const std::string &line : SplitFileLines(carry)) {
    builder.AddLine(line);
    if (stop())
      break;
  }
  return false;
}

} // namespace

void PreviewBuilder::AddLine(std::string_view line) {
  if (!preview_.firstComplete && static_cast<int>(preview_.rawLines.size()) < kRawPreviewLines)
    preview_.rawLines.push_back(RawLine(line));
  if (line.starts_with("C=") || line.starts_with("T="))
    return;
  if (line.starts_with("A=")) {
    preview_.hasAnswer = preview_.hasAnswer || preview_.puzzles > 0;
    return;
  }
  if (line.size() < 8 || HasDoubleByteChar(line))
    return;
  if (kind_ == "CSV" || line.find('\t') != std::string_view::npos)
    AddRow(RebuildSeparatedRow(line));
  else
    AddRow(line);
}

void PreviewBuilder::AddRow(std::string_view row) {
  const std::optional<std::array<int, 9>> cells = ReadCandidateRow(row);
  if (!cells)
    return;
  const bool first = preview_.puzzles == 0;
  for (const int cell : *cells) {
    preview_.error = preview_.error || cell == kUnreadableCell;
    clues_ += cell > 0 ? 1 : 0;
    if (!first)
      continue;
    preview_.clueRows[static_cast<std::size_t>(row_)] += base::zenkaku(cell == 0 ? 10 : cell);
    preview_.openRows[static_cast<std::size_t>(row_)] += base::Sj(cell == 0 ? "・" : "　");
  }
  if (++row_ < 9)
    return;
  ++preview_.puzzles;
  if (first) {
    preview_.firstComplete = true;
    preview_.firstClues = clues_;
  } else if (clues_ == 81) {
    preview_.hasAnswer = true;
  }
  row_ = 0;
  clues_ = 0;
}

std::string PreviewKind(const std::string &path) {
  std::string ext = base::ExtractFileExt(base::ExtractFileName(path));
  ext = ext.empty() ? ext : ext.substr(1, 3);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return ext;
}

ViewerPreview PreviewFile(const std::string &path, PreviewDepth depth) {
  PreviewBuilder builder(PreviewKind(path));
  // Only regular files are opened: a pipe or a device could block forever.
  if (!base::FileExists(path))
    return builder.Result();
  const File file(std::fopen(path.c_str(), "rb"));
  if (!file)
    return builder.Result();
  const bool cut = FeedLines(file.get(), builder, [&] {
    return depth == PreviewDepth::FirstPuzzle && builder.Result().firstComplete;
  });
  ViewerPreview preview = builder.Result();
  preview.cut = cut;
  return preview;
}

std::string CluesText(const ViewerPreview &preview) {
  return preview.firstComplete ? std::to_string(preview.firstClues) + "clues" : std::string();
}

std::string PageText(const ViewerPreview &preview) {
  const std::string pages = std::to_string(preview.puzzles) + "page";
  if (!preview.cut)
    return pages;
  return pages + base::Sj("以上（先頭") + std::to_string(kPreviewByteLimit >> 20) + "MB" +
         base::Sj("を表示）");
}

} // namespace zenpa::play
