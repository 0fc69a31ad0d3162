#include "settings/print_format.h"

#include "base/sjis.h"
#include "base/units.h"

#include <algorithm>

namespace zenpa::settings {

namespace {

// The puzzle title and how-to-play text a fresh program starts with.
constexpr const char *kDefaultTitle = "　　☆☆　★ ＳＵＤＯＫＵ ★　☆☆";
constexpr const char *kDefaultHowToPlay[kHowToPlaySlotCount - 1] = {
    "　遊び方",
    "　★表の中の数字をヒントにして、全部",
    "　　のマスに数字が入ればできあがり。",
    "　・たての列、よこの列、太線でかこん",
    "　　だ３×３のブロックのいずれにも、",
    "　　１～９の数字が一つずつ入ります。",
    "　・同じ列や同じブロックの中に、同じ",
    "　　数字が二つ入ってはいけません。",
};

constexpr const char *kDefaultFont = "ＭＳ ゴシック";
constexpr const char *kDefaultNoPairChars = "･+-=* <>｢｣()[]{}";

constexpr int kStartTopMarginMm = 15;
constexpr int kStartLeftMarginMm = 23;

} // namespace

PuzzleOptions::PuzzleOptions() : title(base::Sj(kDefaultTitle)) {
  for (int i = 0; i < kHowToPlaySlotCount - 1; ++i) {
    howToPlay[i] = base::Sj(kDefaultHowToPlay[i]);
  }
  howToPlay[kHowToPlaySlotCount - 1] = std::string(1, kFormFeed);
}

PrintFormat::PrintFormat()
    : fontName(base::Sj(kDefaultFont)), noPairChars(base::Sj(kDefaultNoPairChars)) {}

int MaxEditorWidth(int windowWidth, const FormatEnvironment &env) {
  return windowWidth - env.windowFrame - 5;
}

PrintFormat StartFormat(const FormatEnvironment &env) {
  PrintFormat format;
  format.topMargin = std::max(base::MmToPix(kStartTopMarginMm, env.dpi), env.offsetTop);
  format.leftMargin = std::max(base::MmToPix(kStartLeftMarginMm, env.dpi), env.offsetLeft);
  format.windowWidth = env.clientWidth + env.windowFrame;
  format.editorWidth = MaxEditorWidth(format.windowWidth, env);
  return format;
}

void ResetFormat(PrintFormat &f, const FormatEnvironment &env) {
  const PrintFormat fresh = StartFormat(env);
  f.linesPerPage = 0;
  f.lineSpacing = 100;
  f.charSpacing = 100;
  f.topMargin = env.offsetTop;
  f.leftMargin = env.offsetLeft;
  f.pageNumberOn = false;
  f.pageNumberPos = PageNumberPos::Top;
  f.pageNumberStart = fresh.pageNumberStart;
  f.printFileName = f.printExtension = f.printDate = false;
  f.alignHeader = false;
  f.headerGap = true;
  f.duplex = f.pouchBinding = false;
  f.evenPageShift = 0;
  f.pagesLeftAligned = false;
  f.fontName = fresh.fontName;
  f.textColor = kBlack;
  f.fontSize = fresh.fontSize;
  f.bold = f.italic = f.underline = f.fixedPitch = false;
  f.paperSize = fresh.paperSize;
  f.orientation = fresh.orientation;
  f.tabsOn = false;
  f.tabWidth = 1;
  f.wrapEditor = false;
  f.autoMaxLines = true;
  f.windowWidth = fresh.windowWidth;
  f.editorWidth = fresh.editorWidth;
  f.paperBottom = f.paperRight = 0;
  f.paperEdgeLine = f.backRightToLeft = false;
  f.frameShown = f.framePrinted = false;
  f.frameInTextColor = true;
  f.frameColor = kBlack;
}

FormatEnvironment EnvironmentOf(const platform::PrinterMetrics &printer) {
  FormatEnvironment env;
  env.dpi = printer.dpiY;
  env.offsetLeft = printer.offX;
  env.offsetTop = printer.offY;
  return env;
}

} // namespace zenpa::settings
