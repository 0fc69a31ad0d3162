// End-to-end runs of `zenpa print` through the real binary, checking the PDF
// with poppler's pdfinfo (pages, page size), pdftotext (the text) and
// pdftoppm (the picture).
#include "base/file_io.h"
#include "base/sjis.h"
#include "cli/support/cli_run.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

namespace {

using zenpa::base::LineEnd;
using zenpa::base::Sj;
using zenpa::testing::CliRun;

const std::string kTop = Sj("┏━┯━┯━┳━┯━┯━┳━┯━┯━┓");
const std::string kRow = Sj("┃１│　│３┃　│５│　┃７│　│９┃");
const std::string kRule = Sj("┠─┼─┼─╂─┼─┼─╂─┼─┼─┨");
const std::string kBottom = Sj("┗━┷━┷━┻━┷━┷━┻━┷━┷━┛");

class PrintCliTest : public ::testing::Test {
protected:
  // Three puzzle-like pages of seven lines (a title, a box-drawing grid and
  // a how-to-play line), separated by page-break lines.
  std::string WriteDocument(const std::string &name = "doc.txt", LineEnd end = LineEnd::CrLf) {
    std::vector<std::string> lines;
    for (int page = 1; page <= 3; ++page) {
      const std::vector<std::string> block = {Sj("　☆ 数独 第") + std::to_string(page) + Sj("問 ☆"),
                                              kTop,
                                              kRow,
                                              kRule,
                                              kRow,
                                              kBottom,
                                              Sj("吾輩は猫である。名前はまだ無い。")};
      lines.insert(lines.end(), block.begin(), block.end());
      if (page < 3)
        lines.push_back("\f");
    }
    return Write(name, lines, end);
  }
  std::string Write(const std::string &name, const std::vector<std::string> &lines,
                    LineEnd end = LineEnd::CrLf) {
    EXPECT_TRUE(zenpa::base::WriteLines(dir_.Path(name), lines, end).ok);
    return dir_.Path(name);
  }
  CliRun Print(const std::string &args) { return dir_.Run("print " + args); }
  // Prints the file to out.pdf with the options.
  CliRun ToPdf(const std::string &file, const std::string &options = "") {
    return Print(file + " --pdf " + Pdf() + " " + options);
  }
  std::string Pdf() const { return dir_.Path("out.pdf"); }
  std::string PdfInfo(const std::string &field) {
    const CliRun r = dir_.Command("pdfinfo", Pdf());
    std::smatch m;
    std::regex_search(r.out, m, std::regex(field + ":\\s*([^\\n]*)"));
    return m.size() > 1 ? m[1].str() : "";
  }
  int Pages() { return std::atoi(PdfInfo("Pages").c_str()); }
  std::string Text() { return dir_.Command("pdftotext", "-enc UTF-8 " + Pdf() + " -").out; }
  bool HasText(const std::string &utf8) { return Text().find(utf8) != std::string::npos; }

  // The longest run of dark pixels down any one column of page 1, rendered
  // at 150 dpi in grey.
  int LongestVerticalRun() {
    dir_.Command("pdftoppm", "-r 150 -gray -f 1 -l 1 " + Pdf() + " " + dir_.Path("page"));
    const std::string pgm = dir_.Read("page-1.pgm");
    int w = 0, h = 0, depth = 0, used = 0;
    if (std::sscanf(pgm.c_str(), "P5 %d %d %d%n", &w, &h, &depth, &used) != 3)
      return -1;
    const auto *px = reinterpret_cast<const unsigned char *>(pgm.data()) + used + 1;
    int longest = 0;
    for (int x = 0; x < w; ++x) {
      for (int y = 0, run = 0; y < h; ++y) {
        run = px[y * w + x] < 128 ? run + 1 : 0;
        longest = std::max(longest, run);
      }
    }
    return longest;
  }

