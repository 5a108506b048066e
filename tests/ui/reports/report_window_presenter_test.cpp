// The report window's behaviour: the columns it reads from the screen page, the print
// requests of Print, Print Selected Age and Save As, the age check, and the mortgage
// schedule window's rows and Print.
#include "ui/reports/report_window_presenter.h"

#include <gtest/gtest.h>

#include <memory>

#include "engine/run_scenario.h"
#include "model/event_views.h"
#include "model/scenario_ops.h"
#include "support/fake_prompter.h"
#include "support/scenario_builder.h"
#include "support/temp_folder.h"
#include "ui/reports/mortgage_schedule_presenter.h"

namespace tarvel::ui {
namespace {

using results::ReportKind;
using results::ReportPrintRequest;

class ReportWindowFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    scenario_->initial.start_age = 60;
    scenario_->initial.end_age = 70;
    test_support::AddAccount(*scenario_, model::AccountType::Investment, 100000, 5, "Savings");
    test_support::AddAccount(*scenario_, model::AccountType::Retirement, 50000, 6, "IRA");
    auto& deposit = test_support::AddEvent(*scenario_, model::EventKind::Deposit, 61, 65);
    deposit.amount = 2000;
    deposit.account_24 = scenario_->accounts.records[0].id;
    deposit.description.assign("Pension");
    model::RecomputeInitialTotals(*scenario_);
    run_.options.workdir = folder_.path();
    ASSERT_TRUE(engine::RunScenario(*scenario_, run_));
  }

  std::unique_ptr<ReportWindowPresenter> Open(ReportKind kind) {
    ReportWindowServices services{
        *scenario_,
        [this]() -> const engine::Run& { return run_; },
        folder_.path(),
        prompter_,
        [this](const ReportPrintRequest& request) { requests_.push_back(request); },
        [this](int pages) { noted_pages_ = std::max(noted_pages_, pages); }};
    auto presenter = std::make_unique<ReportWindowPresenter>(std::move(services), kind);
    EXPECT_TRUE(presenter->Open());
    return presenter;
  }

  test_support::TempFolder folder_;
  std::unique_ptr<model::Scenario> scenario_ = test_support::MakeClearedScenario();
  engine::Run run_;
  test_support::FakePrompter prompter_;
  std::vector<ReportPrintRequest> requests_;
  int noted_pages_ = 0;
};

TEST_F(ReportWindowFixture, ShowsTheScreenPagesTitlesAndRowsWithSampleWidths) {
  const auto presenter = Open(ReportKind::NetWorth);
  EXPECT_EQ(presenter->title(), "Net Worth Report");
  const std::vector<std::string> titles = {" Age",
                                           "Net Worth",
                                           "Investment Accounts",
                                           "Tax-Free Accounts",
                                           "Retirement Accounts",
                                           "Asset Accounts",
                                           "Equity Accounts",
                                           "Liabilities"};
  EXPECT_EQ(presenter->page().titles, titles);
  ASSERT_EQ(presenter->page().rows.size(), 11u);  // ages 60 to 70
  EXPECT_EQ(presenter->page().rows.front().front(), " 60.0");
  EXPECT_EQ(presenter->page().rows.back().front(), " 70.0");
  EXPECT_EQ(presenter->ColumnSamples(),
            (std::vector<std::string>{"99999.9", "999999999.00", "Investment Accounts",
                                      "Tax-Free Accounts", "Retirement Accounts", "Asset Accounts",
                                      "Equity Accounts", "999999999.00"}));
  EXPECT_GE(noted_pages_, 1);
}

