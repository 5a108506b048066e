// The yearly balances export: its header and rows, its quoting, and a round trip through the
// import into a new scenario.
#include "exchange/balance_export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "engine/scenario_files.h"
#include "exchange/account_import.h"
#include "exchange/report_parser.h"
#include "exchange/report_text.h"
#include "model/record_counts.h"
#include "support/fixed_clock.h"
#include "support/scenario_builder.h"
#include "support/temp_folder.h"

namespace tarvel::exchange_test {
namespace {

using model::AccountType;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::unique_ptr<model::Scenario> Sample() {
  return engine_test::LoadJson(std::filesystem::path(TARVEL_SOURCE_DATA_DIR) / "examples" /
                               "couple-saving.json");
}

TEST(ExportText, WritesAHeaderOfSixNamesAndRowsOfSixValuesForThreeAccounts) {
  exchange::BalanceTable table;
  table.names = {"Checking", "Home", "IRA"};
  table.types = {AccountType::Investment, AccountType::Equity, AccountType::Retirement};
  table.rows = {{60, {100.5f, 200, 300}, 200}, {61.5f, {-10, 210, 320}, 210}};
  EXPECT_EQ(exchange::ExportText(table, '\t'),
            "Age\tChecking\tHome\tIRA\tEquity\tTotal\n"
            "60.00\t100.50\t200.00\t300.00\t200.00\t600.50\n"
            "61.50\t-10.00\t210.00\t320.00\t210.00\t520.00\n");
  EXPECT_EQ(Lines(exchange::ExportText(table, ','))[0], "Age,Checking,Home,IRA,Equity,Total");
}

TEST(DelimitedField, QuotesCommaFieldsThatNeedItAndBlanksTabsInTabFields) {
  struct Case {
    const char* text;
    char separator;
    const char* field;
  };
  const Case cases[] = {
      {"Checking", ',', "Checking"},
      {"Smith, Joint", ',', "\"Smith, Joint\""},
      {"The \"Big\" Fund", ',', "\"The \"\"Big\"\" Fund\""},
      {"Two\nLines", ',', "\"Two\nLines\""},
      {"Smith, Joint", '\t', "Smith, Joint"},
      {"Tab\there", '\t', "Tab here"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(exchange::DelimitedField(c.text, c.separator), c.field) << c.text;
  }
  // What is quoted reads back as it was.
  EXPECT_EQ(exchange::SplitCsvFields("\"The \"\"Big\"\" Fund\",\"Smith, Joint\""),
            (std::vector<std::string>{"The \"Big\" Fund", "Smith, Joint"}));
}

TEST(RunForExport, CountsEquityAccountsOnceInTheTotal) {
  const auto scenario = Sample();
  ASSERT_NE(scenario, nullptr);
  test_support::FixedClock clock;
  model::Program program;
  const exchange::BalanceTable table = exchange::RunForExport(*scenario, program, clock);
  ASSERT_EQ(table.names.size(), 6u);
  ASSERT_GT(table.rows.size(), 20u);
  bool equity_held = false;
  for (const exchange::YearBalances& row : table.rows) {
    double equity_accounts = 0;
    double total_value = row.equity;
    for (std::size_t i = 0; i < row.balances.size(); ++i) {
      const bool equity = table.types[i] == AccountType::Equity;
      (equity ? equity_accounts : total_value) += row.balances[i];
    }
    // The equity column is the equity accounts' balances: adding it to every balance would
    // count them twice.
    EXPECT_NEAR(row.equity, equity_accounts, 1e-6 * equity_accounts + 0.01) << row.age;
    equity_held = equity_held || equity_accounts > 0;
    char total[64];
    std::snprintf(total, sizeof total, ",%.2f\n", total_value);
    EXPECT_TRUE(exchange::ExportText(table, ',').find(total) != std::string::npos) << total;
  }
  EXPECT_TRUE(equity_held);
}

TEST(BalanceExport, RoundTripsThroughAnImportIntoANewScenario) {
  const auto scenario = Sample();
  ASSERT_NE(scenario, nullptr);
  test_support::FixedClock clock;
  test_support::TempFolder folder;
  const exchange::BalanceTable table = exchange::RunForExport(*scenario, model::Program{}, clock);
  for (const char separator : {',', '\t'}) {
    SCOPED_TRACE(separator);
    const std::string path = folder.File("balances.out");
    ASSERT_TRUE(exchange::WriteExportFile(path, exchange::ExportText(table, separator),
                                          model::Overwrite::Agreed)
                    .ok());
    EXPECT_EQ(exchange::WriteExportFile(path, "", model::Overwrite::Ask).problem,
              model::FileProblem::Exists);

    auto imported = std::make_unique<model::Scenario>();
    exchange::StartNewScenario(*imported);
    const auto kind = separator == ',' ? exchange::ReportKind::Comma : exchange::ReportKind::Tab;
    const auto report = exchange::ParseReport(*exchange::ReadReportFile(path), kind);
    const auto preview =
        exchange::BuildImportPreview(report, *imported, exchange::ImportMode::NewAccounts);
    EXPECT_TRUE(
        exchange::ApplyImport(*imported, preview, exchange::ImportMode::NewAccounts, true).empty());

    ASSERT_EQ(model::AccountCount(*imported), model::AccountCount(*scenario));
    for (int i = 0; i < model::AccountCount(*imported); ++i) {
      const model::Account& account = imported->accounts.records[i];
      const auto& original = scenario->accounts.records;
      const auto same = std::find_if(original.begin(), original.end(),
                                     [&](const auto& other) { return other.name == account.name; });
      ASSERT_NE(same, original.end()) << account.name.str();
      EXPECT_FLOAT_EQ(account.initial_amount, same->initial_amount) << account.name.str();
    }
  }
}

}  // namespace
}  // namespace tarvel::exchange_test
