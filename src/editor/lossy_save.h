// Characters a save would lose. The editor shows Unicode, but a document is
// saved as Shift-JIS, where emoji, accented Latin letters, Hangul and the
// like have no code and become "?". Before a save would do that, the user is
// shown the first few of them with their line numbers and may cancel, so
// that nothing is written and the document stays modified. Only the lines
// edited since the last save are looked at (the editor keeps track of them),
// so the check costs nothing for a document loaded from a file.
#pragma once

#include "platform/host.h"
#include "platform/memo.h"

#include <string>
#include <vector>

namespace zenpa::editor {

// Characters listed in the warning; more are summed up in one line.
inline constexpr std::size_t kLostCharsListed = 5;

// The warning for the characters found (at most kLostCharsListed + 1 of them;
// one more than listed means there are more), in Shift-JIS:
//   次の文字は Shift-JIS で保存できないため、「?」に置き換えて保存されます。
//   3 行目: U+00E9
//   ...
//   ほかにもあります。
//   保存しますか？
std::string LossySaveWarning(const std::vector<platform::LostChar> &lost);

// True when the save may go on: nothing would be lost, or the user chose OK
// in the warning (caption "zenpa - 保存確認", OK and Cancel).
bool ConfirmLossySave(const platform::Memo &memo, platform::Host &host);

} // namespace zenpa::editor
