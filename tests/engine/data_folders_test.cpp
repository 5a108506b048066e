// The shared data-folder lookup: the working directory, the installed data folders, and the
// source tree's data folder only for a program run from its build.
#include "engine/data_folders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace tarvel {
namespace {

namespace fs = std::filesystem;
using test_support::TempFolder;
using test_support::WriteText;

TEST(DataFolders, LookInTheWorkingDirectoryThenTheInstallThenABuildsSourceData) {
  struct Case {
    const char* what;
    fs::path workdir;
    fs::path executable;
    std::vector<fs::path> folders;
  };
  const Case cases[] = {
      {"installed elsewhere",
       "/work/dir",
       "/opt/tarvel/bin/tarvel",
       {"/work/dir", "/opt/tarvel/share/tarvel-planner", "/usr/local/share/tarvel-planner"}},
      {"installed under the prefix",
       "",
       "/usr/local/bin/tarvel",
       {".", "/usr/local/share/tarvel-planner"}},
      {"a sibling program installed elsewhere",
       "/work/dir",
       "/opt/tarvel/libexec/tarvel-planner/tarvelrule",
       {"/work/dir", "/opt/tarvel/share/tarvel-planner", "/usr/local/share/tarvel-planner"}},
      {"run from the build",
       "/work/dir",
       "/src/build/src/cli/tarvel",
       {"/work/dir", "/usr/local/share/tarvel-planner", "/src/data"}},
      {"beside the build, not in it",
       "/work/dir",
       "/src/build-old/bin/tarvel",
       {"/work/dir", "/src/build-old/share/tarvel-planner", "/usr/local/share/tarvel-planner"}},
      {"program unknown",
       "/work/dir",
       "",
       {"/work/dir", "/usr/local/share/tarvel-planner", "/src/data"}},
  };
  for (const Case& c : cases) {
    const engine::ProgramPlaces places{c.executable, "/usr/local/share/tarvel-planner",
                                       "/src/build", "/src/data"};
    EXPECT_EQ(engine::DataFolders(c.workdir, places), c.folders) << c.what;
  }
}

TEST(SamplePlanFolders, AreTheInstalledExamplesOrTheBuildsExamples) {
  struct Case {
    const char* what;
    fs::path executable;
    std::vector<fs::path> folders;
  };
  const Case cases[] = {
      {"installed elsewhere",
       "/opt/tarvel/bin/tarvel-planner",
       {"/opt/tarvel/share/tarvel-planner/examples", "/usr/local/share/tarvel-planner/examples"}},
      {"installed under the prefix",
       "/usr/local/bin/tarvel-planner",
       {"/usr/local/share/tarvel-planner/examples"}},
      {"run from the build", "/src/build/src/app/tarvel-planner", {"/src/build/examples"}},
  };
  for (const Case& c : cases) {
    const engine::ProgramPlaces places{c.executable, "/usr/local/share/tarvel-planner",
                                       "/src/build", "/src/data"};
    EXPECT_EQ(engine::SamplePlanFolders(places), c.folders) << c.what;
  }
}

TEST(DataFolders, ThisTestProgramFindsTheShippedTablesOfItsSourceTree) {
  const std::vector<fs::path> folders = engine::ProgramDataFolders("/no/such/dir");
  EXPECT_EQ(folders.front(), fs::path("/no/such/dir"));
  EXPECT_EQ(folders.back(), fs::path(TARVEL_SOURCE_DATA_DIR).lexically_normal());
  EXPECT_FALSE(engine::FindDataFile(folders, "jointtab.dat").empty());
}

TEST(FindDataFile, TakesTheFirstFolderThatHoldsTheFile) {
  TempFolder first;
  TempFolder second;
  WriteText(second.File("mort.dat"), "0.1\n");
  EXPECT_EQ(engine::FindDataFile({first.path(), second.path()}, "mort.dat"),
            fs::path(second.File("mort.dat")));
  WriteText(first.File("mort.dat"), "0.2\n");
  EXPECT_EQ(engine::FindDataFile({first.path(), second.path()}, "mort.dat"),
            fs::path(first.File("mort.dat")));
  EXPECT_TRUE(engine::FindDataFile({first.path()}, "jointtab.dat").empty());
}

}  // namespace
}  // namespace tarvel
