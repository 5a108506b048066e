// Reports over the period results and the balance rows of a run: net worth, incoming and
// outgoing flows, accounts, groups and asset allocation categories.
#include <algorithm>
#include <array>
#include <span>

#include "engine/period_column.h"
#include "model/money_format.h"
#include "model/whole_age.h"
#include "results/report_builders_internal.h"

namespace tarvel::results::internal {
namespace {

using engine::IndexOf;
using engine::PeriodColumn;

constexpr int kNetWorthFirstCount = 8;
constexpr int kFlowFirstCount = 7;
constexpr int kAccountFirstCount = 6;
constexpr int kGroupFirstCount = 7;
constexpr int kAllocationTableFirstCount = 6;
constexpr int kByAllocationFirstCount = 7;

struct FlowColumn {
  const char* title;
  PeriodColumn column;
};

constexpr std::array kIncomingColumns = {
    FlowColumn{"Total Incoming", PeriodColumn::Incoming},
    FlowColumn{"Deposits", PeriodColumn::Deposits},
    FlowColumn{"Income From Taxable", PeriodColumn::TaxableIncome},
    FlowColumn{"Income From Non Taxable", PeriodColumn::NontaxableIncome},
    FlowColumn{"Loans", PeriodColumn::Loans},
    FlowColumn{"Assets", PeriodColumn::IncomeFromAssets},
    FlowColumn{"Equity", PeriodColumn::IncomeFromEquity}};

constexpr std::array kOutgoingColumns = {
    FlowColumn{"Total Outgoing", PeriodColumn::Outgoing},
    FlowColumn{"Withdrawals", PeriodColumn::Withdrawals},
    FlowColumn{"Interest", PeriodColumn::InterestPaid},
    FlowColumn{"Other/Loan/Mortgage", PeriodColumn::OtherOutgoing},
    FlowColumn{"Taxes", PeriodColumn::Taxes},
    FlowColumn{"Penalties", PeriodColumn::Penalties}};

float PeriodValue(const engine::Run& run, int period, PeriodColumn column) {
  return run.periods[static_cast<std::size_t>(period)][IndexOf(column)];
}

float PeriodAge(const engine::Run& run, int period) {
  return PeriodValue(run, period, PeriodColumn::Age);
}

template <std::size_t N>
ReportTable FlowTable(const ReportSource& source, const std::array<FlowColumn, N>& columns) {
  ReportTable table;
  table.first_line_count = kFlowFirstCount;
  for (const FlowColumn& column : columns) table.titles.push_back(column.title);
  const engine::Run& run = source.run;
  for (int period = 0; period < ShownPeriods(run, false); ++period) {
    ReportRow row{AgeLabel(PeriodAge(run, period)), {}};
    for (const FlowColumn& column : columns) {
      row.cells.push_back(AmountCell(PeriodValue(run, period, column.column)));
    }
    table.rows.push_back(std::move(row));
  }
  return table;
}

std::span<const model::Account> RunAccounts(const ReportSource& source) {
  return source.run.state.Accounts();
}

float Balance(const engine::Run& run, int period, std::size_t account) {
  if (static_cast<std::size_t>(period) >= run.balance_rows.size()) return 0;
  return run.balance_rows[static_cast<std::size_t>(period)][account];
}

double TotalBalance(const ReportSource& source, int period) {
  double total = 0;
  for (std::size_t i = 0; i < RunAccounts(source).size(); ++i) {
    total += Balance(source.run, period, i);
  }
  return total;
}

// One column per named group, by group index.
std::vector<int> NamedGroups(const model::Scenario& scenario) {
  std::vector<int> groups;
  for (int group = 0; group < model::kMaxGroups; ++group) {
    if (scenario.groups.names[static_cast<std::size_t>(group)].length() >= 2) {
      groups.push_back(group);
    }
  }
  return groups;
}

double GroupBalance(const ReportSource& source, int period, int group) {
  double total = 0;
  const auto accounts = RunAccounts(source);
  for (std::size_t i = 0; i < accounts.size(); ++i) {
    if (accounts[i].group == group) total += Balance(source.run, period, i);
  }
  return total;
}

float AllocationPercent(const model::Scenario& scenario, int category,
                        const model::Account& account) {
  if (account.slot >= model::kMaxAccounts) return 0;
  return scenario.allocation.percent[static_cast<std::size_t>(category)][account.slot];
}

}  // namespace

int ShownPeriods(const engine::Run& run, bool with_last) {
  const int periods = static_cast<int>(run.periods.size());
  return with_last ? periods : std::max(0, periods - 1);
}

std::vector<int> ShownCategories(const model::Scenario& scenario) {
  std::vector<int> categories;
  for (int category = 0; category < model::kAllocationCategories; ++category) {
    const std::string_view name =
        scenario.categories.names[static_cast<std::size_t>(category)].view();
    if (name.size() >= 2 && name != "No Allocation") categories.push_back(category);
  }
  return categories;
}

ReportTable NetWorthTable(const ReportSource& source) {
  const model::Scenario& scenario = source.scenario;
  const engine::Run& run = source.run;
  const bool power = scenario.initial.purchasing_power != 0;
  ReportTable table;
  table.first_line_count = kNetWorthFirstCount;
  table.titles.push_back("Net Worth");
  if (power) {
    table.titles.push_back(model::Format("Age %-5.2f %s",
                                         static_cast<double>(scenario.initial.start_age),
                                         source.run.options.currency.word.c_str()));
  }
  for (const char* title : {"Investment Accounts", "Tax-Free Accounts", "Retirement Accounts",
                            "Asset Accounts", "Equity Accounts", "Liabilities"}) {
    table.titles.push_back(title);
  }
  for (int period = 0; period < ShownPeriods(run, true); ++period) {
    const float age = PeriodAge(run, period);
    ReportRow row{AgeLabel(age), {AmountCell(PeriodValue(run, period, PeriodColumn::NetWorth))}};
    if (power) {
      const auto index = static_cast<std::size_t>(period);
      row.cells.push_back(
          AmountCell(index < run.purchasing_power.size() ? run.purchasing_power[index] : 0.0f));
    }
    for (const PeriodColumn column :
         {PeriodColumn::Investment, PeriodColumn::TaxFree, PeriodColumn::Retirement,
          PeriodColumn::Assets, PeriodColumn::Equity}) {
      row.cells.push_back(AmountCell(PeriodValue(run, period, column)));
    }
    const int whole = model::WholeAge(age);
    const bool known = whole >= 0 && whole < engine::kAgeSlots;
    row.cells.push_back(
        AmountCell(known ? run.category_series.liabilities[static_cast<std::size_t>(whole)] : 0));
    table.rows.push_back(std::move(row));
  }
  return table;
}

ReportTable IncomingTable(const ReportSource& source) {
  return FlowTable(source, kIncomingColumns);
}

ReportTable OutgoingTable(const ReportSource& source) {
  return FlowTable(source, kOutgoingColumns);
}

ReportTable AccountTable(const ReportSource& source, bool percentage) {
  ReportTable table;
  table.first_line_count = kAccountFirstCount;
  table.column_blocks = true;
  const auto accounts = RunAccounts(source);
  for (const model::Account& account : accounts) table.titles.push_back(account.name.str());
  for (int period = 0; period < ShownPeriods(source.run, false); ++period) {
    ReportRow row{AgeLabel(PeriodAge(source.run, period)), {}};
    const double total = TotalBalance(source, period);
    for (std::size_t i = 0; i < accounts.size(); ++i) {
      const float balance = Balance(source.run, period, i);
      row.cells.push_back(percentage ? PercentCell(balance, total) : AmountCell(balance));
    }
    table.rows.push_back(std::move(row));
  }
  return table;
}

ReportTable GroupTable(const ReportSource& source, bool percentage) {
  ReportTable table;
  table.first_line_count = kGroupFirstCount;
  table.column_blocks = true;
  const std::vector<int> groups = NamedGroups(source.scenario);
  for (const int group : groups) {
    table.titles.push_back(source.scenario.groups.names[static_cast<std::size_t>(group)].str());
  }
  for (int period = 0; period < ShownPeriods(source.run, false); ++period) {
    ReportRow row{AgeLabel(PeriodAge(source.run, period)), {}};
    const double total = TotalBalance(source, period);
    for (const int group : groups) {
      const double balance = GroupBalance(source, period, group);
      row.cells.push_back(percentage ? PercentCell(balance, total) : AmountCell(balance));
    }
    table.rows.push_back(std::move(row));
  }
  return table;
}

ReportTable AssetByAllocationTable(const ReportSource& source) {
  ReportTable table;
  table.first_line_count = kByAllocationFirstCount;
  table.column_blocks = true;
  const std::vector<int> categories = ShownCategories(source.scenario);
  for (const int category : categories) {
    table.titles.push_back(
        source.scenario.categories.names[static_cast<std::size_t>(category)].str());
  }
  const auto accounts = RunAccounts(source);
  for (int period = 0; period < ShownPeriods(source.run, false); ++period) {
    ReportRow row{AgeLabel(PeriodAge(source.run, period)), {}};
    for (const int category : categories) {
      double sum = 0;
      for (std::size_t i = 0; i < accounts.size(); ++i) {
        sum += static_cast<double>(Balance(source.run, period, i)) *
               AllocationPercent(source.scenario, category, accounts[i]) * 0.01;
      }
      row.cells.push_back(AmountCell(sum));
    }
    table.rows.push_back(std::move(row));
  }
  return table;
}

ReportTable AccountAssetAllocationTable(const ReportSource& source) {
  ReportTable table;
  table.label_title = "Account Name";
  table.first_line_count = kAllocationTableFirstCount;
  const std::vector<int> categories = ShownCategories(source.scenario);
  for (const int category : categories) {
    table.titles.push_back(
        source.scenario.categories.names[static_cast<std::size_t>(category)].str());
  }
  for (const model::Account& account : RunAccounts(source)) {
    ReportRow row{account.name.str(), {}};
    for (const int category : categories) {
      row.cells.push_back(model::Format(
          "%6.2f%%", static_cast<double>(AllocationPercent(source.scenario, category, account))));
    }
    table.rows.push_back(std::move(row));
  }
  return table;
}

}  // namespace tarvel::results::internal
