// End-to-end runs of `zenpa print` through the real binary, checking the PDF
// with poppler's pdfinfo (pages, page size) and pdftotext (the text).
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

using zenpa::base::Sj;
using zenpa::testing::CliDir;
using zenpa::testing::CliRun;

// A puzzle-like page: a title, a box-drawing grid and a how-to-play line.
std::vector<std::string> PuzzlePage(int n) {
  return {Sj("　☆ 数独 第") + std::to_string(n) + Sj("問 ☆"),
          Sj("┏━┯━┯━┳━┯━┯━┳━┯━┯━┓"),
          Sj("┃１│　│３┃　│５│　┃７│　│９┃"),
          Sj("┠─┼─┼─╂─┼─┼─╂─┼─┼─┨"),
          Sj("┃　│２│　┃４│　│６┃　│８│　┃"),
          Sj("┗━┷━┷━┻━┷━┷━┻━┷━┷━┛"),
          Sj("吾輩は猫である。名前はまだ無い。")};
}

class PrintCliTest : public ::testing::Test {
protected:
  // Three pages, separated by page-break lines.
  std::string WriteDocument(const std::string &name = "doc.txt",
                            zenpa::base::LineEnd end = zenpa::base::LineEnd::CrLf) {
    std::vector<std::string> lines;
    for (int page = 1; page <= 3; ++page) {
      const auto block = PuzzlePage(page);
      lines.insert(lines.end(), block.begin(), block.end());
      if (page < 3)
        lines.push_back("\f");
    }
    return Write(name, lines, end);
  }
  std::string Write(const std::string &name, const std::vector<std::string> &lines,
                    zenpa::base::LineEnd end = zenpa::base::LineEnd::CrLf) {
    EXPECT_TRUE(zenpa::base::WriteLines(dir_.Path(name), lines, end).ok);
    return dir_.Path(name);
  }
  CliRun Print(const std::string &args) { return dir_.Run("print " + args); }
  std::string Pdf() const { return dir_.Path("out.pdf"); }
  std::string PdfInfo(const std::string &field) {
    const CliRun r = dir_.Command("pdfinfo", Pdf());
    std::smatch m;
    std::regex_search(r.out, m, std::regex(field + ":\\s*([^\\n]*)"));
    return m.size() > 1 ? m[1].str() : "";
  }
  int Pages() { return std::atoi(PdfInfo("Pages").c_str()); }
  std::string Text() { return dir_.Command("pdftotext", "-enc UTF-8 " + Pdf() + " -").out; }

  CliDir dir_;
};

// Documents with LF or lone CR line ends (as other systems keep them) print
// as the same lines and pages.
TEST_F(PrintCliTest, JapaneseDocumentWithGridBecomesExtractablePdf) {
  for (const auto end : {zenpa::base::LineEnd::Lf, zenpa::base::LineEnd::Cr}) {
    ASSERT_EQ(0, Print(WriteDocument("other.txt", end) + " --pdf " + Pdf()).exitCode);
    EXPECT_EQ(3, Pages()) << static_cast<int>(end);
  }
  const CliRun r = Print(WriteDocument() + " --pdf " + Pdf());
  ASSERT_EQ(0, r.exitCode) << r.err;
  EXPECT_EQ(3, Pages());
  EXPECT_EQ(0u, PdfInfo("Page size").find("595 x 842")) << PdfInfo("Page size"); // A4
  const std::string text = Text();
  EXPECT_NE(std::string::npos, text.find("数独 第2問")) << text;
  EXPECT_NE(std::string::npos, text.find("┏━┯━┯━┳━┯━┯━┳━┯━┯━┓")) << text;
  EXPECT_NE(std::string::npos, text.find("吾輩は猫である。")) << text;
}

// The longest run of dark pixels down any one column of page 1, rendered
// at 150 dpi in grey.
int LongestVerticalRun(const std::string &pdf, const CliDir &dir) {
  const std::string stem = dir.Path("page");
  dir.Command("pdftoppm", "-r 150 -gray -f 1 -l 1 " + pdf + " " + stem);
  std::string pgm;
  zenpa::base::ReadFileBytes(stem + "-1.pgm", pgm);
  int w = 0, h = 0, depth = 0, used = 0;
  if (std::sscanf(pgm.c_str(), "P5 %d %d %d%n", &w, &h, &depth, &used) != 3)
    return -1;
  const unsigned char *px = reinterpret_cast<const unsigned char *>(pgm.data()) + used + 1;
  int longest = 0;
  for (int x = 0; x < w; ++x) {
    for (int y = 0, run = 0; y < h; ++y) {
      run = px[y * w + x] < 128 ? run + 1 : 0;
      longest = std::max(longest, run);
    }
  }
  return longest;
}

