#include "platform/font_catalog.h"

#include <algorithm>

namespace zenpa::platform {

ListFontCatalog::ListFontCatalog(std::vector<std::string> faces, std::string fallback)
    : faces_(std::move(faces)), fallback_(std::move(fallback)) {
  std::sort(faces_.begin(), faces_.end());
}

bool ListFontCatalog::IsInstalled(const std::string &face) const {
  return std::binary_search(faces_.begin(), faces_.end(), face);
}

std::string ListFontCatalog::Substitute(const std::string &face) const {
  if (IsInstalled(face) || fallback_.empty())
    return face;
  return fallback_;
}

} // namespace zenpa::platform
