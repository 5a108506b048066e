// Operations over the one in-memory scenario: clearing, account ids and settings slots,
// event ordering and activation, the RMD listing entries and the capacity checks.
#include "model/scenario_ops.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>

#include "model/event_views.h"
#include "model/money_format.h"
#include "model/record_counts.h"

namespace tarvel::model {
namespace {

constexpr std::uint32_t kAccountIdWrap = 30000;
constexpr std::uint32_t kAccountIdRestart = 10;
constexpr int kRmdEndAge = 120;
constexpr float kDefaultRmdStartAge = 70.0f;

constexpr std::array<const char*, 5> kCategoryNames = {"Large Cap", "Small Cap", "Cash",
                                                       "Long Term Bond", "Inter. Term Bond"};
constexpr std::array<const char*, 5> kCategoryFiles = {"stock1.dat", "stock2.dat", "cash.dat",
                                                       "bond1.dat", "bond2.dat"};

bool IsEventSlot(int slot) { return slot >= 0 && slot < kEventSlots; }

std::int16_t SignedKind(const FinancialEvent& event) {
  return static_cast<std::int16_t>(event.kind);
}

void ResetInitialValues(InitialValues& initial) {
  InitialValues defaults;
  defaults.event_count = initial.event_count;
  defaults.use_birthday = initial.use_birthday;
  defaults.birth_month = initial.birth_month;
  defaults.birth_day = initial.birth_day;
  initial = defaults;
}

void ClearAccounts(Scenario& scenario) {
  for (int position = 0; position < kMaxAccounts; ++position) {
    Account account;
    account.access_order.assign(" ");
    account.slot = static_cast<std::uint16_t>(position);
    scenario.accounts.records[position] = account;
    scenario.settings.penalty_age[position] = 59.0f;
    scenario.settings.penalty_rate[position] = 10.0f;
    scenario.settings.allocation_flag[position] = 0;
    scenario.settings.first_withdrawal_age[position] = 0;
    scenario.settings.drawn_rate_count[position] = 0;
  }
  scenario.accounts.count = 0;
  scenario.accounts.next_id = 0;
}

void NameBudgets(Scenario& scenario) {
  for (int index = 0; index < kBudgetCount; ++index) {
    Budget& budget = scenario.budgets[index];
    budget.name.assign(Format("Budget %d", index + 1));
    budget.account = -1;
  }
}

bool ComesBeforeByAge(const FinancialEvent& later, const FinancialEvent& earlier) {
  // Inactive events sort by their real start age.
  const auto sort_age = [](const FinancialEvent& event) {
    double age = event.start_age;
    if (age > kInactiveOffset) age -= kInactiveOffset;
    return std::trunc(age);
  };
  const double later_age = sort_age(later);
  const double earlier_age = sort_age(earlier);
  if (later_age < earlier_age) return true;
  return later_age == earlier_age && SignedKind(later) < SignedKind(earlier);
}

bool ComesBeforeByKind(const FinancialEvent& later, const FinancialEvent& earlier) {
  if (SignedKind(later) < SignedKind(earlier)) return true;
  return SignedKind(later) == SignedKind(earlier) && later.start_age < earlier.start_age;
}

// Bubble sort over the first count slots; equal events keep their order.
template <typename Before>
void BubbleSortEvents(Scenario& scenario, Before before) {
  const int count = EventCount(scenario);
  for (int pass = 0; pass + 1 < count; ++pass) {
    for (int slot = 0; slot + 1 < count; ++slot) {
      if (before(scenario.events[slot + 1], scenario.events[slot])) {
        SwapEvents(scenario, slot, slot + 1);
      }
    }
  }
}

bool IsListingEntry(const Scenario& scenario, const FinancialEvent& event) {
  if (event.kind == EventKind::RmdLine || event.kind == EventKind::Unset) return true;
  return event.kind == EventKind::AllocationOption && scenario.accounts.allocation_method == 0;
}

std::string RmdEntryDescription(const AccountSettings& settings, int table) {
  return Format("%s-RMD using Table %d.", settings.rmd_table_name[table - 1].str().c_str(), table);
}

bool RmdTableIsAssigned(const Scenario& scenario, int table) {
  for (int position = 0; position < scenario.accounts.count; ++position) {
    if (IsAssignedToRmdTable(scenario, position, table)) return true;
  }
  return false;
}

// One pass of the settings-slot repair: the first record holding a slot keeps it, later
// ones (and slots outside 0..49) get the highest free slot from 49 down to 1.
void RepairSettingsSlotsOnce(Scenario& scenario) {
  std::array<bool, kMaxAccounts> taken{};
  for (Account& account : scenario.accounts.records) {
    const int slot = account.slot;
    if (slot < kMaxAccounts && !taken[slot]) {
      taken[slot] = true;
      continue;
    }
    int free_slot = -1;
    for (int candidate = kMaxAccounts - 1; candidate >= 1; --candidate) {
      if (!taken[candidate]) {
        free_slot = candidate;
        break;
      }
    }
    // Slot 0 only as the last resort: with 1..49 all taken it is the one free slot left, and
    // keeping a shared or out-of-range slot would mix or lose the account's settings.
    if (free_slot < 0) free_slot = 0;
    account.slot = static_cast<std::uint16_t>(free_slot);
    taken[free_slot] = true;
  }
}

}  // namespace

void ClearScenario(Scenario& scenario) {
  scenario.events[0] = FinancialEvent{};
  scenario.settings = AccountSettings{};
  scenario.dividends = DividendSettings{};
  scenario.allocation = AllocationBlock{};
  scenario.budgets.fill(Budget{});
  for (IncomeExpenseList& list : scenario.income_expense) list = IncomeExpenseList{};
  scenario.categories = AllocationCategories{};

  ResetInitialValues(scenario.initial);
  ClearAccounts(scenario);
  for (TextField<21>& name : scenario.groups.names) name.clear();
  for (int slot = 0; slot < kMaxEvents; ++slot) ClearEvent(scenario, slot);

  scenario.window.use_default_fonts = 1;
  scenario.window.use_default_fonts_companion = 1;
  scenario.window.option_36 = 0;
  for (TextField<60>& line : scenario.report_headers.lines) line.clear();
  scenario.report_headers.print.fill(0);
  NameBudgets(scenario);
}

void ApplyNewScenarioDefaults(Scenario& scenario) {
  AccountSettings& settings = scenario.settings;
  settings.allocation_flag.fill(0);
  settings.first_withdrawal_age.fill(0);
  settings.rmd_table.fill(0);
  settings.standard_deviation.fill(0);
  settings.reserved_1238.fill(0);
  scenario.groups = GroupTable{};
  for (int table = 0; table < kRmdTables; ++table) {
    settings.rmd_start_age[table] = 70;
    settings.rmd_table_name[table].assign(Format("IRA %d", table + 1));
  }
  FillAllocationCategoryDefaults(scenario);
}

void FillAllocationCategoryDefaults(Scenario& scenario) {
  AllocationCategories& categories = scenario.categories;
  for (std::size_t index = 0; index < kCategoryNames.size(); ++index) {
    if (!categories.names[index].empty()) return;
  }
  for (std::size_t index = 0; index < kCategoryNames.size(); ++index) {
    categories.names[index].assign(kCategoryNames[index]);
    categories.file_names[index].assign(kCategoryFiles[index]);
  }
}

void ClearEvent(Scenario& scenario, int slot) {
  if (!IsEventSlot(slot)) return;
  FinancialEvent& event = scenario.events[slot];
  FinancialEvent cleared;
  cleared.list_row = event.list_row;
  cleared.number = event.number;
  cleared.selling_percent = event.selling_percent;
  cleared.step_flag = event.step_flag;
  cleared.reserved_120 = event.reserved_120;
  cleared.reserved_126 = event.reserved_126;
  cleared.reserved_132 = event.reserved_132;
  cleared.reserved_152 = event.reserved_152;
  cleared.kind = EventKind::Empty;
  cleared.equity_account = kNoAccount;
  event = cleared;
}

FinancialEvent NewEventRecord(std::uint16_t number) {
  FinancialEvent event;
  event.number = number;
  event.kind = EventKind::Empty;
  event.account_24 = kNoAccount;
  event.equity_account = kNoAccount;
  event.word_158 = kNoAccount;
  return event;
}

int FindAccount(const Scenario& scenario, std::uint16_t account_id) {
  const int count = AccountCount(scenario);
  for (int position = 0; position < count; ++position) {
    if (scenario.accounts.records[position].id == account_id) return position;
  }
  return -1;
}

void RecomputeInitialTotals(Scenario& scenario) {
  constexpr int kTypes = 5;
  std::array<double, kTypes> totals{};
  std::array<double, kTypes> rate_sums{};
  std::array<int, kTypes> counts{};
  const int count = AccountCount(scenario);
  for (int position = 0; position < count; ++position) {
    Account& account = scenario.accounts.records[position];
    account.balance = account.initial_amount;
    account.rate = account.yearly_rate;
    const auto type = static_cast<std::size_t>(account.type);
    if (type >= kTypes) continue;
    totals[type] += account.initial_amount;
    rate_sums[type] += account.yearly_rate;
    ++counts[type];
  }
  const auto average = [&](AccountType type) {
    const auto index = static_cast<std::size_t>(type);
    return counts[index] == 0 ? 0.0f : static_cast<float>(rate_sums[index] / counts[index]);
  };
  const auto total = [&](AccountType type) {
    return static_cast<float>(totals[static_cast<std::size_t>(type)]);
  };
  InitialValues& initial = scenario.initial;
  initial.reserved_2 = 0;
  initial.reserved_52 = 0;
  initial.initial_investment = total(AccountType::Investment);
  initial.initial_tax_free = total(AccountType::TaxFree);
  initial.initial_retirement = total(AccountType::Retirement);
  initial.initial_equity = total(AccountType::Equity);
  initial.initial_assets = total(AccountType::Asset);
  initial.investment_rate = average(AccountType::Investment);
  initial.tax_free_rate = average(AccountType::TaxFree);
  initial.retirement_rate = average(AccountType::Retirement);
  initial.asset_depreciation_rate = average(AccountType::Asset);
  initial.equity_appreciation_rate = average(AccountType::Equity);
}

void AssignAccountId(Scenario& scenario) {
  AccountTable& table = scenario.accounts;
  const int count = AccountCount(scenario);
  if (count >= kMaxAccounts) return;
  // Ids must stay below 65535, which stands for "no account".
  const auto restart_if_needed = [&table] {
    if (table.next_id == kAccountIdWrap || table.next_id >= kNoAccount) {
      table.next_id = kAccountIdRestart;
    }
  };
  restart_if_needed();
  bool clash = true;
  while (clash) {
    clash = false;
    for (int position = 0; position < count; ++position) {
      if (table.records[position].id == table.next_id) {
        ++table.next_id;
        if (table.next_id >= kNoAccount) table.next_id = kAccountIdRestart;
        clash = true;
      }
    }
  }
  table.records[count].id = static_cast<std::uint16_t>(table.next_id);
  table.count = static_cast<std::int16_t>(count + 1);
  ++table.next_id;
}

void RenumberEvents(Scenario& scenario) {
  const int count = EventCount(scenario);
  bool damaged = false;
  for (int slot = 0; slot < count; ++slot) {
    const std::uint16_t number = scenario.events[slot].number;
    if (number < 1 || number > kMaxEvents + 1) damaged = true;
  }
  if (!damaged) return;
  for (int slot = 0; slot < kMaxEvents; ++slot) {
    scenario.events[slot].number = static_cast<std::uint16_t>(slot + 1);
    scenario.events[slot].mortgage_link = 0;
  }
}

void RepairSettingsSlots(Scenario& scenario) {
  RepairSettingsSlotsOnce(scenario);
  RepairSettingsSlotsOnce(scenario);
}

int FreeSettingsSlot(const Scenario& scenario) {
  const int count = AccountCount(scenario);
  std::array<bool, kMaxAccounts> used{};
  for (int position = 0; position < count; ++position) {
    const int slot = scenario.accounts.records[position].slot;
    if (slot < kMaxAccounts) used[slot] = true;
  }
  if (count < kMaxAccounts) {
    const int own = scenario.accounts.records[count].slot;
    if (own < kMaxAccounts && !used[own]) return own;
  }
  for (int slot = 0; slot < kMaxAccounts; ++slot) {
    if (!used[slot]) return slot;
  }
  return -1;
}

void ResetSettingsSlot(Scenario& scenario, int slot) {
  if (slot < 0 || slot >= kMaxAccounts) return;
  AccountSettings& settings = scenario.settings;
  settings.penalty_rate[slot] = 10.0f;
  settings.penalty_age[slot] = 59.0f;
  settings.drawn_rate_count[slot] = 0;
  settings.allocation_flag[slot] = 0;
  settings.first_withdrawal_age[slot] = 0;
  settings.rmd_table[slot] = 0;
  settings.standard_deviation[slot] = 0;
  settings.reserved_1238[slot] = 0;
  scenario.dividends.yearly_percent[slot] = 0;
  scenario.dividends.taxable_percent[slot] = 100.0f;
  scenario.dividends.deposit_account[slot] = -1;
  for (int category = 0; category < kAllocationCategories; ++category) {
    scenario.allocation.percent[category][slot] = 0;
    scenario.allocation.working[category][slot] = 0;
  }
}

void RemoveAccount(Scenario& scenario, int position) {
  const int count = AccountCount(scenario);
  if (position < 0 || position >= count) return;
  auto& records = scenario.accounts.records;
  const std::uint16_t freed_slot = records[position].slot;
  ResetSettingsSlot(scenario, freed_slot);
  for (int later = position + 1; later < count; ++later) records[later - 1] = records[later];
  Account freed;
  freed.access_order.assign(" ");
  freed.slot = freed_slot;
  records[count - 1] = freed;
  scenario.accounts.count = static_cast<std::int16_t>(count - 1);
}

void ApplyPerAccountDefaults(Scenario& scenario) {
  for (int position = 0; position < kMaxAccounts; ++position) {
    scenario.accounts.records[position].slot = static_cast<std::uint16_t>(position);
    scenario.settings.penalty_rate[position] = 10.0f;
    scenario.settings.penalty_age[position] = 59.0f;
    scenario.settings.allocation_flag[position] = 0;
  }
}

void ApplyDividendDefaults(Scenario& scenario) {
  scenario.dividends.yearly_percent.fill(0);
  scenario.dividends.taxable_percent.fill(100.0f);
  scenario.dividends.deposit_account.fill(-1);
}

void OrderEventsByAge(Scenario& scenario) { BubbleSortEvents(scenario, ComesBeforeByAge); }

void OrderEventsByKind(Scenario& scenario) { BubbleSortEvents(scenario, ComesBeforeByKind); }

void SwapEvents(Scenario& scenario, int first, int second) {
  if (!IsEventSlot(first) || !IsEventSlot(second) || first == second) return;
  std::swap(scenario.events[first], scenario.events[second]);
  std::swap(scenario.income_expense[first], scenario.income_expense[second]);
}

void RemoveEvent(Scenario& scenario, int slot) {
  const int count = EventCount(scenario);
  if (slot < 0 || slot >= count) return;
  // The removed event's number passes to the freed slot, so event numbers stay distinct.
  const std::uint16_t freed_number = scenario.events[slot].number;
  for (int later = slot + 1; later < count; ++later) {
    scenario.events[later - 1] = scenario.events[later];
    scenario.income_expense[later - 1] = scenario.income_expense[later];
  }
  const int freed = count - 1;
  scenario.initial.event_count = static_cast<std::int16_t>(freed);
  ClearEvent(scenario, freed);
  scenario.events[freed].number = freed_number;
  scenario.income_expense[freed] = IncomeExpenseList{};
}

void AddRmdLine(Scenario& scenario, int table) {
  const int count = EventCount(scenario);
  for (int slot = 0; slot < count; ++slot) {
    const FinancialEvent& event = scenario.events[slot];
    if (event.kind == EventKind::RmdLine && RmdLine(event).table() == table) return;
  }
  if (count >= kMaxEvents) return;
  ClearEvent(scenario, count);
  FinancialEvent& event = scenario.events[count];
  event.kind = EventKind::RmdLine;
  event.end_age = kRmdEndAge;
  RmdLine(event).table() = static_cast<std::uint16_t>(table);
  const bool known_table = table >= 1 && table <= kRmdTables;
  if (known_table) {
    event.start_age = static_cast<float>(scenario.settings.rmd_start_age[table - 1]);
    event.description.assign(RmdEntryDescription(scenario.settings, table));
  } else {
    event.start_age = kDefaultRmdStartAge;
  }
  scenario.initial.event_count = static_cast<std::int16_t>(count + 1);
}

void PurgeListingEntries(Scenario& scenario) {
  scenario.initial.event_count = static_cast<std::int16_t>(EventCount(scenario));
  ClearEvent(scenario, scenario.initial.event_count);
  // Every listing entry goes, however many stand next to each other.
  int slot = 0;
  while (slot < scenario.initial.event_count) {
    if (IsListingEntry(scenario, scenario.events[slot])) {
      RemoveEvent(scenario, slot);
    } else {
      ++slot;
    }
  }
}

bool IsAssignedToRmdTable(const Scenario& scenario, int position, int table) {
  if (position < 0 || position >= AccountCount(scenario)) {
    return false;
  }
  const std::uint16_t slot = scenario.accounts.records[position].slot;
  if (slot >= kMaxAccounts) return false;
  return scenario.settings.rmd_table[slot] / 10 == table;
}

void MatchRmdListingEntries(Scenario& scenario) {
  std::array<bool, kRmdTables> listed{};
  int slot = 0;
  while (slot < EventCount(scenario)) {
    FinancialEvent& event = scenario.events[slot];
    const int table = RmdLine(event).table();
    const bool rmd = event.kind == EventKind::RmdLine;
    if (rmd && table >= 1 && table <= kRmdTables && !listed[table - 1] &&
        RmdTableIsAssigned(scenario, table)) {
      listed[table - 1] = true;
      const float start = static_cast<float>(scenario.settings.rmd_start_age[table - 1]);
      event.start_age = IsInactive(event) ? start + kInactiveOffset : start;
      event.description.assign(RmdEntryDescription(scenario.settings, table));
      ++slot;
    } else if (rmd || IsListingEntry(scenario, event)) {
      RemoveEvent(scenario, slot);
    } else {
      ++slot;
    }
  }
  for (int table = 1; table <= kRmdTables; ++table) {
    if (!listed[table - 1] && RmdTableIsAssigned(scenario, table)) AddRmdLine(scenario, table);
  }
}

bool IsInactive(const FinancialEvent& event) { return event.start_age >= kInactiveOffset; }

float RealStartAge(const FinancialEvent& event) {
  return IsInactive(event) ? event.start_age - kInactiveOffset : event.start_age;
}

void SetEventActive(Scenario& scenario, int slot, bool active) {
  if (!IsEventSlot(slot)) return;
  FinancialEvent& event = scenario.events[slot];
  if (active && IsInactive(event)) {
    event.start_age -= kInactiveOffset;
  } else if (!active && !IsInactive(event)) {
    event.start_age += kInactiveOffset;
  }
}

CapacityProblem CheckRoomForEvent(const Scenario& scenario) {
  if (scenario.initial.event_count < kMaxEvents) return {};
  return {"You have reached the maximum of 150 events for a scenario.", "Event Warning"};
}

CapacityProblem CheckRoomForAccount(const Scenario& scenario) {
  if (scenario.accounts.count < kMaxAccounts) return {};
  return {"Maximum number of accounts reached!", "Account Warning"};
}

CapacityProblem CheckRoomForBudgetItem(const Budget& budget) {
  if (budget.item_count < kMaxItems) return {};
  return {"You have reached the maximum number of items for this budget", "Budget Warning"};
}

CapacityProblem CheckRoomForListItem(const IncomeExpenseList& list) {
  if (list.item_count < kMaxItems) return {};
  return {"You have reached the maximum number of items for this list", "Income/Expense Warning"};
}

}  // namespace tarvel::model