// A grid of nineteen box-drawing lines prints as unbroken ruled lines: each
// printed line is exactly one character cell of the editor's font high.
TEST_F(PrintCliTest, BoxDrawingGridLinesJoin) {
  std::vector<std::string> grid = {Sj("┏━┯━┯━┳━┯━┯━┳━┯━┯━┓")};
  for (int row = 0; row < 8; ++row) {
    grid.push_back(Sj("┃１│　│３┃　│５│　┃７│　│９┃"));
    grid.push_back(Sj("┠─┼─┼─╂─┼─┼─╂─┼─┼─┨"));
  }
  grid.push_back(Sj("┃１│　│３┃　│５│　┃７│　│９┃"));
  grid.push_back(Sj("┗━┷━┷━┻━┷━┷━┻━┷━┷━┛"));
  ASSERT_EQ(0, Print(Write("grid.txt", grid) + " --pdf " + Pdf()).exitCode);
  const int linePitch = 12 * 150 / 72; // 12 points at 150 dpi
  const int gridHeight = (static_cast<int>(grid.size()) - 1) * linePitch;
  EXPECT_GE(LongestVerticalRun(Pdf(), dir_), gridHeight * 9 / 10);
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
    const CliRun r = Print(doc + " --pdf " + Pdf() + " " + c.options);
    ASSERT_EQ(0, r.exitCode) << c.options << ": " << r.err;
    EXPECT_EQ(c.pages, Pages()) << c.options;
  }
}

TEST_F(PrintCliTest, CompanionFormatFileIsApplied) {
  const std::string doc = WriteDocument("paper.txt");
  // Landscape A4, three lines per page, marks on: the mark line prints nothing.
  Write("paper.zpf",
        {Sj("※書式ファイル - test"), Sj("3,頁行数"), Sj("2,用紙の向き　　　　1.縦　　2.横"),
         Sj("1,文字拡縮マーク　　1.有効　0.無効")});
  std::vector<std::string> lines = {"p++ " + Sj("大きな文字"), Sj("本文")};
  const std::string marked = Write("marked.txt", lines);
  Write("marked.zpf", {Sj("※書式"), Sj("1,文字拡縮マーク　　1.有効　0.無効")});

  ASSERT_EQ(0, Print(doc + " --pdf " + Pdf()).exitCode);
  EXPECT_EQ(0u, PdfInfo("Page size").find("842 x 595")) << PdfInfo("Page size");
  EXPECT_EQ(9, Pages()); // each seven-line block takes three pages

  ASSERT_EQ(0, Print(marked + " --pdf " + Pdf()).exitCode);
  const std::string text = Text();
  EXPECT_EQ(std::string::npos, text.find("p++")) << text;
  EXPECT_NE(std::string::npos, text.find("本文")) << text;
}

// The document's own format file that is a folder or a FIFO is named with
// the reason and the print goes on with the default layout (a FIFO is never
// opened, so nothing waits on it); one that stops at a bad line fails with the
// message on two real lines.
TEST_F(PrintCliTest, CompanionFormatFileFaultsAreNamed) {
  const std::string doc = WriteDocument();
  const std::string zpf = dir_.Path("doc.zpf");
  std::filesystem::create_directory(zpf);
  const CliRun folder = Print(doc + " --pdf " + Pdf());
  EXPECT_EQ(0, folder.exitCode);
  EXPECT_EQ("zenpa print: cannot read the format file " + zpf +
                ": Is a directory; printing with the default layout\n",
            folder.err);
  std::filesystem::remove(zpf);
  ASSERT_EQ(0, ::mkfifo(zpf.c_str(), 0600));
  const CliRun fifo = dir_.Command("timeout", "20 " + std::string(ZENPA_BINARY) + " print " + doc +
                                                  " --pdf " + Pdf());
  EXPECT_EQ(0, fifo.exitCode);
  EXPECT_EQ("zenpa print: cannot read the format file " + zpf +
                ": not a regular file; printing with the default layout\n",
            fifo.err);
  EXPECT_EQ(3, Pages());

  std::filesystem::remove(zpf);
  Write("doc.zpf", {Sj("※書式"), Sj("abc,頁行数")});
  const CliRun stopped = Print(doc + " --pdf " + Pdf());
  EXPECT_EQ(1, stopped.exitCode);
  EXPECT_EQ("zenpa print: " + zpf +
                " line 2: 書式ファイルの2行目が読めないため、読み込みを中止しました。\n\"abc\" "
                "は数値ではありません。\n",
            stopped.err);
}

