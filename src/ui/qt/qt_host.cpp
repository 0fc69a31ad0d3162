#include "ui/qt/qt_host.h"

#include "base/sjis.h"
#include "ui/qt/qt_text.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QSoundEffect>
#include <QUrl>

namespace zenpa::ui {
namespace {

using platform::Answer;
using platform::Buttons;

QMessageBox::StandardButtons ToQt(Buttons buttons) {
  switch (buttons) {
  case Buttons::Ok:
    return QMessageBox::Ok;
  case Buttons::OkCancel:
    return QMessageBox::Ok | QMessageBox::Cancel;
  case Buttons::YesNo:
    return QMessageBox::Yes | QMessageBox::No;
  case Buttons::YesNoCancel:
    return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon ToQt(platform::Icon icon) {
  switch (icon) {
  case platform::Icon::Information:
    return QMessageBox::Information;
  case platform::Icon::Warning:
    return QMessageBox::Warning;
  case platform::Icon::Error:
    return QMessageBox::Critical;
  case platform::Icon::Question:
    return QMessageBox::Question;
  case platform::Icon::None:
    break;
  }
  return QMessageBox::NoIcon;
}

Answer FromQt(int button) {
  switch (button) {
  case QMessageBox::Yes:
    return Answer::Yes;
  case QMessageBox::No:
    return Answer::No;
  case QMessageBox::Ok:
    return Answer::Ok;
  default:
    return Answer::Cancel;
  }
}

// The text of a message box: its line breaks (CR LF, CR or LF, which the
// codec carries as private-use characters) break the lines of the box.
QString MessageText(const std::string &text) {
  QString shown = DisplayText(text);
  const QChar cr(base::kRawBytePua + 0x0D), lf(base::kRawBytePua + 0x0A);
  shown.replace(QString(cr) + lf, QString("\n"));
  shown.replace(cr, QChar('\n'));
  shown.replace(lf, QChar('\n'));
  return shown;
}

} // namespace

QString QtNameFilters(const std::string &filter) {
  const QStringList parts = ui::ToQt(filter).split(QChar('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString name = parts[i];
    const qsizetype paren = name.indexOf(QChar('('));
    if (paren >= 0)
      name = name.left(paren);
    QString patterns = parts[i + 1];
    patterns.replace(QChar(';'), QChar(' '));
    filters << name.trimmed() + " (" + patterns + ")";
  }
  return filters.join(";;");
}

QtHost::QtHost(QWidget *parent) : parent_(parent) { clock_.start(); }

QtHost::~QtHost() = default;

Answer QtHost::Message(const std::string &text, const std::string &caption, Buttons buttons,
                       platform::Icon icon) {
  QMessageBox box(ToQt(icon), caption.empty() ? QString("ZENPA") : DisplayText(caption),
                  MessageText(text), ToQt(buttons), parent_);
  return FromQt(box.exec());
}

std::vector<std::string> QtHost::RunFileDialog(const platform::FileDialog &dialog,
                                               DialogKind kind) {
  const bool save = kind == DialogKind::Save;
  QFileDialog box(parent_, ui::ToQt(dialog.title));
  box.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  box.setFileMode(save                              ? QFileDialog::AnyFile
                  : kind == DialogKind::OpenSeveral ? QFileDialog::ExistingFiles
                                                    : QFileDialog::ExistingFile);
  box.setNameFilters(QtNameFilters(dialog.filter).split(";;"));
  box.setDefaultSuffix(QString::fromStdString(dialog.defaultExt));
  if (!dialog.initialDir.empty())
    box.setDirectory(PathToQt(dialog.initialDir));
  if (!dialog.fileName.empty())
    box.selectFile(PathToQt(dialog.fileName));
  if (!dialog.overwritePrompt)
    box.setOption(QFileDialog::DontConfirmOverwrite);
  std::vector<std::string> chosen;
  if (box.exec() != QDialog::Accepted)
    return chosen;
  for (const QString &file : box.selectedFiles())
    chosen.push_back(PathFromQt(file));
  return chosen;
}

namespace {

std::optional<std::string> First(const std::vector<std::string> &files) {
  if (files.empty())
    return std::nullopt;
  return files.front();
}

} // namespace

std::optional<std::string> QtHost::OpenFileName(const platform::FileDialog &dialog) {
  return First(RunFileDialog(dialog, DialogKind::Open));
}

std::vector<std::string> QtHost::OpenFileNames(const platform::FileDialog &dialog) {
  return RunFileDialog(dialog, DialogKind::OpenSeveral);
}

std::optional<std::string> QtHost::SaveFileName(const platform::FileDialog &dialog) {
  return First(RunFileDialog(dialog, DialogKind::Save));
}

// Colours are 0x00BBGGRR.
std::optional<std::uint32_t> QtHost::ChooseColour(std::uint32_t initial) {
  QColor chosen = QColorDialog::getColor(
      QColor(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF), parent_);
  if (!chosen.isValid())
    return std::nullopt;
  return static_cast<std::uint32_t>(chosen.red()) |
         (static_cast<std::uint32_t>(chosen.green()) << 8) |
         (static_cast<std::uint32_t>(chosen.blue()) << 16);
}

void QtHost::PlaySound(const std::string &path) {
  if (path.empty())
    return;
  if (!sound_)
    sound_ = std::make_unique<QSoundEffect>();
  sound_->setSource(QUrl::fromLocalFile(PathToQt(path)));
  sound_->play();
}

void QtHost::ProcessEvents() { QCoreApplication::processEvents(); }

bool QtHost::OpenWithDesktop(const std::string &pathOrUrl) {
  const QString target = PathToQt(pathOrUrl);
  const QUrl url = target.contains("://") ? QUrl(target) : QUrl::fromLocalFile(target);
  return QDesktopServices::openUrl(url);
}

platform::StartResult QtHost::StartProgram(const std::string &program,
                                           const std::vector<std::string> &args, bool wait) {
  QStringList list;
  for (const std::string &arg : args)
    list << PathToQt(arg);
  QProcess process;
  process.setProgram(PathToQt(program));
  process.setArguments(list);
  if (!wait) {
    if (!process.startDetached())
      return {false, FromQt(process.errorString())};
    return {true, {}};
  }
  process.start();
  if (!process.waitForStarted())
    return {false, FromQt(process.errorString())};
  // Checks for the end every 100 ms and lets the window's events run.
  while (process.state() != QProcess::NotRunning) {
    process.waitForFinished(100);
    QCoreApplication::processEvents();
  }
  return {true, {}};
}

} // namespace zenpa::ui
