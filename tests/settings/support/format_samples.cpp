#include "settings/support/format_samples.h"

#include "base/sjis.h"
#include "base/units.h"

namespace zenpa::settings::testing {

using base::Sj;

PrintFormat EveryFieldChanged() {
  PrintFormat f;
  f.linesPerPage = 40;
  f.lineSpacing = 150;
  f.charSpacing = 90;
  f.topMargin = base::MmToPix(21, base::kVirtualPrinterDpi);
  f.leftMargin = base::MmToPix(30, base::kVirtualPrinterDpi);
  f.pageNumberPos = PageNumberPos::Right;
  f.pageNumberStart = "7";
  f.pageNumberLeft = Sj("－");
  f.pageNumberRight = Sj("頁");
  f.pageNumberOn = f.printFileName = f.printExtension = f.printDate = true;
  f.alignHeader = f.smallHeader = f.scaleMarksOn = f.scaleLineBlank = f.pouchBinding = true;
  f.headerGap = f.autoMaxLines = f.autoSaveFormat = f.frameInTextColor = false;
  f.reducePercent = 65;
  f.scaleMark = Sj("＠大");
  f.evenPageShift = -12;
  f.fontName = Sj("ＭＳ 明朝");
  f.textColor = 0x123456;
  f.fontSize = 10.5;
  f.bold = f.italic = f.underline = f.fixedPitch = f.pagesLeftAligned = f.tabsOn = true;
  f.paperSize = 12;
  f.orientation = 2;
  f.tabWidth = 4;
  f.wrapEditor = f.pairHalfWidth = f.convertLineEnds = f.enlargedText = f.overwriteMode = true;
  f.noPairChars = "+-";
  f.windowWidth = 900;
  f.editorWidth = 600;
  f.paperEdgeOn = f.paperEdgeLine = f.backRightToLeft = f.frameShown = f.framePrinted = true;
  f.paperBottom = 11;
  f.paperRight = 22;
  f.frameColor = 0x0000FF;
  f.frameRect = {5, 6, 100, 200};
  f.pageBreakMark = Sj("＝改頁＝");
  f.previewZoom = 125;
  f.insertionPlace = InsertionPlace::AtCaret;

  PuzzleOptions &p = f.puzzle;
  p.menuShown = p.appendAnswer = p.addToDocument = p.minititle = p.miniclue = true;
  p.printHowToPlay = p.minitext = true;
  p.pageBreak = p.printTitle = p.printClue = p.autoApplyFormat = p.gameSound = false;
  p.targetGivens = 28;
  p.assist = {false, false, true, true, false, true, true, 0x010203, 0x040506, 0x070809};
  p.title = Sj("★問題★");
  for (std::size_t i = 0; i < p.howToPlay.size(); ++i)
    p.howToPlay[i] = Sj("説明") + std::to_string(i + 1);
  p.techniques.conditionsPanelShown = p.techniques.mustUseHardest = p.recordPanelShown = true;
  for (int box = kBoxBlockUnique; box <= kTechniqueFlagCount; ++box)
    p.techniques.boxes[box] = box % 2 == 0; // boxes 14..17 are not saved
  p.symmetry = 7;
  p.upperGivens = 40;
  p.lowerGivens = 20;
  p.recordStem = "kigou";
  p.recordFirst = "010";
  p.recordLast = "020";
  p.attempts = 3;

  DrillOptions &d = f.drill;
  d.menuShown = d.appendAnswer = d.addToDocument = d.hintByDigit = d.showWrongDigits = true;
  d.pageBreak = d.gameSound = false;
  d.digits = 12;
  d.sheets = 5;
  d.operation = DrillOperation::Subtraction;
  d.hint = 3;
  return f;
}

} // namespace zenpa::settings::testing
