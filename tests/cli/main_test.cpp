// The command line as a whole: an unknown command is named and the commands are listed.
#include <gtest/gtest.h>

#include <string>

#include "support/process_runner.h"
#include "support/temp_folder.h"

namespace tarvel {
namespace {

using test_support::RunTarvelIn;
using test_support::TempFolder;

TEST(Main, AnUnknownCommandIsNamedAndTheCommandsAreListed) {
  TempFolder folder, temp, capture;
  const auto outcome =
      RunTarvelIn(folder.path(), temp.path(), capture.path(), "frobnicate plan.ret --out x");
  EXPECT_EQ(outcome.status, 2);
  EXPECT_EQ(outcome.errors.rfind("unknown command: frobnicate\n", 0), 0u) << outcome.errors;
  for (const char* command : {"convert", "run", "rule72t", "graph"}) {
    EXPECT_NE(outcome.errors.find(std::string("\n  ") + command + " "), std::string::npos)
        << command << " is not listed in:\n"
        << outcome.errors;
  }
  EXPECT_EQ(outcome.out, "");
}

}  // namespace
}  // namespace tarvel
