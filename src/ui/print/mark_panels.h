// Two option panels above the editor:
// - the mark-settings panel ("文字拡縮マーク" / "改頁マーク"): the page-break
//   mark and the scale mark, each a field with "変更" and "標準に戻す", and
//   the check boxes "文字拡縮マークを有効にする" and "拡縮行を空行にする";
// - the reduction panel "ヘッダと遊び方等の印刷の縮小": the reduce percent
//   with "標準に戻す" and the five check boxes of what it reduces.
// Both bind app::MarkSettings; "×" asks for the panel to close (closed()).
#pragma once

#include "app/mark_settings.h"
#include "app/print_settings.h"

#include <QFrame>
#include <QObject>

#include <functional>
#include <vector>

class QCheckBox;
class QGridLayout;
class QHBoxLayout;
class QLineEdit;
class QPushButton;

namespace zenpa::ui {

class FieldSpin;

// A compact panel: a top row (the title, then what the panel puts there)
// ending in "×", which hides it, and check boxes in rows of three under it.
class OptionPanel : public QFrame {
  Q_OBJECT
public:
  OptionPanel(const char *name, const char *title, const char *closeName,
              app::MarkSettings &settings, QWidget *parent);
  // The panel opens: it shows the format.
  virtual void Open() { Refresh(); }
  // The panel's controls are shown again from the format.
  virtual void Refresh() = 0;

signals:
  void closed();

protected:
  // Puts a control on the top row, after what is there already.
  void AddToTop(QWidget *widget);
  // Check boxes bound to a setting of the format or of its puzzle part;
  // RefreshChecks shows the settings again.
  void AddCheck(const char *name, const char *caption, bool settings::PrintFormat::*flag);
  void AddCheck(const char *name, const char *caption, bool settings::PuzzleOptions::*flag);
  void RefreshChecks();

  app::MarkSettings &settings_;

private:
  void AddCheck(const char *name, const char *caption, std::function<bool()> value,
                std::function<void(bool)> set);

  QHBoxLayout *top_;
  QGridLayout *checkGrid_;
  std::vector<std::pair<QCheckBox *, std::function<bool()>>> checks_;
};

class MarkPanel : public OptionPanel {
  Q_OBJECT
public:
  MarkPanel(app::MarkSettings &settings, QWidget *parent);
  // Opening fills both fields from the format.
  void Open() override;
  void Refresh() override;

private:
  struct Row {
    QLineEdit *field;
    QPushButton *apply;
  };
  // The caption, the field, "変更" and "標準に戻す" on the top row.
  void AddMarkRow(app::MarkKind kind, const char *title, const char *field, const char *apply,
                  const char *standard);
  void ShowField(app::MarkKind kind);

  Row rows_[2] = {};
};

class ReductionPanel : public OptionPanel {
  Q_OBJECT
public:
  ReductionPanel(app::MarkSettings &settings, app::PrintSettings &print, QWidget *parent);
  void Refresh() override;

private:
  app::PrintSettings &print_;
  FieldSpin *percent_;
};

} // namespace zenpa::ui
