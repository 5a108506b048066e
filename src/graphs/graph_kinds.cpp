// Titles, series and pie components of graph kinds 1 to 8.
#include "graphs/graph_kinds.h"

#include <algorithm>

#include "model/money_format.h"

namespace tarvel::graphs {
namespace {

struct Column {
  const char* name;
  PeriodColumn column;
};

constexpr Column kNetWorth[] = {
    {"Net Worth", PeriodColumn::NetWorth},        {"Investment Accounts", PeriodColumn::Investment},
    {"Tax-free Accounts", PeriodColumn::TaxFree}, {"Retirement Accounts", PeriodColumn::Retirement},
    {"Asset Accounts", PeriodColumn::Assets},     {"Equity", PeriodColumn::Equity}};
constexpr Column kInOut[] = {{"Incoming", PeriodColumn::Incoming},
                             {"Outgoing", PeriodColumn::Outgoing}};
constexpr Column kIncoming[] = {{"Total Incoming", PeriodColumn::Incoming},
                                {"Deposits", PeriodColumn::Deposits},
                                {"Taxable Income", PeriodColumn::TaxableIncome},
                                {"Non Taxable Income", PeriodColumn::NontaxableIncome},
                                {"Loans", PeriodColumn::Loans},
                                {"Assets", PeriodColumn::IncomeFromAssets},
                                {"Equity", PeriodColumn::IncomeFromEquity}};
constexpr Column kOutgoing[] = {{"Total Outgoing", PeriodColumn::Outgoing},
                                {"Withdrawals", PeriodColumn::Withdrawals},
                                {"Interest Paid", PeriodColumn::InterestPaid},
                                {"Other/Loan/Mortgage", PeriodColumn::OtherOutgoing},
                                {"Taxes Paid", PeriodColumn::Taxes},
                                {"Penalties Paid", PeriodColumn::Penalties}};

template <std::size_t N>
void AddColumns(const Column (&columns)[N], std::size_t from, std::vector<std::string>& names,
                std::vector<SeriesRef>& series) {
  for (std::size_t i = from; i < N; ++i) {
    names.emplace_back(columns[i].name);
    series.push_back(ColumnSeries(columns[i].column));
  }
}

// Account positions of the range that the scenario has, at most ten.
std::vector<int> AccountsOf(const ChartSource& source, AccountRange range) {
  std::vector<int> positions;
  const int count = static_cast<int>(source.account_names.size());
  const int first = std::max(0, range.first);
  const int last = std::min({range.last, count - 1, first + kAccountsPerFolder - 1});
  for (int position = first; position <= last; ++position) positions.push_back(position);
  return positions;
}

bool GroupShown(const std::string& name) { return name.size() >= 2; }

bool CategoryShown(const std::string& name) { return name.size() >= 2 && name != "No Allocation"; }

std::string GroupsTitle(const ChartSource& source) {
  return source.group_folder_name.size() >= 3 ? source.group_folder_name : "GROUPS";
}

void AddNamed(const std::vector<std::string>& names, bool (*shown)(const std::string&),
              SeriesSource kind, std::vector<std::string>& out_names,
              std::vector<SeriesRef>& out_series) {
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (!shown(names[i])) continue;
    out_names.push_back(names[i]);
    out_series.push_back({kind, static_cast<int>(i)});
  }
}

}  // namespace

std::string AccountsTitle(AccountRange range) {
  return model::Format("ACCOUNTS %d to %d", range.first + 1, range.last + 1);
}

KindSeries SeriesOfKind(GraphKind kind, const ChartSource& source, AccountRange accounts,
                        std::string_view caller_title) {
  KindSeries result;
  switch (kind) {
    case GraphKind::Breakdown:  // drawn as the pie of the kind it was opened from
      break;
    case GraphKind::NetWorth:
      result.title = "NET WORTH";
      AddColumns(kNetWorth, 0, result.names, result.series);
      result.purchasing_power = source.purchasing_power_shown;
      break;
    case GraphKind::InOut:
      result.title = "INCOMING / OUTGOING";
      AddColumns(kInOut, 0, result.names, result.series);
      result.flows = true;
      break;
    case GraphKind::Incoming:
      result.title = "INCOMING";
      AddColumns(kIncoming, 0, result.names, result.series);
      result.flows = true;
      break;
    case GraphKind::Outgoing:
      result.title = "OUTGOING";
      AddColumns(kOutgoing, 0, result.names, result.series);
      result.flows = true;
      break;
    case GraphKind::Accounts:
      result.title = AccountsTitle(accounts);
      for (int position : AccountsOf(source, accounts)) {
        result.names.push_back(source.account_names[static_cast<std::size_t>(position)]);
        result.series.push_back({SeriesSource::AccountBalance, position});
      }
      break;
    case GraphKind::Groups:
      result.title = GroupsTitle(source);
      AddNamed(source.group_names, GroupShown, SeriesSource::GroupTotal, result.names,
               result.series);
      break;
    case GraphKind::Allocation:
      result.title = std::string(caller_title);
      AddNamed(source.category_names, CategoryShown, SeriesSource::AllocationTotal, result.names,
               result.series);
      break;
  }
  return result;
}

std::vector<PieComponent> BreakdownComponents(GraphKind kind, const ChartSource& source,
                                              AccountRange accounts) {
  std::vector<PieComponent> components;
  auto add_columns = [&](const auto& columns, std::size_t from) {
    std::vector<std::string> names;
    std::vector<SeriesRef> series;
    AddColumns(columns, from, names, series);
    for (std::size_t i = 0; i < names.size(); ++i) components.push_back({names[i], series[i]});
  };
  switch (kind) {
    case GraphKind::Breakdown:
      break;
    case GraphKind::NetWorth:
      add_columns(kNetWorth, 1);
      break;
    case GraphKind::InOut:
      add_columns(kInOut, 0);
      break;
    case GraphKind::Incoming:
      add_columns(kIncoming, 1);
      break;
    case GraphKind::Outgoing:
      add_columns(kOutgoing, 1);
      break;
    case GraphKind::Accounts:
    case GraphKind::Groups:
    case GraphKind::Allocation: {
      const KindSeries series = SeriesOfKind(kind, source, accounts);
      for (std::size_t i = 0; i < series.names.size(); ++i) {
        components.push_back({series.names[i], series.series[i], kind == GraphKind::Groups});
      }
      break;
    }
  }
  return components;
}

int SliceColourEntry(GraphKind kind, int slice) {
  const bool first_entry = kind == GraphKind::Accounts || kind == GraphKind::Groups;
  return slice + (first_entry ? 1 : 2);
}

}  // namespace tarvel::graphs
