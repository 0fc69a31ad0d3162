#include "editor/insertion.h"

#include "base/sjis.h"

namespace zenpa::editor {

std::string InsertionLabel(InsertionPlace place) {
  return base::Sj(place == InsertionPlace::AtEnd ? "文末に追加" : "ここに挿入");
}

InsertionPlace Toggled(InsertionPlace place) {
  return place == InsertionPlace::AtEnd ? InsertionPlace::AtCaret : InsertionPlace::AtEnd;
}

int gyo(const platform::Memo &memo, InsertionPlace place) {
  if (place == InsertionPlace::AtEnd)
    return memo.LineCount();
  return memo.Caret().line;
}

void InsertAtGyo(platform::Memo &memo, InsertionPlace place, const std::string &line) {
  int at = gyo(memo, place);
  memo.InsertLine(at, line);
  memo.SetCaret({at + 1, 0});
}

} // namespace zenpa::editor
