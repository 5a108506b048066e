// `tarvel report`: every report kind as printed pages and as CSV on the couple's sample, the
// net worth pages pinned as golden text, and bad options refused with the usual statuses.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "support/process_runner.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using tarvel::test_support::ReadText;

class ReportCommand : public ::testing::Test {
 protected:
  static std::string Sample() {
    return std::string(TARVEL_EXAMPLES_BUILD_DIR) + "/couple-saving.ret";
  }
  int Run(const std::string& arguments) {
    last_ = tarvel::test_support::RunTarvel("report " + arguments, {folder_.path(), {}});
    return last_.status;
  }
  std::string Written(const std::string& name) const { return ReadText(folder_.File(name)); }

  tarvel::test_support::TempFolder folder_;
  tarvel::test_support::ProcessOutcome last_;
};

TEST_F(ReportCommand, WritesEveryKindAsPagesAndAsCsv) {
  const struct {
    const char* kind;
    const char* end_marker;
    const char* csv_head;
  } cases[] = {
      {"networth", "Dooooone\n", "Age,Net Worth,Investment Accounts"},
      {"incoming", "Dooooone\n", "Age,Total Incoming,Deposits"},
      {"outgoing", "Dooooone\n", "Age,Total Outgoing,Withdrawals"},
      {"accounts", "Dooooone\n", "Age,"},
      {"account-allocations", "Dooooone\n", "Age,"},
      {"groups", "Dooooone\n", "Age"},
      {"group-allocations", "Dooooone\n", "Age"},
      {"events", "Dooone\n", "Age,"},
      {"outgoing-events", "Dooone\n", "Age,"},
      {"inputs", "Dooone\n", "Age,"},
      {"allocation", "Dooooone\n", "Age"},
      {"allocation-table", "Dooooone\n", "Account Name"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    ASSERT_EQ(Run(Sample() + " --kind " + c.kind + " --out r.txt"), 0) << last_.errors;
    const std::string pages = Written("r.txt");
    ASSERT_GE(pages.size(), std::string(c.end_marker).size());
    EXPECT_EQ(pages.substr(pages.size() - std::string(c.end_marker).size()), c.end_marker);
    ASSERT_EQ(Run(Sample() + " --kind " + c.kind + " --out r.csv"), 0) << last_.errors;
    EXPECT_EQ(Written("r.csv").rfind(c.csv_head, 0), 0u) << Written("r.csv").substr(0, 80);
  }
}

TEST_F(ReportCommand, NetWorthPagesOfTheSampleAreStable) {
  ASSERT_EQ(Run(Sample() + " --kind networth --out nw.txt"), 0) << last_.errors;
  const fs::path golden = fs::path(TARVEL_SOURCE_DATA_DIR).parent_path() / "tests" / "cli" /
                          "golden_reports" / "networth.txt";
  EXPECT_EQ(Written("nw.txt"), ReadText(golden.string()));
}

TEST_F(ReportCommand, DrawsThePrintedPagesIntoAPdf) {
  ASSERT_EQ(Run(Sample() + " --kind accounts --out accounts.pdf"), 0) << last_.errors;
  const std::string pdf = Written("accounts.pdf");
  EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
  EXPECT_NE(pdf.find("/Type /Page"), std::string::npos);
}

TEST_F(ReportCommand, RefusesBadOptions) {
  const struct {
    std::string arguments;
    int status;
    const char* message;
  } cases[] = {
      {Sample() + " --kind nothing --out a.txt", 2, "--kind must be"},
      {Sample() + " --kind networth --out a.png", 2, "--out must name a .txt, .csv or .pdf"},
      {"missing.ret --kind networth --out a.txt", 1, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments);
    EXPECT_EQ(Run(c.arguments), c.status);
    EXPECT_NE(last_.errors.find(c.message), std::string::npos) << last_.errors;
  }
}

}  // namespace
