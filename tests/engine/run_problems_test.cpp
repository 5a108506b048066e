// The message boxes of a run's problems: each kind keeps the text and caption users know.
#include "engine/run_problems.h"

#include <gtest/gtest.h>

namespace tarvel::engine {
namespace {

TEST(RunProblemMessage, EachKindGivesItsTextAndCaption) {
  const struct {
    RunProblem problem;
    const char* text;
    const char* caption;
  } cases[] = {
      {{RunProblemKind::ResultsFileNotOpened, "/x/plan.sch", {}},
       "Cannot open /x/plan.sch",
       "FILE ERROR"},
      {{RunProblemKind::PrintFileNotOpened, "/x/ptmpsch.dat", {}},
       "Cannot open temporary print file",
       "FILE ERROR"},
      {{RunProblemKind::PlotFileNotOpened, "plotinf01.tmp", {}},
       "Cannot open plot file.",
       "FILE ERROR"},
      {{RunProblemKind::RunFileNotOpened, "bigfile.tmp", {}},
       "Cannot open temporary print file -- bigfile.tmp",
       "FILE ERROR"},
      {{RunProblemKind::RunFileNotOpened, "outfile.tmp", {}},
       "Cannot open temporary print file -- iofile.tmp",
       "FILE ERROR"},
      {{RunProblemKind::RunFileNotOpened, "infile.tmp", {}},
       "Cannot open temporary print file -- infile.tmp",
       "FILE ERROR"},
      {{RunProblemKind::ExportFileNotOpened, "/x/out.csv", {}},
       "Cannot open /x/out.csv",
       "FILE ERROR"},
      {{RunProblemKind::ResultsFileNotOpened, "d.sch", "Is a directory", "d.sch"},
       "Cannot write d.sch: Is a directory",
       "FILE ERROR"},
      {{RunProblemKind::FileNotWritten, "/w/bigfile.tmp", "No space left on device",
        "/w/bigfile.tmp"},
       "Cannot write /w/bigfile.tmp: No space left on device",
       "FILE ERROR"},
      {{RunProblemKind::LifeTableMissing, "mort.dat", "Cannot find mort.dat."},
       "Cannot find mort.dat.",
       "FILE ERROR"},
      {{RunProblemKind::LifeTableDamaged, "mort.dat", "Line 3 is not a number."},
       "Line 3 is not a number.",
       "FILE WARNING"},
  };
  for (const auto& c : cases) {
    const RunMessage message = RunProblemMessage(c.problem);
    EXPECT_EQ(message.text, c.text) << c.problem.file;
    EXPECT_EQ(message.caption, c.caption) << c.problem.file;
  }
}

}  // namespace
}  // namespace tarvel::engine
