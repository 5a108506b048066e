// The temporaries an interrupted program removes, and the reason a file cannot be written.
#include "model/interrupt_cleanup.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "model/atomic_file.h"

namespace {

namespace fs = std::filesystem;
namespace model = tarvel::model;

fs::path Fresh(const std::string& name) {
  const fs::path path = fs::temp_directory_path() / (name + std::to_string(::getpid()));
  fs::remove_all(path);
  return path;
}

TEST(RemoveRegisteredTemporaries, RemovesFoldersWithTheirFilesAndTheFilesLeftHalfWritten) {
  const fs::path folder = Fresh("tarvel_cleanup_folder_");
  fs::create_directories(folder / "inner");
  for (int i = 0; i < 300; ++i) std::ofstream(folder / ("page" + std::to_string(i))) << i;
  std::ofstream(folder / "inner" / "bigfile.tmp") << "x";
  const fs::path target = Fresh("tarvel_cleanup_target_");
  auto temporary = model::CreateTemporaryFile(target.string());
  ASSERT_TRUE(temporary);
  const int slot = model::RegisterTemporary(folder.string(), model::TemporaryKind::Folder);
  ASSERT_GE(slot, 0);

  model::RemoveRegisteredTemporaries();

  EXPECT_FALSE(fs::exists(folder));
  EXPECT_FALSE(fs::exists(temporary->path));
  EXPECT_FALSE(fs::exists(target));
  model::ReleaseTemporary(slot);
  model::DiscardTemporaryFile(*temporary);
}

TEST(RemoveRegisteredTemporaries, LeavesWhatWasCommittedOrReleased) {
  const fs::path target = Fresh("tarvel_cleanup_kept_");
  ASSERT_TRUE(model::WriteFileAtomically(target.string(), std::string_view("whole")));
  const fs::path folder = Fresh("tarvel_cleanup_released_");
  fs::create_directories(folder);
  model::ReleaseTemporary(model::RegisterTemporary(folder.string(), model::TemporaryKind::Folder));

  model::RemoveRegisteredTemporaries();

  EXPECT_TRUE(fs::exists(target));
  EXPECT_TRUE(fs::exists(folder));
  fs::remove(target);
  fs::remove(folder);
}

TEST(WriteFileAtomically, GivesTheSystemsReasonAndKeepsWhatIsInTheTargetsPlace) {
  const fs::path folder = Fresh("tarvel_atomic_reason_");
  fs::create_directories(folder / "d.sch");
  std::error_code error;
  EXPECT_FALSE(model::WriteFileAtomically((folder / "d.sch").string(), "text", error));
  EXPECT_EQ(model::CannotWriteMessage("d.sch", error), "Cannot write d.sch: Is a directory");
  EXPECT_FALSE(model::WriteFileAtomically((folder / "none" / "x").string(), "text", error));
  EXPECT_EQ(error, std::errc::no_such_file_or_directory);
  EXPECT_TRUE(fs::is_directory(folder / "d.sch"));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
  fs::remove_all(folder);
}

}  // namespace
