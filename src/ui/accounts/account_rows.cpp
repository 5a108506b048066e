// The Accounts folder's rows.
#include "ui/accounts/account_rows.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <numeric>

#include "model/name_order.h"
#include "model/record_counts.h"
#include "model/scenario_ops.h"

namespace tarvel::ui {
namespace {

constexpr std::array<const char*, 5> kTypeNames = {"Asset             ", "Equity            ",
                                                   "Investment Savings", "Retirement Savings",
                                                   "Tax Free Savings  "};
constexpr float kMaxDeviation = 200.0f;

bool ShowsPenalty(const model::Account& account) {
  return account.penalty_flag != 0 && (account.type == model::AccountType::Retirement ||
                                       account.type == model::AccountType::TaxFree);
}

std::string DepositAccountName(const model::Scenario& scenario, std::int16_t id) {
  if (id < 0) return "";
  const int position = model::FindAccount(scenario, static_cast<std::uint16_t>(id));
  return position < 0 ? "" : scenario.accounts.records[position].name.str();
}

// Rate, amount and access order sort by value; the other columns by their text.
bool NumericColumn(int column) { return column >= 6 && column <= kOrderColumn; }

}  // namespace

const std::array<const char*, kAccountColumns>& AccountColumnHeadings() {
  static constexpr std::array<const char*, kAccountColumns> kHeadings = {"Account",
                                                                         "Group",
                                                                         "P",
                                                                         "M",
                                                                         "A",
                                                                         "Account Type",
                                                                         "Rate",
                                                                         "Amount",
                                                                         "Order",
                                                                         "Dividend",
                                                                         "Taxable Div. %",
                                                                         "Deposit Account",
                                                                         "Penalty Age",
                                                                         "Penalty Rate",
                                                                         "Min Random Rate",
                                                                         "Max Random Rate",
                                                                         "Std. Dev.  ",
                                                                         "ID"};
  return kHeadings;
}

const std::array<int, kSortableColumns>& AccountColumnWidths() {
  static constexpr std::array<int, kSortableColumns> kWidths = {130, 98, 18, 20, 18,
                                                                95,  40, 60, 42};
  return kWidths;
}

std::vector<std::string> AccountTypeNames() { return {kTypeNames.begin(), kTypeNames.end()}; }

AccountRow AccountRowOf(const model::Scenario& scenario, int position) {
  using model::Format;
  const model::Account& account = scenario.accounts.records[position];
  const int slot = account.slot < model::kMaxAccounts ? account.slot : 0;
  const model::AccountSettings& settings = scenario.settings;
  const int type = static_cast<int>(account.type);
  const int table = settings.rmd_table[slot] / 10;
  float deviation = settings.standard_deviation[slot];
  if (deviation < 0 || deviation > kMaxDeviation) deviation = 0;
  const bool penalty = ShowsPenalty(account);
  AccountRow row;
  row[0] = account.name.str();
  row[1] = account.group < model::kMaxGroups ? scenario.groups.names[account.group].str() : "";
  row[2] = penalty ? "x" : " ";
  row[3] = table >= 1 && table <= model::kRmdTables ? std::to_string(table) : " ";
  row[4] = settings.allocation_flag[slot] == 1 ? "x" : " ";
  row[5] = type >= 0 && type < 5 ? kTypeNames[type] : "";
  row[6] = Format("%8.3f", account.yearly_rate) + "%";
  row[7] = Format("%13.2f", account.initial_amount);
  row[8] = account.access_order.str();
  row[9] = Format("%6.2f", scenario.dividends.yearly_percent[slot]);
  row[10] = Format("%6.2f", scenario.dividends.taxable_percent[slot]);
  row[11] = DepositAccountName(scenario, scenario.dividends.deposit_account[slot]);
  row[12] = penalty ? Format("%6.2f", settings.penalty_age[slot]) : "";
  row[13] = penalty ? Format("%8.3f", settings.penalty_rate[slot]) : "";
  row[14] = Format("%8.3f", account.random_min_rate);
  row[15] = Format("%8.3f", account.random_max_rate);
  row[16] = Format("%6.2f", deviation);
  row[17] = std::to_string(account.id);
  return row;
}

std::vector<AccountRow> AccountRows(const model::Scenario& scenario) {
  std::vector<AccountRow> rows;
  const int count = model::AccountCount(scenario);
  for (int position = 0; position < count; ++position) {
    rows.push_back(AccountRowOf(scenario, position));
  }
  return rows;
}

std::vector<int> SortedPositions(const model::Scenario& scenario, int column, bool ascending) {
  const std::vector<AccountRow> rows = AccountRows(scenario);
  std::vector<int> order(rows.size());
  std::iota(order.begin(), order.end(), 0);
  if (column < 0 || column >= kSortableColumns) return order;
  const auto key_before = [&](int a, int b) {
    if (NumericColumn(column)) {
      return std::strtod(rows[a][column].c_str(), nullptr) <
             std::strtod(rows[b][column].c_str(), nullptr);
    }
    return model::NameBefore(rows[a][column], rows[b][column]);
  };
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return ascending ? key_before(a, b) : key_before(b, a); });
  return order;
}

std::string AccountCountText(const model::Scenario& scenario) {
  return model::Format("%2d", model::AccountCount(scenario));
}

std::string AccountTotalText(const model::Scenario& scenario, const model::Currency& currency) {
  double total = 0;
  const int count = model::AccountCount(scenario);
  for (int position = 0; position < count; ++position) {
    total += scenario.accounts.records[position].initial_amount;
  }
  return model::FormatMoney(model::Format("%13.2f", total), currency);
}

}  // namespace tarvel::ui
