#include "editor/lossy_save.h"

#include "base/sjis.h"

#include <cstdio>

namespace zenpa::editor {
namespace {

using base::Sj;

// "U+00E9": the code point as Unicode writes it, four digits at least.
std::string CodePointText(char32_t code) {
  char text[16];
  std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(code));
  return text;
}

} // namespace

std::string LossySaveWarning(const std::vector<platform::LostChar> &lost) {
  std::string text = Sj("次の文字は Shift-JIS で保存できないため、「?」に置き換えて保存されます。");
  for (std::size_t i = 0; i < lost.size() && i < kLostCharsListed; ++i)
    text += "\n" + std::to_string(lost[i].line + 1) + Sj(" 行目: ") + CodePointText(lost[i].code);
  if (lost.size() > kLostCharsListed)
    text += "\n" + Sj("ほかにもあります。");
  return text + "\n" + Sj("保存しますか？");
}

bool ConfirmLossySave(const platform::Memo &memo, platform::Host &host) {
  const std::vector<platform::LostChar> lost = memo.LostChars(kLostCharsListed + 1);
  if (lost.empty())
    return true;
  return host.Message(LossySaveWarning(lost), Sj("zenpa - 保存確認"), platform::Buttons::OkCancel,
                      platform::Icon::Warning) == platform::Answer::Ok;
}

} // namespace zenpa::editor
