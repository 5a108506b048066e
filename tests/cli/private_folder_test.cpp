// `tarvel run` and `tarvel graph` without --workdir keep their run files in a private
// temporary folder that is gone when they end, whether they succeed or fail; a user's own
// life tables in the current directory still count.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "support/process_runner.h"
#include "support/temp_folder.h"

namespace tarvel {
namespace {

namespace fs = std::filesystem;
using test_support::RunTarvelIn;
using test_support::TempFolder;

std::set<std::string> FilesIn(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

std::string Sample(const std::string& name) {
  return std::string(TARVEL_EXAMPLES_BUILD_DIR) + "/" + name + ".ret";
}

TEST(PrivateFolder, NothingIsLeftBehindWithoutAWorkdir) {
  struct Case {
    std::string arguments;
    int status;
    std::set<std::string> left;  // the files asked for, in the current directory
  };
  const Case cases[] = {
      {"run " + Sample("couple-saving") + " --periods p.csv", 0, {"p.csv"}},
      {"run " + Sample("couple-saving"), 0, {}},
      {"run " + Sample("couple-saving") + " --schedule no-such-folder/a.sch", 1, {}},
      {"graph " + Sample("couple-saving") + " --out a.png", 0, {"a.png"}},
      {"graph " + Sample("couple-saving") + " --out a.png --pie 3", 2, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    TempFolder folder, temp, capture;
    const auto outcome = RunTarvelIn(folder.path(), temp.path(), capture.path(), c.arguments);
    EXPECT_EQ(outcome.status, c.status) << outcome.errors;
    EXPECT_EQ(FilesIn(folder.path()), c.left);
    EXPECT_EQ(FilesIn(temp.path()), std::set<std::string>{});
  }
}

TEST(PrivateFolder, TheUsersOwnLifeTablesInTheCurrentDirectoryStillCount) {
  TempFolder folder, temp, capture;
  test_support::WriteText(folder.File("mort.dat"), "not a number\n");
  const auto outcome = RunTarvelIn(folder.path(), temp.path(), capture.path(),
                                   "run " + Sample("early-retiree-72t") + " --quiet");
  EXPECT_EQ(outcome.status, 0) << outcome.errors;
  EXPECT_NE(outcome.errors.find("mort.dat"), std::string::npos) << outcome.errors;
  EXPECT_EQ(FilesIn(folder.path()), std::set<std::string>{"mort.dat"});
}

}  // namespace
}  // namespace tarvel
