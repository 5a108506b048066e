// Probing where the planner writes, and the message of a working folder it cannot write to.
#include "ui/shell/folder_access.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace tarvel::ui {
namespace {

// A folder this process cannot make files in: a read-only one for a user, the sysfs root for
// the superuser (whom file modes do not stop).
std::string UnwritableFolder(test_support::TempFolder& folder) {
  if (::geteuid() == 0) return "/sys";
  const std::string locked = folder.File("locked");
  std::filesystem::create_directories(locked);
  std::filesystem::permissions(
      locked, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  return locked;
}

TEST(FolderWriteProblem, IsNothingForAWritableFolderAndLeavesNoProbeBehind) {
  test_support::TempFolder folder;
  EXPECT_FALSE(FolderWriteProblem(folder.path()).has_value());
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST(FolderWriteProblem, GivesTheSystemsReason) {
  test_support::TempFolder folder;
  EXPECT_EQ(FolderWriteProblem(folder.File("missing")), "No such file or directory");
  EXPECT_EQ(FolderWriteProblem(UnwritableFolder(folder)), "Permission denied");
  EXPECT_EQ(FileWriteProblem(UnwritableFolder(folder) + "/plan.ret"), "Permission denied");
}

TEST(ReadOnlyWorkingFolderMessage, SaysWhichFolderWhyAndWhatToDo) {
  const platform::Message message = ReadOnlyWorkingFolderMessage("/srv/plans", "Permission denied");
  EXPECT_EQ(message.caption, "FILE ERROR");
  for (const char* part : {"/srv/plans", "(Permission denied)", "Save As", "--workdir"}) {
    EXPECT_NE(message.text.find(part), std::string::npos) << part;
  }
}

}  // namespace
}  // namespace tarvel::ui
