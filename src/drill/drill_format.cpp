#include "drill/drill_format.h"

namespace zenpa::drill {

DrillSettings SettingsFromFormat(const settings::PrintFormat &format) {
  const settings::DrillOptions &drill = format.drill;
  DrillSettings settings;
  settings.digitCount = drill.digits;
  settings.sheetCount = drill.sheets;
  settings.hintCount = drill.hint;
  settings.hintByDigit = drill.hintByDigit;
  settings.op = drill.operation == settings::DrillOperation::Subtract ? Operation::Subtraction
                                                                      : Operation::Addition;
  settings.addToDocument = drill.addToDocument;
  settings.pageBreak = drill.pageBreak;
  settings.answersToo = drill.appendAnswer;
  return settings;
}

OutputOptions OutputFromFormat(const settings::PrintFormat &format) {
  OutputOptions out;
  out.place = format.insertionPlace == settings::InsertionPlace::Here
                  ? editor::InsertionPlace::AtCaret
                  : editor::InsertionPlace::AtEnd;
  out.pageBreakMark = format.pageBreakMark;
  return out;
}

TabSetting TabsFromFormat(const settings::PrintFormat &format) {
  return {format.tabsOn, format.tabWidth};
}

void StoreSettings(const DrillSettings &settings, settings::DrillOptions &options) {
  options.digits = settings.digitCount;
  options.sheets = settings.sheetCount;
  options.hint = settings.hintCount;
  options.hintByDigit = settings.hintByDigit;
  options.operation = settings.op == Operation::Subtraction ? settings::DrillOperation::Subtract
                                                            : settings::DrillOperation::Add;
  options.addToDocument = settings.addToDocument;
  options.pageBreak = settings.pageBreak;
  options.appendAnswer = settings.answersToo;
}

} // namespace zenpa::drill
