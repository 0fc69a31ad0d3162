// The folder browser of the puzzle data viewer: the three file types it
// offers, which names each shows, and a folder's items (folders first, then
// files, each sorted by name). Names are the file system's bytes.
#pragma once

#include <string>
#include <vector>

namespace zenpa::play {

// "ファイルの種類": "数独データ(*.nbp)" shows ".nbp" and ".nbc",
// "テキストデータ(*.csv;*.txt)" ".csv" and ".txt" (in any case), "すべての
// ファイル(*.*)" every file. Folders are always shown.
enum class ViewerFilter { Puzzle, Text, All };
std::vector<std::string> ViewerFilterCaptions(); // Shift-JIS, in the order above
bool FilterShows(ViewerFilter filter, const std::string &fileName);

struct FolderItem {
  std::string name; // without the folder
  bool folder = false;
};

// The items of dir shown with filter; hidden names (starting ".") are left
// out. Empty when dir cannot be read.
std::vector<FolderItem> ListFolder(const std::string &dir, ViewerFilter filter);

// The path of the item name in dir.
std::string ItemPath(const std::string &dir, const std::string &name);

// The folder above dir ("/a/b" -> "/a", "/" stays "/"), and dir with every
// folder above it, dir first: the choices of "ファイルの場所".
std::string ParentFolder(const std::string &dir);
std::vector<std::string> FolderChain(const std::string &dir);

} // namespace zenpa::play
