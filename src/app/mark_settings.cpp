#include "app/mark_settings.h"

#include "print/format_controls.h"

#include <utility>

namespace zenpa::app {

void MarkSettings::Open() {
  pageBreak_ = {Format().pageBreakMark, false};
  scale_ = {Format().scaleMark, false};
}

const MarkField &MarkSettings::Field(MarkKind kind) const {
  return kind == MarkKind::PageBreak ? pageBreak_ : scale_;
}

std::string &MarkSettings::Mark(MarkKind kind) {
  settings::PrintFormat &f = session_.Format().format;
  return kind == MarkKind::PageBreak ? f.pageBreakMark : f.scaleMark;
}

void MarkSettings::Edit(MarkKind kind, std::string text) {
  MarkField &field = kind == MarkKind::PageBreak ? pageBreak_ : scale_;
  field = {std::move(text), true};
}

void MarkSettings::Standard(MarkKind kind) {
  Edit(kind, kind == MarkKind::PageBreak ? std::string(1, settings::kFormFeed) : "p");
}

void MarkSettings::Apply(MarkKind kind) {
  MarkField &field = kind == MarkKind::PageBreak ? pageBreak_ : scale_;
  std::string &mark = Mark(kind);
  if (!field.text.empty() && field.text != mark) {
    mark = field.text;
    Changed();
  }
  field = {mark, false};
}

void MarkSettings::SetFlag(bool settings::PrintFormat::*flag, bool on) {
  bool &value = session_.Format().format.*flag;
  if (value == on)
    return;
  value = on;
  Changed();
}

void MarkSettings::SetPuzzleFlag(bool settings::PuzzleOptions::*flag, bool on) {
  bool &value = session_.Format().format.puzzle.*flag;
  if (value == on)
    return;
  value = on;
  Changed();
}

void MarkSettings::StandardReduce() {
  const int standard = print::DesignValue(print::FormatField::ReducePercent);
  int &percent = session_.Format().format.reducePercent;
  if (percent == standard)
    return;
  percent = standard;
  Changed();
}

void MarkSettings::Changed() {
  session_.Format().modified = true;
  session_.Relayout();
}

} // namespace zenpa::app
