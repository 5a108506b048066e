// The life-expectancy files: the shipped tables, and missing, short and
// damaged files reported once with their missing values read as 0.
#include "engine/life_tables.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_folder.h"

namespace tarvel {
namespace {

using test_support::TempFolder;
using test_support::WriteText;

TEST(ReadLifeTables, ReadsEveryBlockOfTheShippedFiles) {
  const engine::LifeTablesRead read = engine::ReadLifeTables({TARVEL_SOURCE_DATA_DIR});
  EXPECT_TRUE(read.problems.empty());
  EXPECT_TRUE(read.mortality_found && read.joint_found);
  const engine::LifeTables& t = read.tables;
  EXPECT_DOUBLE_EQ(t.Mortality(0), 0.001762);
  EXPECT_DOUBLE_EQ(t.Mortality(115), 0.4);
  EXPECT_DOUBLE_EQ(t.SingleLife(0), 84.6);
  EXPECT_DOUBLE_EQ(t.SingleLife(50), 36.2);
  EXPECT_DOUBLE_EQ(t.UniformLifetime(70), 29.2);
  EXPECT_DOUBLE_EQ(t.UniformLifetime(20), t.JointLife(20, 10));  // J(x, x - 10)
  EXPECT_DOUBLE_EQ(t.JointLife(73, 19), 66.1);
  EXPECT_DOUBLE_EQ(t.JointLife(5, 2), 88.6);
  // Outside the tables every value is 0.
  EXPECT_DOUBLE_EQ(t.SingleLife(112), 0);
  EXPECT_DOUBLE_EQ(t.UniformLifetime(116), 0);
  EXPECT_DOUBLE_EQ(t.JointLife(116, 3), 0);
  EXPECT_DOUBLE_EQ(t.Mortality(-1), 0);
}

TEST(ReadLifeTables, MissingFilesAreReportedOnceEachAndReadAsZero) {
  TempFolder folder;
  const engine::LifeTablesRead read = engine::ReadLifeTables({folder.path()});
  EXPECT_FALSE(read.mortality_found);
  EXPECT_FALSE(read.joint_found);
  ASSERT_EQ(read.problems.size(), 2u);
  EXPECT_EQ(read.problems[0].file, "mort.dat");
  EXPECT_EQ(read.problems[0].caption, "FILE ERROR");
  EXPECT_NE(read.problems[0].text.find(folder.path()), std::string::npos) << read.problems[0].text;
  EXPECT_EQ(read.problems[1].file, "jointtab.dat");
  EXPECT_DOUBLE_EQ(read.tables.SingleLife(50), 0);
  EXPECT_DOUBLE_EQ(read.tables.JointLife(50, 40), 0);
}

TEST(ReadLifeTables, AShortFileKeepsItsValuesAndReportsHowManyThereAre) {
  TempFolder folder;
  WriteText(folder.File("mort.dat"), "0.5\r\n0.25\r\n0.125");  // no line end on the last
  const engine::LifeTablesRead read = engine::ReadLifeTables({folder.path()});
  EXPECT_TRUE(read.mortality_found);
  EXPECT_DOUBLE_EQ(read.tables.Mortality(0), 0.5);
  EXPECT_DOUBLE_EQ(read.tables.Mortality(2), 0.125);
  EXPECT_DOUBLE_EQ(read.tables.Mortality(3), 0);
  ASSERT_FALSE(read.problems.empty());
  EXPECT_EQ(read.problems[0].caption, "FILE WARNING");
  EXPECT_NE(read.problems[0].text.find("holds 3 of its 334 values"), std::string::npos)
      << read.problems[0].text;
}

TEST(ReadLifeTables, ADamagedLineCountsAsZeroAndOnlyTheFirstIsReported) {
  TempFolder folder;
  std::string text;
  for (int line = 0; line < engine::kJointLines; ++line) {
    if (line == 1) {
      text += "eighty\n";
    } else if (line == 2) {
      text += std::string(40, '1') + "\n";  // longer than any number line
    } else {
      text += " 12.5 \n";
    }
  }
  WriteText(folder.File("jointtab.dat"), text);
  const engine::LifeTablesRead read = engine::ReadLifeTables({folder.path()});
  EXPECT_DOUBLE_EQ(read.tables.JointLife(0, 0), 12.5);
  EXPECT_DOUBLE_EQ(read.tables.JointLife(1, 0), 0);
  EXPECT_DOUBLE_EQ(read.tables.JointLife(1, 1), 0);
  EXPECT_DOUBLE_EQ(read.tables.JointLife(115, 115), 12.5);
  int joint_problems = 0;
  for (const auto& problem : read.problems) {
    if (problem.file != "jointtab.dat") continue;
    ++joint_problems;
    EXPECT_NE(problem.text.find("Line 2 of"), std::string::npos) << problem.text;
  }
  EXPECT_EQ(joint_problems, 1);
}

}  // namespace
}  // namespace tarvel
