#include "cli/sudoku_convert_command.h"

#include "base/file_io.h"
#include "base/paths.h"
#include "base/sjis.h"
#include "cli/option_values.h"
#include "cli/stderr_host.h"
#include "cli/sudoku_batch.h"
#include "platform/text_memo.h"
#include "puzzle/play/conversion.h"
#include "puzzle/play/puzzle_file_reader.h"
#include "puzzle/play/puzzle_file_writer.h"
#include "settings/print_format.h"

#include <cctype>
#include <cstdio>
#include <optional>
#include <sstream>

namespace zenpa::cli {
namespace {

struct ConvertOptions {
  std::optional<play::ConversionForm> form;
  bool utf8 = false;
  std::optional<std::string> file;
};

void PrintUsage(std::FILE *to) {
  std::fprintf(to,
               "Usage: zenpa sudoku convert --to 9x9|9x9S|9x9C|1gyo|csv|tab|url|url2 "
               "[--utf8] [FILE]\n"
               "       zenpa sudoku import [--utf8] [FILE]\n"
               "convert: puzzles as lines of 81 characters, a document holding grids, or a\n"
               "         puzzle file (.nbp, .nbc, .csv), written in the chosen form.\n"
               "import:  pasted rows or a puzzle address, written as the document's grid text.\n"
               "Without FILE the text comes from standard input. Text is Shift-JIS with\n"
               "CR LF line ends, or UTF-8 with LF with --utf8.\n");
}

constexpr std::string_view kCommand = "zenpa sudoku convert";
constexpr std::string_view kForms = "9x9, 9x9S, 9x9C, 1gyo, csv, tab, url, url2";

// Reads the options; false, with a message, on a usage error.
bool ParseOptions(const Args &args, ConvertOptions &options) {
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string &arg = args[i];
    if (arg == "--utf8") {
      options.utf8 = true;
    } else if (arg == "--to" && args[0] == "convert") {
      const auto name = TakeChoice(kCommand, args, i, kForms);
      if (!name)
        return false;
      options.form = play::FormOfName(*name);
    } else if (arg.size() > 1 && arg[0] == '-') {
      UnknownOption(kCommand, arg);
      return false;
    } else if (options.file) {
      Complain(kCommand, "more than one file: " + arg);
      return false;
    } else {
      options.file = arg;
    }
  }
  if (args[0] == "convert" && !options.form)
    Complain(kCommand, "--to is needed");
  return args[0] == "import" || options.form.has_value();
}

// The input; nullopt, with a message, when it cannot be read or holds a line
// too long to be part of a puzzle.
std::optional<std::string> ReadInput(const ConvertOptions &options) {
  const WholeInput input = ReadWholeInput(options.file.value_or("-"));
  if (!input.error.empty()) {
    std::fprintf(stderr, "zenpa sudoku: %s\n", input.error.c_str());
    return std::nullopt;
  }
  return options.utf8 ? base::Utf8ToSjis(input.bytes) : input.bytes;
}

// Shift-JIS text as it is, or as UTF-8 with LF line ends (line by line, since
// the codec keeps a CR or LF inside a line as a raw byte).
bool Write(const ConvertOptions &options, const std::string &sjis, StandardOutput &out) {
  std::string text = sjis;
  if (options.utf8) {
    text.clear();
    std::size_t start = 0;
    for (std::size_t end; (end = sjis.find("\r\n", start)) != std::string::npos; start = end + 2)
      text += base::SjisToUtf8(sjis.substr(start, end - start)) + "\n";
    text += base::SjisToUtf8(sjis.substr(start));
  }
  return out.Write(text);
}

// Lines ending in LF or CR LF.
std::vector<std::string> TextLines(const std::string &text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// A puzzle file by its name: ".nbp", ".nbc" or a CSV extension.
bool IsPuzzleFileName(const std::optional<std::string> &file) {
  if (!file)
    return false;
  std::string ext = base::ExtractFileExt(*file);
  for (char &c : ext)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext == ".nbp" || ext == ".nbc" || play::DialectOfFile(*file) == play::PuzzleDialect::Csv;
}

void ComplainSjis(const std::string &sjisText) {
  std::fprintf(stderr, "zenpa sudoku: %s\n", MessageUtf8(sjisText).c_str());
}

// The grids of a puzzle file, read as the load command reads them; an
// unfinished last grid or unreadable cells are reported.
bool PuzzleFileGrids(const std::string &name, const std::vector<std::string> &lines,
                     std::vector<play::GridDigits> &grids) {
  const play::PuzzleFileContent content = play::ReadPuzzleLines(lines, play::DialectOfFile(name));
  for (const play::ReadGrid &grid : content.grids)
    grids.push_back(grid.givens);
  if (content.leftoverRows > 0)
    ComplainSjis(play::MissingDataMessage());
  if (content.unreadableCells)
    ComplainSjis(play::DataErrorMessage());
  return content.leftoverRows == 0 && !content.unreadableCells;
}

// The grids of the text: the grids drawn in it, else those of a puzzle file,
// else its puzzle lines.
bool GridsOf(const ConvertOptions &options, const std::string &text,
             std::vector<play::GridDigits> &grids) {
  const std::vector<std::string> lines = TextLines(text);
  grids = play::ScanGrids(platform::TextMemo(lines));
  if (!grids.empty())
    return true;
  if (IsPuzzleFileName(options.file))
    return PuzzleFileGrids(*options.file, lines, grids);
  bool ok = true;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::size_t first = lines[i].find_first_not_of(" \t");
    if (first == std::string::npos || lines[i][first] == '#')
      continue;
    const PuzzleLine line = ParsePuzzleLine(lines[i]);
    if (line.error.empty()) {
      grids.push_back(line.digits);
      continue;
    }
    std::fprintf(stderr, "zenpa sudoku convert: line %zu: %s\n", i + 1, line.error.c_str());
    ok = false;
  }
  return ok;
}

int Convert(const ConvertOptions &options, const std::string &text, StandardOutput &out) {
  std::vector<play::GridDigits> grids;
  const bool ok = GridsOf(options, text, grids);
  const play::AddressEndpoints endpoints;
  const bool oneLine = *options.form == play::ConversionForm::OneLine ||
                       *options.form == play::ConversionForm::Address ||
                       *options.form == play::ConversionForm::Address2;
  for (std::size_t i = 0; i < grids.size(); ++i) {
    std::string line = play::ConvertDigits(grids[i], *options.form, endpoints);
    if (oneLine || i + 1 < grids.size())
      line += "\r\n"; // one line per puzzle; an empty line between grids
    if (!Write(options, line, out))
      return 1;
  }
  if (grids.empty())
    std::fprintf(stderr, "zenpa sudoku convert: no puzzle found\n");
  return ok && !grids.empty() ? 0 : 1;
}

int Import(const ConvertOptions &options, const std::string &text, StandardOutput &out) {
  platform::TextMemo memo;
  StderrHost host("zenpa sudoku: ");
  const settings::PrintFormat format;
  play::PuzzleBlockWriter writer(memo, format);
  play::ImportContext ctx{memo, host, writer, false, format.insertionPlace};
  play::ImportGrid(ctx, text);
  const bool written = Write(options, base::JoinLines(memo.Lines()), out);
  return written && host.MessagesShown() == 0 ? 0 : 1;
}

} // namespace

int RunSudokuConvert(const Args &args, StandardOutput &out) {
  if (args.size() > 1 && (args[1] == "--help" || args[1] == "-h")) {
    PrintUsage(stdout);
    return 0;
  }
  ConvertOptions options;
  if (!ParseOptions(args, options)) {
    PrintUsage(stderr);
    return 2;
  }
  const std::optional<std::string> text = ReadInput(options);
  if (!text)
    return 1;
  return args[0] == "import" ? Import(options, *text, out) : Convert(options, *text, out);
}

} // namespace zenpa::cli
