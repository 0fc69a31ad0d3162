// Text at the Qt boundary: Shift-JIS bytes of the core to and from QString
// through the lossless codec, and file names, whose bytes are the file
// system's own.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace zenpa::ui {

QString ToQt(std::string_view sjis);
// *lossless (when given) becomes false when a character became "?".
std::string FromQt(const QString &text, bool *lossless = nullptr);

// A file name as the file system holds it, for dialogs and the desktop.
QString PathToQt(const std::string &path);
std::string PathFromQt(const QString &path);

// Text that may hold a file name beside Shift-JIS (captions, name labels,
// history items): bytes that form UTF-8 with non-ASCII characters are a
// file name of the system and decode as such; everything else is Shift-JIS.
QString DisplayText(const std::string &bytes);

} // namespace zenpa::ui
