// The backups setting written back into the planner options file: one "backups=" line, every
// other line kept byte for byte, and a file that cannot be read whole left alone.
#include "model/planner_options_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace tarvel::model {
namespace {

bool ReadsAsKeepingBackups(const std::string& text) {
  Program program;
  program.keep_backups = !program.keep_backups;  // the text must set it, not the default
  ParsePlannerOptions(text, program);
  return program.keep_backups;
}

struct OptionsCase {
  const char* name;
  const char* before;
  const char* turned_off;  // the whole text after turning backups off
};

class BackupsOptionTextTest : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(BackupsOptionTextTest, TogglingRewritesOnlyTheOneBackupsLine) {
  const OptionsCase& c = GetParam();
  const std::string off = WithBackupsOption(c.before, false);
  EXPECT_EQ(off, c.turned_off);
  EXPECT_FALSE(ReadsAsKeepingBackups(off));

  // Turning it on again changes that one line and nothing else.
  const std::string on = WithBackupsOption(off, true);
  std::string expected_on = c.turned_off;
  expected_on.replace(expected_on.find("backups=off"), 11, "backups=on");
  EXPECT_EQ(on, expected_on);
  EXPECT_TRUE(ReadsAsKeepingBackups(on));
  EXPECT_EQ(WithBackupsOption(on, true), on);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BackupsOptionTextTest,
    ::testing::Values(
        OptionsCase{"NoFile", "", "backups=off\n"},
        OptionsCase{"OnlyOtherLines", "# mine\ncolour=blue\n\nodd line",
                    "# mine\ncolour=blue\n\nodd line\nbackups=off\n"},
        OptionsCase{"ChangedInPlace", "a=1\n  backups = on  \nb=2\n", "a=1\nbackups=off\nb=2\n"},
        OptionsCase{"WindowsLineEndsKept", "a=1\r\nbackups=yes\r\nb=2",
                    "a=1\r\nbackups=off\r\nb=2"},
        OptionsCase{"LaterCopiesDropped", "backups=on\nx=y\nbackups=off\nbackups=1\n# backups=on\n",
                    "backups=off\nx=y\n# backups=on\n"},
        OptionsCase{"UnknownValueReplaced", "backups=maybe", "backups=off"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WriteBackupsOption, WritesTheFileAndLeavesOneItCannotReadWholeAlone) {
  test_support::TempFolder folder;
  const std::string path = folder.File(kPlannerOptionsFileName);
  test_support::WriteText(path, "# kept\nbackups=on\n");
  ASSERT_TRUE(WriteBackupsOption(folder.path(), false).ok());
  EXPECT_EQ(test_support::ReadText(path), "# kept\nbackups=off\n");

  // A file longer than any options file would be cut short: it is refused and kept.
  const std::string long_text = std::string(64 * 1024, '#') + "\nbackups=off\n";
  test_support::WriteText(path, long_text);
  EXPECT_EQ(WriteBackupsOption(folder.path(), true).problem, FileProblem::CannotOpen);
  EXPECT_EQ(test_support::ReadText(path), long_text);

  // A file cannot be written into a folder that does not exist.
  EXPECT_EQ(WriteBackupsOption(folder.File("gone"), true).problem, FileProblem::CannotWrite);
}

TEST(PlannerOption, IsReadFromItsFirstLineAndWrittenBesideTheOtherSettings) {
  EXPECT_EQ(PlannerOptionValue("# keys=x\n keys = classic \nkeys=standard\n", "keys"), "classic");
  EXPECT_EQ(PlannerOptionValue("backups=off\n", "keys"), std::nullopt);

  test_support::TempFolder folder;
  EXPECT_EQ(ReadPlannerOption(folder.path(), "keys"), std::nullopt);  // no file
  test_support::WriteText(folder.File(kPlannerOptionsFileName), "backups=off\n");
  ASSERT_TRUE(WritePlannerOption(folder.path(), "keys", "classic").ok());
  ASSERT_TRUE(WritePlannerOption(folder.path(), "keys", "standard").ok());
  EXPECT_EQ(test_support::ReadText(folder.File(kPlannerOptionsFileName)),
            "backups=off\nkeys=standard\n");
  EXPECT_EQ(ReadPlannerOption(folder.path(), "keys"), "standard");
}

}  // namespace
}  // namespace tarvel::model