  zenpa::testing::CliDir dir_;
};

// Documents with CR LF, LF or lone CR line ends (as other systems keep
// them) print as the same A4 pages with the text extractable; the grid
// prints as unbroken ruled lines: each printed line is exactly one character
// cell of the editor's font high.
TEST_F(PrintCliTest, JapaneseDocumentWithGridBecomesExtractablePdf) {
  for (const auto end : {LineEnd::Lf, LineEnd::Cr, LineEnd::CrLf}) {
    const CliRun r = ToPdf(WriteDocument("doc.txt", end));
    ASSERT_EQ(0, r.exitCode) << r.err;
    EXPECT_EQ(3, Pages()) << static_cast<int>(end);
  }
  EXPECT_EQ(0u, PdfInfo("Page size").find("595 x 842")) << PdfInfo("Page size"); // A4
  EXPECT_TRUE(HasText("数独 第2問")) << Text();
  EXPECT_TRUE(HasText("┏━┯━┯━┳━┯━┯━┳━┯━┯━┓")) << Text();
  EXPECT_TRUE(HasText("吾輩は猫である。")) << Text();
  const int linePitch = 12 * 150 / 72; // 12 points at 150 dpi
  EXPECT_GE(LongestVerticalRun(), 4 * linePitch * 9 / 10);
}

TEST_F(PrintCliTest, PageRangesPassesAndCopies) {
  const std::string doc = WriteDocument();
  const struct {
    std::string options;
    int pages;
  } cases[] = {{"--pages 2-3", 2}, {"--pages 2", 1}, {"--pages 2-", 2},
               {"--odd", 2},       {"--even", 1},    {"--copies 2 --pages 1-2", 4},
               {"--pages 2-9", 2}};
  for (const auto &c : cases) {
    const CliRun r = ToPdf(doc, c.options);
    ASSERT_EQ(0, r.exitCode) << c.options << ": " << r.err;
    EXPECT_EQ(c.pages, Pages()) << c.options;
  }
}

// The document's own format file is applied: landscape A4 with three lines
// a page.
TEST_F(PrintCliTest, CompanionFormatFileIsApplied) {
  const std::string doc = WriteDocument("paper.txt");
  Write("paper.zpf",
        {Sj("※書式ファイル - test"), Sj("3,頁行数"), Sj("2,用紙の向き　　　　1.縦　　2.横"),
         Sj("1,文字拡縮マーク　　1.有効　0.無効")});
  ASSERT_EQ(0, ToPdf(doc).exitCode);
  EXPECT_EQ(0u, PdfInfo("Page size").find("842 x 595")) << PdfInfo("Page size");
  EXPECT_EQ(9, Pages()); // each seven-line block takes three pages
}

// The document's own format file that is a folder or a FIFO is named with
// the reason and the print goes on with the default layout (a FIFO is never
// opened, so nothing waits on it); one that stops at a bad line fails with the
// message on two real lines.
TEST_F(PrintCliTest, CompanionFormatFileFaultsAreNamed) {
  const std::string doc = WriteDocument();
  const std::string zpf = dir_.Path("doc.zpf");
  const std::string said = "zenpa print: cannot read the format file " + zpf + ": ";
  std::filesystem::create_directory(zpf);
  const CliRun folder = ToPdf(doc);
  EXPECT_EQ(0, folder.exitCode);
  EXPECT_EQ(said + "Is a directory; printing with the default layout\n", folder.err);
  std::filesystem::remove(zpf);
  ASSERT_EQ(0, ::mkfifo(zpf.c_str(), 0600));
  const CliRun fifo = dir_.Command("timeout", "20 " + std::string(ZENPA_BINARY) + " print " + doc +
                                                  " --pdf " + Pdf());
  EXPECT_EQ(0, fifo.exitCode);
  EXPECT_EQ(said + "not a regular file; printing with the default layout\n", fifo.err);
  EXPECT_EQ(3, Pages());

  std::filesystem::remove(zpf);
  Write("doc.zpf", {Sj("※書式"), Sj("abc,頁行数")});
  const CliRun stopped = ToPdf(doc);
  EXPECT_EQ(1, stopped.exitCode);
  EXPECT_EQ("zenpa print: " + zpf +
                " line 2: 書式ファイルの2行目が読めないため、読み込みを中止しました。\n\"abc\" "
                "は数値ではありません。\n",
            stopped.err);
}

// A range past the end, a missing document, an unwritable PDF, a missing
// format file and bad usage exit non-zero with a message; a PDF that cannot
// be finished (the file-size limit stands for a full disk) leaves the
// previous file as it was and fails naming the file.
TEST_F(PrintCliTest, ErrorsExitNonZeroWithAMessage) {
  const std::string doc = WriteDocument();
  const CliRun range = ToPdf(doc, "--pages 5-6");
  EXPECT_EQ(1, range.exitCode);
  EXPECT_NE(std::string::npos, range.err.find("印刷頁エラー")) << range.err;
  EXPECT_FALSE(dir_.Exists("out.pdf"));

  const CliRun missing = ToPdf(dir_.Path("none.txt"));
  EXPECT_EQ(1, missing.exitCode);
  EXPECT_EQ("zenpa print: cannot read " + dir_.Path("none.txt") + ": No such file or directory\n",
            missing.err);

  // The path and the reason, on one line of its own (no notes of the toolkit);
  // the English note is a sentence of its own.
  const std::string folderless = dir_.Path("no/such/out.pdf");
  const CliRun unwritable = Print(doc + " --pdf " + folderless);
  EXPECT_EQ(1, unwritable.exitCode);
  EXPECT_EQ("zenpa print: 「" + folderless +
                "」を書き込めませんでした。（ファイルまたはフォルダーがありません）\n"
                "zenpa print: the document has 3 pages\n",
            unwritable.err);

  const CliRun format = Print(doc + " --format " + dir_.Path("none.zpf"));
  EXPECT_EQ(1, format.exitCode);
  EXPECT_NE(std::string::npos, format.err.find("format file")) << format.err;

  for (const std::string bad : {"--pages x", "--pages 3-1", "--copies 0", "--pdf", ""}) {
    const CliRun r = Print(bad.empty() ? "" : doc + " " + bad);
    EXPECT_EQ(2, r.exitCode) << bad;
    EXPECT_NE(std::string::npos, r.err.find("Usage")) << bad;
  }

  const std::string old = "%PDF-1.4 the previous good file\n%%EOF\n";
  ASSERT_TRUE(zenpa::base::WriteFileAtomic(Pdf(), old).ok);
  const CliRun r = dir_.Shell("ulimit -f 4; exec " + std::string(ZENPA_BINARY) + " print " + doc +
                              " --pdf " + Pdf());
  EXPECT_EQ(1, r.exitCode) << r.err;
  EXPECT_NE(std::string::npos, r.err.find(Pdf())) << r.err;
  EXPECT_EQ(old, dir_.Read("out.pdf"));
  EXPECT_EQ(std::string::npos, r.out.find("sheets")) << r.out;
}

// An empty document prints one page. With --no-wrap, lines of 10,000 bytes
// are cut at the paper edge, and told; by default lines wider than the
// paper are wrapped and every character of a long Japanese text reaches
// the PDF.
TEST_F(PrintCliTest, EmptyHugeAndWideDocuments) {
  ASSERT_EQ(0, ToPdf(Write("empty.txt", {})).exitCode);
  EXPECT_EQ(1, Pages());

  std::vector<std::string> wide(100, std::string(10000, 'x'));
  wide.insert(wide.begin(), Sj("最初の行"));
  const CliRun cut = ToPdf(Write("wide.txt", wide), "--pages 2-3 --no-wrap");
  ASSERT_EQ(0, cut.exitCode) << cut.err;
  EXPECT_EQ(1, Pages()); // 101 lines at 65 a page
  EXPECT_FALSE(HasText("最初の行"));
  EXPECT_EQ("zenpa print: 100 lines wider than the paper were cut at its right edge\n"
            "zenpa print: 用紙の横幅を越えました。\n",
            cut.err);

  std::string line;
  for (int k = 0; k < 12; ++k)
    line += Sj("吾輩は猫である") + std::to_string(k) + "abc";
  std::string all;
  for (int i = 0; i < 40; ++i)
    all += zenpa::base::SjisToUtf8(line);
  const CliRun wrapped = ToPdf(Write("novel.txt", std::vector<std::string>(40, line)));
  ASSERT_EQ(0, wrapped.exitCode) << wrapped.err;
  EXPECT_EQ("zenpa print: 40 lines wider than the paper were wrapped\n", wrapped.err);
  std::string text = Text();
  std::erase_if(text, [](char c) { return c == ' ' || c == '\n' || c == '\f'; });
  EXPECT_EQ(all, text);
}

} // namespace