TEST_F(ReportWindowFixture, PrintsRecordRequestsForEachButton) {
  const struct {
    const char* name;
    ReportKind kind;
    std::string age;    // typed into Selected Age; empty presses Print
    std::string saved;  // chosen in Save As; empty presses nothing more
    std::vector<ReportPrintRequest> requests;
    std::string message;  // caption of a message shown
  } cases[] = {
      {"print", ReportKind::Incoming, "", "", {{2, 1, "Incoming", ""}}, ""},
      {"selected age",
       ReportKind::Incoming,
       "62",
       "",
       {{9, 2, "Accounts Incoming/Outgoing -- Age 62", ""}},
       ""},
      {"age out of range", ReportKind::Incoming, "200", "", {}, "AGE ERROR"},
      {"age not a number", ReportKind::Incoming, "abc", "", {}, "AGE ERROR"},
      {"table of 909",
       ReportKind::AccountAssetAllocation,
       "",
       "",
       {{15, 1, "Account Asset Allocation", ""}},
       ""},
      {"save as pdf", ReportKind::Outgoing, "-", "out.pdf", {{3, 1, "OutGoing", "out.pdf"}}, ""},
      {"save as csv", ReportKind::Outgoing, "-", "out.csv", {}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    requests_.clear();
    prompter_.messages.clear();
    const auto presenter = Open(c.kind);
    if (!c.saved.empty()) {
      const std::string path = c.saved == "out.pdf" ? c.saved : folder_.File(c.saved);
      prompter_.save_choices.push_back(path);
      presenter->SaveAs();
    } else if (c.age.empty()) {
      presenter->Print();
    } else {
      presenter->PrintSelectedAge(c.age);
    }
    EXPECT_EQ(requests_, c.requests);
    if (c.message.empty()) {
      EXPECT_TRUE(prompter_.messages.empty());
    } else {
      ASSERT_EQ(prompter_.messages.size(), 1u);
      EXPECT_EQ(prompter_.messages[0].caption, c.message);
    }
  }
  const std::string csv = test_support::ReadText(folder_.File("out.csv"));
  EXPECT_EQ(csv.substr(0, csv.find('\n')),
            "Age,Total Outgoing,Withdrawals,Interest,Other/Loan/Mortgage,Taxes,Penalties");
}

TEST_F(ReportWindowFixture, AMissingRunFileKeepsTheWindowClosedAndSaysWhich) {
  std::filesystem::remove(folder_.File("bigfile.tmp"));
  ReportWindowServices services{
      *scenario_, [this]() -> const engine::Run& { return run_; }, folder_.path(), prompter_, {},
      {}};
  ReportWindowPresenter presenter(std::move(services), ReportKind::OutgoingEvents);
  EXPECT_FALSE(presenter.Open());
  ASSERT_EQ(prompter_.messages.size(), 1u);
  EXPECT_EQ(prompter_.messages[0].text, "Cannot open bigfile.tmp");
  EXPECT_EQ(prompter_.messages[0].caption, "FILE OPEN ERROR");
}

TEST(MortgageScheduleWindow, ShowsMoneyRowsAndPrintsThemAsKindTwelve) {
  test_support::TempFolder folder;
  test_support::FakePrompter prompter;
  std::vector<ReportPrintRequest> requests;
  model::FinancialEvent mortgage;
  mortgage.kind = model::EventKind::Mortgage;
  mortgage.start_age = 40;
  mortgage.amount = 300000;
  mortgage.description.assign("House");
  const model::MortgageTerms terms(mortgage);
  terms.down_payment() = 60000;
  terms.yearly_rate_percent() = 0;
  terms.term_years() = 30;
  MortgageSchedulePresenter presenter(
      {folder.path(), prompter,
       [&](const ReportPrintRequest& request) { requests.push_back(request); },
       model::Currency::Dollars()},
      mortgage, 40);
  presenter.Open();
  ASSERT_EQ(presenter.rows().size(), 31u);
  EXPECT_EQ(presenter.rows()[1], (std::vector<std::string>{
                                     " 41", "$8,000.00", "$0.00", "$8,000.00", "$0.00", "$8,000.00",
                                     "$68,000.00", "$68,000.00", "$300,000.00", "$232,000.00"}));
  presenter.Print();
  EXPECT_EQ(requests, (std::vector<ReportPrintRequest>{{12, 1, "House", ""}}));
  // The shares fill the width less 20: 787 shares of one pixel each.
  const std::vector<int> widths = MortgageSchedulePresenter::ColumnWidths(807);
  EXPECT_EQ(widths.front(), 33);
  EXPECT_EQ(widths.back(), 90);

  MortgageSchedulePresenter unwritable({"/nonexistent/folder", prompter, {}, {}}, mortgage, 40);
  unwritable.Open();
  EXPECT_TRUE(unwritable.rows().empty());
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "Cannot open temporary print file - psched.tmp");
}

}  // namespace
}  // namespace tarvel::ui
