// A save keeps the previous version of the scenario file as NAME.ret.bak unless the planner
// options turn backups off; a save never leaves anything but the new file and its backup.

#include "model/scenario_backup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "model/planner_options_file.h"
#include "model/scenario_codec.h"
#include "model/scenario_file.h"
#include "support/scenario_builder.h"
#include "support/temp_folder.h"

namespace tarvel::model {
namespace {

std::vector<std::uint8_t> ScenarioBytes(float start_age) {
  auto scenario = test_support::MakeClearedScenario();
  scenario->initial.start_age = start_age;
  return EncodeScenario(*scenario);
}

struct BackupCase {
  const char* name;
  const char* options;       // the planner options file; empty: none
  bool old_file_holds_data;  // an empty file has no previous version to keep
  bool backup_expected;
};

class ScenarioBackupTest : public ::testing::TestWithParam<BackupCase> {};

TEST_P(ScenarioBackupTest, SaveKeepsThePreviousVersionWhenAsked) {
  const BackupCase& c = GetParam();
  test_support::TempFolder folder;
  const auto old_bytes = c.old_file_holds_data ? ScenarioBytes(40) : std::vector<std::uint8_t>{};
  test_support::WriteAll(folder.File("plan.ret"), old_bytes);
  if (*c.options != '\0') test_support::WriteText(folder.File(kPlannerOptionsFileName), c.options);

  Program program;
  program.working_directory = folder.path();
  ReadPlannerOptions(folder.path(), program);
  program.save_name = "plan.ret";
  auto scenario = test_support::MakeClearedScenario();
  scenario->initial.start_age = 55;
  ASSERT_TRUE(WriteScenario(program, *scenario).ok());

  const std::string backup = folder.File("plan.ret.bak");
  EXPECT_EQ(std::filesystem::exists(backup), c.backup_expected);
  // A second save replaces the backup with the version the first save wrote.
  if (c.backup_expected) {
    EXPECT_EQ(test_support::ReadAll(backup), old_bytes);
    const auto first_save = test_support::ReadAll(folder.File("plan.ret"));
    scenario->initial.start_age = 60;
    ASSERT_TRUE(WriteScenario(program, *scenario).ok());
    EXPECT_EQ(test_support::ReadAll(backup), first_save);
  }
  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    ++entries;
  }
  const std::size_t expected_entries = 1 + (c.backup_expected ? 1 : 0) + (*c.options ? 1 : 0);
  EXPECT_EQ(entries, expected_entries) << "only the scenario, its backup and the options";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScenarioBackupTest,
    ::testing::Values(BackupCase{"ByDefault", "", true, true},
                      BackupCase{"TurnedOn", "# keep one\nbackups = on\n", true, true},
                      BackupCase{"TurnedOff", "backups=off\n", true, false},
                      BackupCase{"OffAmongOtherLines", "colour=blue\r\nbackups=0\r\n", true, false},
                      BackupCase{"NothingToKeep", "", false, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarvel::model
