// A run's problems once the user knows the working folder cannot be written.
#include "ui/shell/run_problem_boxes.h"

#include <gtest/gtest.h>

namespace tarvel::ui {
namespace {

using engine::RunProblem;
using engine::RunProblemKind;

TEST(DropWorkingFolderProblems, LeavesOutThePlotAndRunFilesOnly) {
  std::vector<RunProblem> problems = {
      {RunProblemKind::PlotFileNotOpened, "plotinf01.tmp", ""},
      {RunProblemKind::ResultsFileNotOpened, "/home/ann/plan.sch", ""},
      {RunProblemKind::RunFileNotOpened, "bigfile.tmp", ""},
      {RunProblemKind::LifeTableMissing, "mort.dat", "no table"},
  };
  DropWorkingFolderProblems(problems);
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_EQ(problems[0].kind, RunProblemKind::ResultsFileNotOpened);
  EXPECT_EQ(problems[1].kind, RunProblemKind::LifeTableMissing);
}

}  // namespace
}  // namespace tarvel::ui
