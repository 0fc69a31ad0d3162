#include "puzzle/play/viewer_folder.h"

#include "base/sjis.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <tuple>

namespace zenpa::play {
namespace {

namespace fs = std::filesystem;

std::string LowerExt(const std::string &name) {
  const std::size_t dot = name.rfind('.');
  std::string ext = dot == std::string::npos ? std::string() : name.substr(dot);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext;
}

} // namespace

std::vector<std::string> ViewerFilterCaptions() {
  return {base::Sj("数独データ(*.nbp)"), base::Sj("テキストデータ(*.csv;*.txt)"),
          base::Sj("すべてのファイル(*.*)")};
}

bool FilterShows(ViewerFilter filter, const std::string &fileName) {
  const std::string ext = LowerExt(fileName);
  switch (filter) {
  case ViewerFilter::Puzzle:
    return ext == ".nbp" || ext == ".nbc";
  case ViewerFilter::Text:
    return ext == ".csv" || ext == ".txt";
  case ViewerFilter::All:
    break;
  }
  return true;
}

std::vector<FolderItem> ListFolder(const std::string &dir, ViewerFilter filter) {
  std::vector<FolderItem> items;
  std::error_code error;
  for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.starts_with("."))
      continue;
    std::error_code ignored;
    const bool folder = it->is_directory(ignored);
    if (folder || FilterShows(filter, name))
      items.push_back({name, folder});
  }
  std::sort(items.begin(), items.end(), [](const FolderItem &a, const FolderItem &b) {
    return std::tie(b.folder, a.name) < std::tie(a.folder, b.name);
  });
  return items;
}

std::string ItemPath(const std::string &dir, const std::string &name) {
  return dir + (dir.ends_with("/") ? "" : "/") + name;
}

std::string ParentFolder(const std::string &dir) {
  std::string d = dir;
  while (d.size() > 1 && d.back() == '/')
    d.pop_back();
  const std::size_t slash = d.rfind('/');
  if (slash == std::string::npos)
    return d;
  return slash == 0 ? "/" : d.substr(0, slash);
}

std::vector<std::string> FolderChain(const std::string &dir) {
  std::vector<std::string> chain{dir};
  for (std::string up = ParentFolder(dir); up != chain.back(); up = ParentFolder(up))
    chain.push_back(up);
  return chain;
}

} // namespace zenpa::play
