#include "ui/printing/accounts_list_print.h"

#include <gtest/gtest.h>

#include <fstream>

#include "results/print_pages.h"
#include "results/report_pages.h"
#include "support/temp_folder.h"
#include "ui/accounts/account_rows.h"
#include "ui/accounts/account_fixture.h"

namespace tarvel::ui {
namespace {

using test_support::AccountFixture;
using test_support::AddAccount;

std::vector<std::string> Lines(const std::filesystem::path& path) {
  std::ifstream file(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

TEST(AccountsListPrint, PrintsTheListedAccountsInTheirShownOrderOnApagePages) {
  AccountFixture f;
  model::Scenario& s = *f.scenario;
  AddAccount(s, model::AccountType::Investment, 1234.5f, 4.25f, "Cash");
  AddAccount(s, model::AccountType::Retirement, 20, 1.5f, "IRA");
  const results::ReportTable table = AccountsListTable(s, {1, 0});
  ASSERT_EQ(table.rows.size(), 2u);
  EXPECT_EQ(table.rows[0].label, "IRA");
  EXPECT_EQ(table.rows[1].label, "Cash");
  EXPECT_EQ(table.titles.size(), static_cast<std::size_t>(kSortableColumns - 1));

  test_support::TempFolder folder;
  const results::PagesWritten written = results::WriteReportPages(
      table, folder.path(), {results::PageTarget::AccountsFolder});
  ASSERT_EQ(written.pages, 1) << written.problem;
  EXPECT_EQ(results::PageFilePrefix(results::kAccountsListReport), "apage");
  const std::vector<std::string> lines = Lines(std::filesystem::path(folder.path()) / "apage1");
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  EXPECT_LT(text.find("IRA\t"), text.find("Cash\t")) << text;
  EXPECT_NE(text.find("Investment Savings"), std::string::npos) << text;
  EXPECT_EQ(lines.back(), "Dooooone");
}

}  // namespace
}  // namespace tarvel::ui
