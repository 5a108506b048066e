// The start-up file: its exact format, the working-file counter, the carried values and the
// recent-files list with its menu entries.

#include "model/startup_file.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace tarvel::model {
namespace {

class StartupFileTest : public ::testing::Test {
 protected:
  StartupFileTest() { program_.working_directory = folder_.path(); }
  std::string FileText() { return test_support::ReadText(folder_.File("finance.dat")); }

  test_support::TempFolder folder_;
  Program program_;
};

TEST_F(StartupFileTest, MissingFileIsCreatedWithCounterOne) {
  EXPECT_FALSE(ReadStartupFile(program_));
  EXPECT_EQ(program_.startup.counter, 0.0f);
  EXPECT_EQ(FileText(),
            "\n  1.00   0.00   0.00   0.00   0.00   0.00   0.00   0.00 0\n\n\n\n\n\n\n");
}

TEST_F(StartupFileTest, CounterAdvancesAtStartUpAndIsWrittenUnchangedAtExit) {
  test_support::WriteText(folder_.File("finance.dat"),
                          "plan.ret\n3.00 1.5 -2.25 0 0 0 0 7.125 1\nx1.ret\n");
  ASSERT_TRUE(ReadStartupFile(program_));
  EXPECT_EQ(program_.open_name, "plan.ret");
  EXPECT_EQ(program_.startup.counter, 3.0f);
  EXPECT_EQ(program_.recent_files[0], "x1.ret");
  EXPECT_EQ(program_.recent_files[1], "");
  EXPECT_EQ(FileText(),
            "plan.ret\n  4.00   1.50  -2.25   0.00   0.00   0.00   0.00   7.12 1\n"
            "x1.ret\n\n\n\n\n\n");
  ASSERT_TRUE(WriteStartupFile(program_));
  EXPECT_EQ(FileText(),
            "plan.ret\n  3.00   1.50  -2.25   0.00   0.00   0.00   0.00   7.12 1\n"
            "x1.ret\n\n\n\n\n\n");
}

TEST_F(StartupFileTest, CounterOfNineStartsAgainAtZero) {
  test_support::WriteText(folder_.File("finance.dat"), "a.ret\n9.00 0 0 0 0 0 0 0 0\n");
  ASSERT_TRUE(ReadStartupFile(program_));
  EXPECT_EQ(program_.startup.counter, 0.0f);
  EXPECT_EQ(FileText().substr(6, 7), "  1.00 ");
}

TEST(ParseStartupFile, DamagedLinesKeepWhatCanBeRead) {
  const std::string long_name(400, 'n');
  const StartupFile file = ParseStartupFile(long_name + "\r\n2.5 abc\nr1\r\nr2");
  EXPECT_EQ(file.open_name, std::string(263, 'n'));
  EXPECT_EQ(file.values.counter, 2.5f);
  EXPECT_EQ(file.values.carried[0], 0.0f);
  EXPECT_EQ(file.values.carried_flag, 0);
  EXPECT_EQ(file.recent_files[0], "r1");
  EXPECT_EQ(file.recent_files[1], "r2");
  EXPECT_EQ(file.recent_files[5], "");

  const StartupFile binary = ParseStartupFile(std::string("\0\xff\n\n", 4));
  EXPECT_EQ(binary.open_name, "");
  EXPECT_EQ(binary.values.counter, 0.0f);
}

TEST(ParseStartupFile, NamesWrittenBackReadTheSame) {
  const std::string damaged[] = {std::string("plan.ret\r\r"), std::string("a\r\0b", 4),
                                 std::string(262, 'n') + "\r\rx", "two\nlines"};
  for (const std::string& name : damaged) {
    StartupFile file;
    file.open_name = name;
    file.recent_files[0] = name;
    const std::string written = FormatStartupFile(file);
    EXPECT_EQ(FormatStartupFile(ParseStartupFile(written)), written) << name;
    EXPECT_EQ(ParseStartupFile(written).open_name.find_first_of("\r\n"), std::string::npos);
  }
}

TEST(AddRecentFile, PutsNamesOnTopWithoutDuplicates) {
  Program program;
  AddRecentFile(program, "abc");  // three characters or fewer: ignored
  EXPECT_EQ(program.recent_files[0], "");
  AddRecentFile(program, "a.ret");
  AddRecentFile(program, "b.ret");
  AddRecentFile(program, "c.ret");
  AddRecentFile(program, "A.RET");
  EXPECT_EQ(program.recent_files[0], "A.RET");
  EXPECT_EQ(program.recent_files[1], "c.ret");
  EXPECT_EQ(program.recent_files[2], "b.ret");
  EXPECT_EQ(program.recent_files[3], "");

  // Several copies in a row all go.
  program.recent_files = {"x.ret", "x.ret", "X.ret", "y.ret", "", ""};
  AddRecentFile(program, "z.ret");
  EXPECT_EQ(program.recent_files,
            (std::array<std::string, 6>{"z.ret", "x.ret", "y.ret", "", "", ""}));
}

TEST(AddRecentFile, KeepsSixMostRecent) {
  Program program;
  for (int i = 1; i <= 8; ++i) AddRecentFile(program, "f" + std::to_string(i) + ".ret");
  EXPECT_EQ(program.recent_files[0], "f8.ret");
  EXPECT_EQ(program.recent_files[5], "f3.ret");
}

}  // namespace
}  // namespace tarvel::model
