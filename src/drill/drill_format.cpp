#include "drill/drill_format.h"

namespace zenpa::drill {

DrillSettings SettingsFromFormat(const print::PrintFormat &format) {
  const print::DrillOptions &drill = format.drill;
  DrillSettings settings;
  settings.digitCount = drill.digits;
  settings.sheetCount = drill.sheets;
  settings.hintCount = drill.hint;
  settings.hintByDigit = drill.hintByDigit;
  settings.op = drill.operation == print::DrillOperation::Subtract ? Operation::Subtraction
                                                                   : Operation::Addition;
  settings.addToDocument = drill.addToDocument;
  settings.pageBreak = drill.pageBreak;
  settings.answersToo = drill.appendAnswer;
  return settings;
}

OutputOptions OutputFromFormat(const print::PrintFormat &format) {
  OutputOptions out;
  out.place = format.insertionPlace == print::InsertionPlace::Here ? editor::InsertionPlace::AtCaret
                                                                   : editor::InsertionPlace::AtEnd;
  out.pageBreakMark = format.pageBreakMark;
  return out;
}

TabSetting TabsFromFormat(const print::PrintFormat &format) {
  return {format.tabsOn, format.tabWidth};
}

void StoreSettings(const DrillSettings &settings, print::DrillOptions &options) {
  options.digits = settings.digitCount;
  options.sheets = settings.sheetCount;
  options.hint = settings.hintCount;
  options.hintByDigit = settings.hintByDigit;
  options.operation = settings.op == Operation::Subtraction ? print::DrillOperation::Subtract
                                                            : print::DrillOperation::Add;
  options.addToDocument = settings.addToDocument;
  options.pageBreak = settings.pageBreak;
  options.appendAnswer = settings.answersToo;
}

} // namespace zenpa::drill
