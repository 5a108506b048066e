// Reports read from the run files: events keyed by name with amounts of one age summed,
// the accounts' incoming and outgoing rows with their totals, the selected age by type, and
// a missing run file reported by name.
#include <gtest/gtest.h>

#include <memory>

#include "results/report_builder.h"
#include "results/report_selected_age.h"
#include "support/scenario_builder.h"
#include "support/temp_folder.h"

namespace tarvel::results {
namespace {

using test_support::ReadText;
using test_support::TempFolder;
using test_support::WriteText;

class RunFileReport : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int period = 0; period < 3; ++period) {
      engine::PeriodResult result{};
      result[0] = 60.0f + static_cast<float>(period);
      run_.periods.push_back(result);
    }
    const std::pair<const char*, model::AccountType> accounts[] = {
        {"Savings", model::AccountType::Investment},
        {"IRA", model::AccountType::Retirement},
        {"Brokerage", model::AccountType::Investment}};
    for (const auto& [name, type] : accounts) {
      model::Account& account =
          run_.state.accounts[static_cast<std::size_t>(run_.state.account_count++)];
      account.name.assign(name);
      account.type = type;
    }
    WriteText(folder_.File("infile.tmp"),
              "3\nSavings\nIRA\nBrokerage\n"
              " 60.0\tSavings\t      1000.00\n"
              " 60.0\tIRA\t500.00     \n"
              " 60.0\tSavings\t       250.50\n"
              " 61.0\tBrokerage\t        10.00\n"
              "Dooone\n");
    WriteText(folder_.File("outfile.tmp"),
              " 60.0\tIRA\t       200.00\n"
              " 61.0\tSavings\t        30.00\n"
              "Dooone\n");
  }

  std::string Screen(ReportKind kind) {
    const ReportPages pages = WriteReportPages(kind, Source(), {});
    EXPECT_EQ(pages.pages, 1) << pages.problem.text;
    return ReadText(folder_.File("spage1"));
  }
  ReportSource Source() { return ReportSource{*scenario_, run_, folder_.path()}; }

  TempFolder folder_;
  std::unique_ptr<model::Scenario> scenario_ = test_support::MakeClearedScenario();
  engine::Run run_;
};

TEST_F(RunFileReport, EventColumnsFollowFirstAppearanceAndSumAnAgesAmounts) {
  WriteText(folder_.File("bigfile.tmp"),
            " 60.0\tSalary\t2\t     50000.00\n"
            " 60.0\tRent\t6\t     12000.00\n"
            " 60.0\tInterest/Dividends Earned\t2\t       300.00\n"
            " 60.0\tSalary\t2\t      1000.00\n"
            " 61.0\tBonus\t2\t      5000.00\n"
            " 61.0\tSalary\t2\t         0.00\n"
            "Dooone\n"
            " 62.0\tLate\t2\t      1.00\n");
  EXPECT_EQ(Screen(ReportKind::IncomingEvents),
            " Age\t         Salary\tInterest/Dividends Earned\t          Bonus\n"
            "---------------------------\n\n"
            " 60.0\t     51000.00\t       300.00\t0.00\n"
            " 61.0\t0.00\t0.00\t      5000.00\n"
            "Dooone\n");
  EXPECT_EQ(Screen(ReportKind::OutgoingEvents),
            " Age\t           Rent\n"
            "---------------------------\n\n"
            " 60.0\t     12000.00\n"
            "Dooone\n");
}

TEST_F(RunFileReport, AccountRowsShowEachAgesIncomingThenOutgoingWithATotal) {
  EXPECT_EQ(Screen(ReportKind::AccountsInOut),
            " Age\tSavings\tIRA\tBrokerage\tTotal\n"
            "---------------------------\n\n"
            " 60.0-I\t      1250.50\t       500.00\t0.00\t      1750.50\n"
            " 60.0-O\t0.00\t       200.00\t0.00\t       200.00\n"
            " 61.0-I\t0.00\t0.00\t        10.00\t        10.00\n"
            " 61.0-O\t        30.00\t0.00\t0.00\t        30.00\n"
            "Dooone\n");
}

TEST_F(RunFileReport, SelectedAgePrintsIncomingThenOutgoingByTypeInOneSeries) {
  const ReportPages pages = WriteSelectedAgePages(Source(), 60, {PageTarget::Print});
  ASSERT_EQ(pages.pages, 2) << pages.problem.text;
  EXPECT_EQ(ReadText(folder_.File("rpage1")),
            "Accounts by Type\tIncoming\n"
            "---------------------------\n\n"
            "\tSavings\t      1250.50\n"
            "\tBrokerage\t         0.00\n"
            "\tSub Total -- Investment Accounts\t      1250.50\n"
            "\tSub Total -- Tax-Free Accounts\t         0.00\n"
            "\tIRA\t       500.00\n"
            "\tSub Total -- Retirement Accounts\t       500.00\n"
            "\tSub Total -- Asset Accounts\t         0.00\n"
            "\tSub Total -- Equity Accounts\t         0.00\n"
            "\tTotal\t      1750.50\n"
            "Dooooone\n");
  const std::string outgoing = ReadText(folder_.File("rpage2"));
  EXPECT_EQ(outgoing.substr(0, outgoing.find('\n')), "Accounts by Type\tOutgoing");
  EXPECT_NE(outgoing.find("\tTotal\t       200.00\n"), std::string::npos);
}

TEST_F(RunFileReport, AMissingRunFileIsNamed) {
  const struct {
    ReportKind kind;
    const char* text;
  } cases[] = {{ReportKind::IncomingEvents, "Cannot open bigfile.tmp"},
               {ReportKind::OutgoingEvents, "Cannot open bigfile.tmp"}};
  for (const auto& c : cases) {
    const ReportPages pages = WriteReportPages(c.kind, Source(), {});
    EXPECT_EQ(pages.pages, 0);
    EXPECT_EQ(pages.problem.text, c.text);
    EXPECT_EQ(pages.problem.caption, "FILE OPEN ERROR");
  }
  std::filesystem::remove(folder_.File("outfile.tmp"));
  EXPECT_EQ(WriteReportPages(ReportKind::AccountsInOut, Source(), {}).problem.text,
            "Cannot open infile.tmp");
}

}  // namespace
}  // namespace tarvel::results
