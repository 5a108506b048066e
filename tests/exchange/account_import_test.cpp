// The import preview and the changes an import makes to the accounts.
#include "exchange/account_import.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/record_counts.h"
#include "support/scenario_builder.h"

namespace tarvel::exchange_test {
namespace {

using exchange::ImportMode;
using exchange::PreviewMark;
using model::AccountType;

constexpr char kReport[] =
    "Account Balances\n"
    "\tChecking\t1,200.00\n"
    "\tCollege Fund\t(75.00)\n"
    "\tTOTAL\t1,125.00\n"
    "\tChecking\t1,300.00\n";

std::vector<std::string> Names(const model::Scenario& scenario) {
  std::vector<std::string> names;
  for (int i = 0; i < model::AccountCount(scenario); ++i) {
    names.push_back(scenario.accounts.records[i].name.str());
  }
  return names;
}

TEST(ImportPreview, MarksEachLineMatchedNewOrSkippedWithItsReason) {
  auto scenario = test_support::MakeClearedScenario();
  test_support::AddAccount(*scenario, AccountType::Investment, 10, 5, "Checking");
  const auto report = exchange::ParseTabReport(kReport);
  const auto update = exchange::BuildImportPreview(report, *scenario, ImportMode::Update);
  EXPECT_EQ(exchange::PreviewRows(update, model::Currency{}),
            (std::vector<std::string>{
                "Account Balances\tskipped: heading\t",
                " Checking 1,200.00\tmatched: Checking\t$1,200.00",
                " College Fund (75.00)\tnew: College Fund\t$-75.00",
                " TOTAL 1,125.00\tskipped: total\t",
                " Checking 1,300.00\tmatched: Checking\t$1,300.00",
            }));
  const auto fresh = exchange::BuildImportPreview(report, *scenario, ImportMode::NewAccounts);
  EXPECT_EQ(exchange::CountMarked(fresh, PreviewMark::New), 3);
  EXPECT_EQ(exchange::CountMarked(fresh, PreviewMark::Matched), 0);
}

TEST(ApplyImport, UpdatesEveryNamedAccountWithTheLaterAmountAndAddsOnlyWhenAsked) {
  for (const bool add_new : {false, true}) {
    SCOPED_TRACE(add_new);
    auto scenario = test_support::MakeClearedScenario();
    test_support::AddAccount(*scenario, AccountType::Retirement, 10, 5, "Checking");
    const auto preview = exchange::BuildImportPreview(exchange::ParseTabReport(kReport), *scenario,
                                                      ImportMode::Update);
    const auto left_out = exchange::ApplyImport(*scenario, preview, ImportMode::Update, add_new);
    EXPECT_FLOAT_EQ(scenario->accounts.records[0].initial_amount, 1300.0f);
    EXPECT_EQ(scenario->accounts.records[0].type, AccountType::Retirement);
    if (add_new) {
      EXPECT_TRUE(left_out.empty());
      ASSERT_EQ(Names(*scenario), (std::vector<std::string>{"Checking", "College Fund"}));
      const model::Account& added = scenario->accounts.records[1];
      EXPECT_FLOAT_EQ(added.initial_amount, -75.0f);
      EXPECT_FLOAT_EQ(added.yearly_rate, 9.0f);  // no Investment account: the usual 9 %
      EXPECT_EQ(added.type, AccountType::Investment);
      EXPECT_FLOAT_EQ(added.random_max_rate, 20.0f);
      EXPECT_EQ(added.access_order.str(), "1");
    } else {
      EXPECT_EQ(left_out, std::vector<std::string>{"College Fund"});
      EXPECT_EQ(Names(*scenario), std::vector<std::string>{"Checking"});
    }
  }
}

TEST(ImportedAccount, TakesTheScenariosRateForItsTypeAndTheNextFreeAccessOrder) {
  struct Held {
    AccountType type;
    float rate;
    const char* order;
  };
  const struct {
    const char* label;
    std::vector<Held> held;
    float rate;
    const char* order;
  } cases[] = {
      {"an empty scenario", {}, 9.0f, "1"},
      {"the average of the Investment accounts",
       {{AccountType::Investment, 6, "1"}, {AccountType::Investment, 8, "2"}},
       7.0f,
       "3"},
      {"other types leave the usual rate; orders that are not numbers are passed over",
       {{AccountType::TaxFree, 4, "3"}, {AccountType::Retirement, 5, "A"}},
       9.0f,
       "4"},
      {"past 999 the smallest free order", {{AccountType::Asset, 0, "999"}}, 9.0f, "1"},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.label);
    auto scenario = test_support::MakeClearedScenario();
    for (const Held& held : test.held) {
      const int position = test_support::AddAccount(*scenario, held.type, 1, held.rate, "Held");
      scenario->accounts.records[position].access_order.assign(held.order);
    }
    const int position = exchange::AppendImportedAccount(*scenario, "Imported", 250);
    ASSERT_GE(position, 0);
    const model::Account& account = scenario->accounts.records[position];
    EXPECT_EQ(account.type, AccountType::Investment);
    EXPECT_FLOAT_EQ(account.yearly_rate, test.rate);
    EXPECT_FLOAT_EQ(account.rate, test.rate);
    EXPECT_EQ(account.access_order.str(), test.order);
  }
}

TEST(ApplyImport, StopsAtFiftyAccounts) {
  auto scenario = test_support::MakeClearedScenario();
  for (int i = 0; i < model::kMaxAccounts - 1; ++i) {
    test_support::AddAccount(*scenario, AccountType::Asset, 1, 0, "Held " + std::to_string(i));
  }
  const auto preview =
      exchange::BuildImportPreview(exchange::ParseTabReport("First One\t1.00\nSecond One\t2.00\n"),
                                   *scenario, ImportMode::NewAccounts);
  const auto left_out = exchange::ApplyImport(*scenario, preview, ImportMode::NewAccounts, true);
  EXPECT_EQ(model::AccountCount(*scenario), model::kMaxAccounts);
  EXPECT_EQ(left_out, std::vector<std::string>{"Second One"});
}

TEST(SortAndRemoveAddedDuplicates, KeepsEveryAccountThatWasThereBefore) {
  auto scenario = test_support::MakeClearedScenario();
  test_support::AddAccount(*scenario, AccountType::Asset, 1, 0, "savings");
  test_support::AddAccount(*scenario, AccountType::Asset, 2, 0, "Savings");
  test_support::AddAccount(*scenario, AccountType::Asset, 3, 0, "Alpha");
  const int added = exchange::AppendImportedAccount(*scenario, "Savings", 4);
  const int kept = exchange::AppendImportedAccount(*scenario, "Beta", 5);
  const std::uint16_t added_id = scenario->accounts.records[added].id;
  const std::uint16_t kept_id = scenario->accounts.records[kept].id;
  const std::uint16_t old_id = scenario->accounts.records[1].id;

  exchange::SortAndRemoveAddedDuplicates(*scenario, {added_id, kept_id});

  EXPECT_EQ(Names(*scenario), (std::vector<std::string>{"Alpha", "Beta", "savings", "Savings"}));
  EXPECT_EQ(scenario->accounts.records[3].id, old_id);
}

}  // namespace
}  // namespace tarvel::exchange_test
