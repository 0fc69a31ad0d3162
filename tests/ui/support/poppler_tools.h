// Running poppler's command-line tools (pdfinfo, pdftotext) from Qt tests.
#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace zenpa::testing {

// Standard output of a program, empty when it cannot run or hangs.
inline QString RunTool(const QString &program, const QStringList &args) {
  QProcess p;
  p.start(program, args);
  if (!p.waitForFinished(30000))
    return QString();
  return QString::fromUtf8(p.readAllStandardOutput());
}

// The "Pages:" figure of pdfinfo's output, -1 when missing.
inline int PdfPageCount(const QString &info) {
  const QRegularExpressionMatch m = QRegularExpression("Pages:\\s+(\\d+)").match(info);
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The paper of pdfinfo's first page in whole millimetres, "W x H"; the
// whole output when it names no page size.
inline QString PdfPaperMm(const QString &info) {
  const QRegularExpressionMatch m =
      QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+) pts").match(info);
  if (!m.hasMatch())
    return info;
  const auto mm = [](const QString &pts) { return qRound(pts.toDouble() * 25.4 / 72); };
  return QString("%1 x %2").arg(mm(m.captured(1))).arg(mm(m.captured(2)));
}

// The left edge in points of the first word pdftotext -bbox finds with text.
inline double WordLeft(const QString &bbox, const QString &word) {
  const QRegularExpressionMatch m =
      QRegularExpression("xMin=\"([\\d.]+)\"[^>]*>" + word + "<").match(bbox);
  return m.hasMatch() ? m.captured(1).toDouble() : -1;
}

} // namespace zenpa::testing
