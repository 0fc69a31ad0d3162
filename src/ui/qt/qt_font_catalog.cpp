#include "ui/qt/qt_font_catalog.h"

#include "base/sjis.h"
#include "ui/qt/qt_text.h"

#include <QFontDatabase>
#include <QStringList>

#include <algorithm>

namespace zenpa::ui {
namespace {

struct Substitution {
  const char *windowsFace;  // UTF-8
  const char *preferred[3]; // installed faces to try, in order
};

// Gothic (sans) faces map to IPA Gothic, Mincho (serif) faces to IPA Mincho.
constexpr Substitution kSubstitutions[] = {
    {"ＭＳ ゴシック", {"IPAGothic", "IPAゴシック", "Noto Sans Mono CJK JP"}},
    {"ＭＳ Ｐゴシック", {"IPAPGothic", "IPA Pゴシック", "IPAGothic"}},
    {"ＭＳ 明朝", {"IPAMincho", "IPA明朝", "Noto Serif CJK JP"}},
    {"ＭＳ Ｐ明朝", {"IPAPMincho", "IPA P明朝", "IPAMincho"}},
};

bool Contains(const std::vector<std::string> &sorted, const std::string &face) {
  return std::binary_search(sorted.begin(), sorted.end(), face);
}

} // namespace

QtFontCatalog::QtFontCatalog() {
  for (const QString &family : QFontDatabase::families(QFontDatabase::Japanese)) {
    installed_.push_back(FromQt(family));
  }
  std::sort(installed_.begin(), installed_.end());
  installed_.erase(std::unique(installed_.begin(), installed_.end()), installed_.end());
  faces_ = installed_;
  for (const Substitution &s : kSubstitutions) {
    const std::string face = base::Sj(s.windowsFace);
    if (!Contains(installed_, face) && Substitute(face) != face)
      faces_.push_back(face);
  }
  std::sort(faces_.begin(), faces_.end());
}

bool QtFontCatalog::IsInstalled(const std::string &face) const {
  return Contains(installed_, face);
}

std::string QtFontCatalog::Substitute(const std::string &face) const {
  if (IsInstalled(face))
    return face;
  for (const Substitution &s : kSubstitutions) {
    if (base::Sj(s.windowsFace) != face)
      continue;
    for (const char *preferred : s.preferred) {
      if (IsInstalled(base::Sj(preferred)))
        return base::Sj(preferred);
    }
  }
  // Any other missing face is drawn like the standard one.
  for (const char *preferred : kSubstitutions[0].preferred) {
    if (IsInstalled(base::Sj(preferred)))
      return base::Sj(preferred);
  }
  return installed_.empty() ? face : installed_.front();
}

} // namespace zenpa::ui
