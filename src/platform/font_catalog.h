// Installed fonts that can draw Japanese. Names are Shift-JIS. Faces named in
// files that are not installed here (such as "ＭＳ ゴシック") are drawn with an
// installed Japanese face while their names stay in the files unchanged.
#pragma once

#include <string>
#include <vector>

namespace zenpa::platform {

class FontCatalog {
public:
  virtual ~FontCatalog() = default;
  // Sorted list of installed faces with Japanese characters.
  virtual std::vector<std::string> JapaneseFaces() const = 0;
  virtual bool IsInstalled(const std::string &face) const = 0;
  // The installed face that draws the named face (the face itself when installed).
  virtual std::string Substitute(const std::string &face) const = 0;
};

// A fixed list of faces, for tests and the command line.
class ListFontCatalog : public FontCatalog {
public:
  explicit ListFontCatalog(std::vector<std::string> faces, std::string fallback = "");
  std::vector<std::string> JapaneseFaces() const override { return faces_; }
  bool IsInstalled(const std::string &face) const override;
  std::string Substitute(const std::string &face) const override;

private:
  std::vector<std::string> faces_;
  std::string fallback_;
};

} // namespace zenpa::platform
