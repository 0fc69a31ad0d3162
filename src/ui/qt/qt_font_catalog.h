// The desktop's fonts that draw Japanese. The Windows faces that documents
// and format files name ("ＭＳ ゴシック", "ＭＳ 明朝" and their proportional
// forms) are listed as well while an installed Japanese face can draw them;
// Substitute gives that face, so the names stay in files unchanged.
#pragma once

#include "platform/font_catalog.h"

namespace zenpa::ui {

class QtFontCatalog : public platform::FontCatalog {
public:
  QtFontCatalog();

  std::vector<std::string> JapaneseFaces() const override { return faces_; }
  bool IsInstalled(const std::string &face) const override;
  std::string Substitute(const std::string &face) const override;

private:
  std::vector<std::string> installed_; // Shift-JIS, sorted
  std::vector<std::string> faces_;     // installed faces and substituted Windows faces, sorted
};

} // namespace zenpa::ui