TEST_F(PrintCliTest, ErrorsExitNonZeroWithAMessage) {
  const std::string doc = WriteDocument();
  const CliRun range = Print(doc + " --pdf " + Pdf() + " --pages 5-6");
  EXPECT_EQ(1, range.exitCode);
  EXPECT_NE(std::string::npos, range.err.find("印刷頁エラー")) << range.err;
  EXPECT_FALSE(dir_.Exists("out.pdf"));

  const CliRun missing = Print(dir_.Path("none.txt") + " --pdf " + Pdf());
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
}

// A PDF that cannot be finished (the file-size limit stands for a full disk)
// leaves the previous file as it was and fails naming the file.
TEST_F(PrintCliTest, UnfinishedPdfKeepsThePreviousFile) {
  const std::string doc = WriteDocument();
  const std::string old = "%PDF-1.4 the previous good file\n%%EOF\n";
  ASSERT_TRUE(zenpa::base::WriteFileAtomic(Pdf(), old).ok);
  const CliRun r = dir_.Command("sh", "-c 'ulimit -f 4; exec " + std::string(ZENPA_BINARY) +
                                          " print " + doc + " --pdf " + Pdf() + "'");
  EXPECT_EQ(1, r.exitCode) << r.err;
  EXPECT_NE(std::string::npos, r.err.find(Pdf())) << r.err;
  std::string kept;
  zenpa::base::ReadFileBytes(Pdf(), kept);
  EXPECT_EQ(old, kept);
  EXPECT_EQ(std::string::npos, r.out.find("sheets")) << r.out;
}

TEST_F(PrintCliTest, EmptyAndHugeDocuments) {
  const std::string empty = Write("empty.txt", {});
  ASSERT_EQ(0, Print(empty + " --pdf " + Pdf()).exitCode);
  EXPECT_EQ(1, Pages());

  // With --no-wrap, lines of 10,000 bytes are cut at the paper edge, and told.
  std::vector<std::string> wide(100, std::string(10000, 'x'));
  wide.insert(wide.begin(), Sj("最初の行"));
  const CliRun r = Print(Write("wide.txt", wide) + " --pdf " + Pdf() + " --pages 2-3 --no-wrap");
  ASSERT_EQ(0, r.exitCode) << r.err;
  EXPECT_EQ(1, Pages()); // 101 lines at 65 a page
  EXPECT_EQ(std::string::npos, Text().find("最初の行"));
  EXPECT_EQ("zenpa print: 100 lines wider than the paper were cut at its right edge\n"
            "zenpa print: 用紙の横幅を越えました。\n",
            r.err);
}

// By default lines wider than the paper are wrapped: every character of a
// long Japanese text reaches the PDF.
TEST_F(PrintCliTest, WideLinesAreWrappedWhole) {
  std::vector<std::string> lines;
  std::string all;
  for (int i = 0; i < 40; ++i) {
    std::string line = Sj("第") + std::to_string(i) + Sj("行、");
    for (int k = 0; k < 12; ++k)
      line += Sj("吾輩は猫である") + std::to_string(k) + "abc";
    lines.push_back(line);
    all += zenpa::base::SjisToUtf8(line);
  }
  const CliRun r = Print(Write("novel.txt", lines) + " --pdf " + Pdf());
  ASSERT_EQ(0, r.exitCode) << r.err;
  EXPECT_EQ("zenpa print: 40 lines wider than the paper were wrapped\n", r.err);
  std::string text = Text();
  std::erase_if(text, [](char c) { return c == ' ' || c == '\n' || c == '\f'; });
  EXPECT_EQ(all, text);
}

} // namespace
