#include "ui/qt/qt_text.h"

#include "base/sjis.h"

#include <QFile>
#include <QStringDecoder>

namespace zenpa::ui {
namespace {

bool IsNonAsciiUtf8(const std::string &bytes) {
  bool nonAscii = false;
  for (unsigned char c : bytes)
    nonAscii = nonAscii || c >= 0x80;
  if (!nonAscii)
    return false;
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString decoded =
      decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  return !decoder.hasError() && !decoded.contains(QChar::ReplacementCharacter);
}

} // namespace

QString ToQt(std::string_view sjis) {
  const std::u16string u = base::SjisToUtf16(sjis);
  return QString::fromUtf16(u.data(), static_cast<qsizetype>(u.size()));
}

std::string FromQt(const QString &text, bool *lossless) {
  return base::Utf16ToSjis(std::u16string_view(reinterpret_cast<const char16_t *>(text.utf16()),
                                               static_cast<std::size_t>(text.size())),
                           lossless);
}

QString PathToQt(const std::string &path) {
  return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

std::string PathFromQt(const QString &path) { return QFile::encodeName(path).toStdString(); }

QString DisplayText(const std::string &bytes) {
  if (IsNonAsciiUtf8(bytes))
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
  return ToQt(bytes);
}

} // namespace zenpa::ui
