// The recent-file items of the File menu and the working files removed at exit.
#include "ui/shell/recent_menu.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"
#include "ui/shell/working_file_cleanup.h"

namespace tarvel::ui {
namespace {

TEST(RecentMenuItems, NumbersNonEmptyEntriesAndEndsWithASeparator) {
  model::Program program;
  EXPECT_TRUE(RecentMenuItems(program).empty());
  program.recent_files = {"a.ret", "", "", "", "", "f.ret"};
  const auto items = RecentMenuItems(program);
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].id, 602);
  EXPECT_EQ(items[0].text, "(1) a.ret");
  EXPECT_EQ(items[1].id, 609);
  EXPECT_EQ(items[1].text, "(6) f.ret");
  EXPECT_TRUE(items[2].separator);
  EXPECT_EQ(items[2].id, 607);
  EXPECT_EQ(RecentFileIndexOf(609), 5);
  EXPECT_EQ(RecentFileIndexOf(607), -1);
}

TEST(DeleteTempFiles, DeletesTheWorkingFilesPresentAndKeepsOthers) {
  test_support::TempFolder folder;
  for (const char* name : {"PLOTIN~1.TMP", "plotinf01.tmp", "infile.tmp", "rpage1", "keep.ret",
                           "tpage1", "tpage2", "apage3"}) {
    test_support::WriteText(folder.File(name), "x");
  }
  EXPECT_EQ(DeleteTempFiles(folder.path(), 2), 7);
  EXPECT_FALSE(std::filesystem::exists(folder.File("tpage2")));
  EXPECT_TRUE(std::filesystem::exists(folder.File("keep.ret")));
  EXPECT_FALSE(std::filesystem::exists(folder.File("rpage1")));
  EXPECT_FALSE(std::filesystem::exists(folder.File("plotinf01.tmp")));
}

}  // namespace
}  // namespace tarvel::ui
