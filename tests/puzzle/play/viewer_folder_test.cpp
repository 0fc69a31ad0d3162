#include "puzzle/play/viewer_folder.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zenpa::play;

TEST(ViewerFolder, FiltersShowTheirExtensionsInAnyCaseAndFoldersComeFirst) {
  zenpa::testing::TempDir dir;
  for (const char *name : {"b.NBP", "a.nbc", "c.csv", "d.TXT", "e.dat", ".hidden.nbp"})
    dir.Write(name, "");
  std::filesystem::create_directory(dir.Path("zz"));
  std::filesystem::create_symlink(dir.Path("gone"), dir.Path("broken.nbp"));
  auto names = [&](ViewerFilter f) {
    std::vector<std::string> out;
    for (const FolderItem &item : ListFolder(dir.Dir(), f))
      out.push_back(item.name + (item.folder ? "/" : ""));
    return out;
  };
  using V = std::vector<std::string>;
  EXPECT_EQ((V{"zz/", "a.nbc", "b.NBP", "broken.nbp"}), names(ViewerFilter::Puzzle));
  EXPECT_EQ((V{"zz/", "c.csv", "d.TXT"}), names(ViewerFilter::Text));
  EXPECT_EQ(7u, names(ViewerFilter::All).size());
  EXPECT_TRUE(ListFolder(dir.Path("none"), ViewerFilter::All).empty());
}

TEST(ViewerFolder, ChainClimbsToTheRoot) {
  EXPECT_EQ((std::vector<std::string>{"/a/b", "/a", "/"}), FolderChain("/a/b"));
  EXPECT_EQ("/", ParentFolder("/"));
}
