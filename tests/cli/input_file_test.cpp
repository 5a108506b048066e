// A file the commands cannot open is named with the system's reason, on one line.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/process_runner.h"
#include "support/temp_folder.h"

namespace tarvel {
namespace {

using test_support::RunTarvelIn;
using test_support::TempFolder;

TEST(InputFile, AFileThatCannotBeOpenedIsReportedWithTheReason) {
  struct Case {
    std::string arguments;
    std::string errors;
  };
  const Case cases[] = {
      {"run missing.ret", "Cannot open missing.ret: No such file or directory.\n"},
      {"graph missing.ret --out a.png", "Cannot open missing.ret: No such file or directory.\n"},
      {"convert missing.ret a.json", "Cannot open missing.ret: No such file or directory.\n"},
      {"run folder.ret", "Cannot open folder.ret: Is a directory.\n"},
      {"convert folder.ret a.json", "Cannot open folder.ret: Is a directory.\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    TempFolder folder, temp, capture;
    std::filesystem::create_directory(folder.File("folder.ret"));
    const auto outcome = RunTarvelIn(folder.path(), temp.path(), capture.path(), c.arguments);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.errors, c.errors);
  }
}

}  // namespace
}  // namespace tarvel
