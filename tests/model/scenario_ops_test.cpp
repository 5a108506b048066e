// Clearing, account ids and settings slots, event ordering and removal, RMD listing entries
// and capacity checks of the in-memory scenario.
#include "model/scenario_ops.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/scenario_builder.h"

namespace tarvel::model {
namespace {

using test_support::AddAccount;
using test_support::AddEvent;
using test_support::MakeClearedScenario;

// Marks an event's income and expense list so a test can follow it through moves.
void TagList(Scenario& scenario, int slot, std::int32_t tag) {
  scenario.income_expense[slot].account = tag;
}

std::vector<std::uint16_t> EventNumbers(const Scenario& scenario) {
  std::vector<std::uint16_t> numbers;
  for (int slot = 0; slot < scenario.initial.event_count; ++slot) {
    numbers.push_back(scenario.events[slot].number);
  }
  return numbers;
}

// True when every event still carries the list tagged with its number.
bool ListsFollowTheirEvents(const Scenario& scenario) {
  for (int slot = 0; slot < scenario.initial.event_count; ++slot) {
    if (scenario.income_expense[slot].account != scenario.events[slot].number) return false;
  }
  return true;
}

TEST(ClearScenario, GivesTheDefaultInitialValuesAndBudgets) {
  auto scenario = MakeClearedScenario();
  const InitialValues& initial = scenario->initial;
  EXPECT_EQ(initial.start_age, 30.0f);
  EXPECT_EQ(initial.end_age, 84.0f);
  EXPECT_EQ(initial.inflation_rate, 4.0f);
  EXPECT_EQ(initial.tax_rate, 15.0f);
  EXPECT_EQ(initial.dividend_tax_rate, 15.0f);
  EXPECT_EQ(initial.reserved_52, 3.0f);
  EXPECT_EQ(scenario->accounts.count, 0);
  for (int index = 0; index < kBudgetCount; ++index) {
    const Budget& budget = scenario->budgets[index];
    EXPECT_EQ(budget.name.str(), "Budget " + std::to_string(index + 1));
    EXPECT_EQ(budget.item_count, 0);
    EXPECT_EQ(budget.account, -1);
  }
}

TEST(ClearScenario, LeavesEventCountAndBirthDateAlone) {
  auto scenario = std::make_unique<Scenario>();
  scenario->initial.event_count = 7;
  scenario->initial.use_birthday = 1;
  scenario->initial.birth_month = 11;
  scenario->initial.birth_day = 23;
  scenario->initial.start_age = 55.5f;
  ClearScenario(*scenario);
  EXPECT_EQ(scenario->initial.event_count, 7);
  EXPECT_EQ(scenario->initial.use_birthday, 1);
  EXPECT_EQ(scenario->initial.birth_month, 11);
  EXPECT_EQ(scenario->initial.birth_day, 23);
  EXPECT_EQ(scenario->initial.start_age, 30.0f);
}

TEST(ClearScenario, ResetsAccountsAndTheirSettingsSlots) {
  auto scenario = std::make_unique<Scenario>();
  scenario->accounts.count = 3;
  scenario->accounts.next_id = 12;
  scenario->accounts.records[4].name.assign("Brokerage");
  scenario->accounts.records[4].slot = 17;
  scenario->settings.rmd_table[2] = 20;
  scenario->dividends.yearly_percent[5] = 2.0f;
  ClearScenario(*scenario);
  EXPECT_EQ(scenario->accounts.count, 0);
  EXPECT_EQ(scenario->accounts.next_id, 0u);
  for (int position = 0; position < kMaxAccounts; ++position) {
    const Account& account = scenario->accounts.records[position];
    EXPECT_TRUE(account.name.empty());
    EXPECT_EQ(account.access_order.str(), " ");
    EXPECT_EQ(account.slot, position);
    EXPECT_EQ(scenario->settings.penalty_age[position], 59.0f);
    EXPECT_EQ(scenario->settings.penalty_rate[position], 10.0f);
  }
  EXPECT_EQ(scenario->settings.rmd_table[2], 0);
  EXPECT_EQ(scenario->dividends.yearly_percent[5], 0.0f);
}

TEST(ClearScenario, EmptiesGroupNamesButKeepsGroupBounds) {
  auto scenario = std::make_unique<Scenario>();
  scenario->groups.names[3].assign("Stocks");
  scenario->groups.random_max_rate[3] = 12.0f;
  scenario->groups.folder_name.assign("Portfolios");
  ClearScenario(*scenario);
  EXPECT_TRUE(scenario->groups.names[3].empty());
  EXPECT_EQ(scenario->groups.random_max_rate[3], 12.0f);
  EXPECT_EQ(scenario->groups.folder_name.str(), "Portfolios");
}

TEST(ClearScenario, EmptiesEventsListsAndReportHeaders) {
  auto scenario = std::make_unique<Scenario>();
  scenario->events[10].kind = EventKind::Deposit;
  scenario->events[10].number = 11;
  scenario->income_expense[152].item_count = 4;
  scenario->report_headers.lines[1].assign("Smith family");
  scenario->report_headers.print[1] = 1;
  scenario->window.use_default_fonts = 0;
  ClearScenario(*scenario);
  EXPECT_EQ(scenario->events[10].kind, EventKind::Empty);
  EXPECT_EQ(scenario->events[10].equity_account, kNoAccount);
  EXPECT_EQ(scenario->events[10].number, 11);
  EXPECT_EQ(scenario->events[149].kind, EventKind::Empty);
  EXPECT_EQ(scenario->income_expense[152].item_count, 0);
  EXPECT_TRUE(scenario->report_headers.lines[1].empty());
  EXPECT_EQ(scenario->report_headers.print[1], 0);
  EXPECT_EQ(scenario->window.use_default_fonts, 1);
  EXPECT_EQ(scenario->window.use_default_fonts_companion, 1);
}

TEST(ApplyNewScenarioDefaults, NamesRmdTablesAndClearsGroups) {
  auto scenario = MakeClearedScenario();
  scenario->groups.random_min_rate[0] = -5.0f;
  scenario->groups.folder_name.assign("Portfolios");
  scenario->settings.standard_deviation[4] = 15.0f;
  ApplyNewScenarioDefaults(*scenario);
  for (int table = 0; table < kRmdTables; ++table) {
    EXPECT_EQ(scenario->settings.rmd_start_age[table], 70);
    EXPECT_EQ(scenario->settings.rmd_table_name[table].str(), "IRA " + std::to_string(table + 1));
  }
  EXPECT_EQ(scenario->groups.random_min_rate[0], 0.0f);
  EXPECT_TRUE(scenario->groups.folder_name.empty());
  EXPECT_EQ(scenario->settings.standard_deviation[4], 0.0f);
  EXPECT_EQ(scenario->categories.names[0].str(), "Large Cap");
  EXPECT_EQ(scenario->categories.file_names[4].str(), "bond2.dat");
}

TEST(FillAllocationCategoryDefaults, FillsOnlyWhenTheFirstFiveAreUnnamed) {
  auto scenario = MakeClearedScenario();
  FillAllocationCategoryDefaults(*scenario);
  EXPECT_EQ(scenario->categories.names[3].str(), "Long Term Bond");
  EXPECT_EQ(scenario->categories.names[4].str(), "Inter. Term Bond");
  EXPECT_EQ(scenario->categories.file_names[2].str(), "cash.dat");
  EXPECT_TRUE(scenario->categories.names[5].empty());

  auto named = MakeClearedScenario();
  named->categories.names[2].assign("Gold");
  FillAllocationCategoryDefaults(*named);
  EXPECT_TRUE(named->categories.names[0].empty());
  EXPECT_EQ(named->categories.names[2].str(), "Gold");
}

TEST(ClearEvent, KeepsListRowNumberSellingPercentAndStepFlag) {
  auto scenario = MakeClearedScenario();
  FinancialEvent& event = scenario->events[4];
  event.kind = EventKind::Mortgage;
  event.start_age = 45;
  event.amount = 250000;
  event.description.assign("House");
  event.mortgage_link = 3;
  event.list_row = 6;
  event.number = 5;
  event.selling_percent = 6.0f;
  event.step_flag = 1;
  ClearEvent(*scenario, 4);
  EXPECT_EQ(event.kind, EventKind::Empty);
  EXPECT_EQ(event.start_age, 0.0f);
  EXPECT_EQ(event.amount, 0.0f);
  EXPECT_TRUE(event.description.empty());
  EXPECT_EQ(event.mortgage_link, 0);
  EXPECT_EQ(event.equity_account, kNoAccount);
  EXPECT_EQ(event.list_row, 6);
  EXPECT_EQ(event.number, 5);
  EXPECT_EQ(event.selling_percent, 6.0f);
  EXPECT_EQ(event.step_flag, 1);
}

TEST(ClearEvent, IgnoresSlotsOutsideTheTable) {
  auto scenario = MakeClearedScenario();
  ClearEvent(*scenario, -1);
  ClearEvent(*scenario, kEventSlots);
  SetEventActive(*scenario, kEventSlots, false);
  SwapEvents(*scenario, 0, kEventSlots);
  SUCCEED();
}

TEST(FindAccount, FindsIdsAmongCountedAccountsOnly) {
  auto scenario = MakeClearedScenario();
  AddAccount(*scenario, AccountType::Investment, 100, 5);
  AddAccount(*scenario, AccountType::Asset, 100, 5);
  scenario->accounts.records[2].id = 77;  // beyond the count
  EXPECT_EQ(FindAccount(*scenario, 1), 1);
  EXPECT_EQ(FindAccount(*scenario, 77), -1);
  EXPECT_EQ(FindAccount(*scenario, kNoAccount), -1);
  scenario->accounts.count = 900;  // damaged
  EXPECT_EQ(FindAccount(*scenario, 77), 2);
  scenario->accounts.count = -4;
  EXPECT_EQ(FindAccount(*scenario, 0), -1);
}

TEST(RecomputeInitialTotals, SumsAmountsAndAveragesRatesByType) {
  auto scenario = MakeClearedScenario();
  AddAccount(*scenario, AccountType::Investment, 1000, 6);
  AddAccount(*scenario, AccountType::Investment, 3000, 8);
  AddAccount(*scenario, AccountType::Retirement, 500, 5);
  AddAccount(*scenario, AccountType::Equity, 200000, 3);
  AddAccount(*scenario, AccountType::Asset, 15000, -10);
  scenario->accounts.records[0].balance = 1;
  RecomputeInitialTotals(*scenario);
  const InitialValues& initial = scenario->initial;
  EXPECT_EQ(initial.initial_investment, 4000.0f);
  EXPECT_EQ(initial.initial_retirement, 500.0f);
  EXPECT_EQ(initial.initial_tax_free, 0.0f);
  EXPECT_EQ(initial.initial_equity, 200000.0f);
  EXPECT_EQ(initial.initial_assets, 15000.0f);
  EXPECT_EQ(initial.investment_rate, 7.0f);
  EXPECT_EQ(initial.tax_free_rate, 0.0f);
  EXPECT_EQ(initial.retirement_rate, 5.0f);
  EXPECT_EQ(initial.equity_appreciation_rate, 3.0f);
  EXPECT_EQ(initial.asset_depreciation_rate, -10.0f);
  EXPECT_EQ(initial.reserved_52, 0.0f);
  EXPECT_EQ(scenario->accounts.records[0].balance, 1000.0f);
}

TEST(RecomputeInitialTotals, SkipsAccountsOfUnknownType) {
  auto scenario = MakeClearedScenario();
  AddAccount(*scenario, static_cast<AccountType>(9), 1000, 6);
  AddAccount(*scenario, AccountType::TaxFree, 50, 4);
  RecomputeInitialTotals(*scenario);
  EXPECT_EQ(scenario->initial.initial_tax_free, 50.0f);
  EXPECT_EQ(scenario->initial.tax_free_rate, 4.0f);
  EXPECT_EQ(scenario->accounts.records[0].balance, 1000.0f);
}

TEST(AssignAccountId, HandsOutIdsThatAreNeverReused) {
  auto scenario = MakeClearedScenario();
  for (int index = 0; index < 3; ++index) AddAccount(*scenario, AccountType::Asset, 0, 0);
  EXPECT_EQ(scenario->accounts.records[2].id, 2);
  // Delete the account at position 1, as the accounts folder does.
  scenario->accounts.records[1] = scenario->accounts.records[2];
  scenario->accounts.count = 2;
  const int position = AddAccount(*scenario, AccountType::Asset, 0, 0);
  EXPECT_EQ(position, 2);
  EXPECT_EQ(scenario->accounts.records[2].id, 3);
  EXPECT_EQ(scenario->accounts.count, 3);
  EXPECT_EQ(scenario->accounts.next_id, 4u);
}

TEST(AssignAccountId, RestartsAtTenAfter30000AndSkipsIdsInUse) {
  auto scenario = MakeClearedScenario();
  AddAccount(*scenario, AccountType::Asset, 0, 0);
  AddAccount(*scenario, AccountType::Asset, 0, 0);
  scenario->accounts.records[0].id = 11;
  scenario->accounts.records[1].id = 10;
  scenario->accounts.next_id = 30000;
  AddAccount(*scenario, AccountType::Asset, 0, 0);
  EXPECT_EQ(scenario->accounts.records[2].id, 12);
  EXPECT_EQ(scenario->accounts.next_id, 13u);
}

TEST(AssignAccountId, NeverHandsOutTheNoAccountId) {
  auto scenario = MakeClearedScenario();
  scenario->accounts.next_id = 70000;  // damaged file
  AddAccount(*scenario, AccountType::Asset, 0, 0);
  EXPECT_EQ(scenario->accounts.records[0].id, 10);
  scenario->accounts.next_id = 65534;
  scenario->accounts.records[0].id = 65534;
  AddAccount(*scenario, AccountType::Asset, 0, 0);
  EXPECT_NE(scenario->accounts.records[1].id, kNoAccount);
  EXPECT_NE(scenario->accounts.records[1].id, 65534);
}

TEST(AssignAccountId, DoesNothingWhenTheTableIsFull) {
  auto scenario = MakeClearedScenario();
  scenario->accounts.count = kMaxAccounts;
  scenario->accounts.next_id = 60;
  AssignAccountId(*scenario);
  EXPECT_EQ(scenario->accounts.count, kMaxAccounts);
  EXPECT_EQ(scenario->accounts.next_id, 60u);
}

TEST(RenumberEvents, RenumbersAllSlotsWhenANumberIsOutOfRange) {
  auto scenario = MakeClearedScenario();
  AddEvent(*scenario, EventKind::Deposit, 40).number = 9;
  AddEvent(*scenario, EventKind::Loan, 40).mortgage_link = 9;
  RenumberEvents(*scenario);
  EXPECT_EQ(EventNumbers(*scenario), (std::vector<std::uint16_t>{9, 2}));
  EXPECT_EQ(scenario->events[1].mortgage_link, 9);

  scenario->events[1].number = 152;
  RenumberEvents(*scenario);
  EXPECT_EQ(EventNumbers(*scenario), (std::vector<std::uint16_t>{1, 2}));
  EXPECT_EQ(scenario->events[1].mortgage_link, 0);
  EXPECT_EQ(scenario->events[149].number, 150);
}

TEST(RepairSettingsSlots, GivesDuplicatesTheHighestFreeSlot) {
  auto scenario = MakeClearedScenario();
  AccountTable& accounts = scenario->accounts;
  accounts.records[1].slot = 0;
  accounts.records[2].slot = 0;
  accounts.records[3].slot = 49;
  RepairSettingsSlots(*scenario);
  EXPECT_EQ(accounts.records[0].slot, 0);
  // 49 is still free when record 1 is visited; 49 and 48 are taken for record 3.
  EXPECT_EQ(accounts.records[1].slot, 49);
  EXPECT_EQ(accounts.records[2].slot, 48);
  EXPECT_EQ(accounts.records[3].slot, 47);
  std::vector<bool> seen(kMaxAccounts, false);
  for (const Account& account : accounts.records) {
    ASSERT_LT(account.slot, kMaxAccounts);
    EXPECT_FALSE(seen[account.slot]);
    seen[account.slot] = true;
  }
}

TEST(RepairSettingsSlots, GivesSlotsOutsideTheArraysAFreeSlot) {
  auto scenario = MakeClearedScenario();
  AccountTable& accounts = scenario->accounts;
  accounts.records[0].slot = 9999;
  RepairSettingsSlots(*scenario);
  EXPECT_EQ(accounts.records[0].slot, 49);
  // 1..49 are all taken when the last record is visited: slot 0 is the one left.
  EXPECT_EQ(accounts.records[49].slot, 0);

  for (Account& account : accounts.records) account.slot = 60000;
  RepairSettingsSlots(*scenario);
  EXPECT_EQ(accounts.records[0].slot, 49);
  EXPECT_EQ(accounts.records[48].slot, 1);
  EXPECT_EQ(accounts.records[49].slot, 0);
}

TEST(RepairSettingsSlots, HandsOutSlotZeroOnlyAsTheLastFreeSlot) {
  auto scenario = MakeClearedScenario();
  AccountTable& accounts = scenario->accounts;
  accounts.records[0].slot = 7;
  RepairSettingsSlots(*scenario);
  EXPECT_EQ(accounts.records[0].slot, 7);
  EXPECT_EQ(accounts.records[7].slot, 49);
  EXPECT_EQ(accounts.records[49].slot, 0);
}

TEST(OrderEventsByAge, SortsInactiveEventsByTheirRealAge) {
  auto scenario = MakeClearedScenario();
  AddEvent(*scenario, EventKind::Deposit, 70);
  AddEvent(*scenario, EventKind::Deposit, 1065);
  AddEvent(*scenario, EventKind::Deposit, 60);
  OrderEventsByAge(*scenario);
  EXPECT_EQ(EventNumbers(*scenario), (std::vector<std::uint16_t>{3, 2, 1}));
  SetEventActive(*scenario, 1, true);
  EXPECT_EQ(scenario->events[1].start_age, 65.0f);
}

TEST(OrderEventsByAge, BreaksTiesByKindAndKeepsEqualEventsInOrder) {
  auto scenario = MakeClearedScenario();
  AddEvent(*scenario, EventKind::Withdrawal, 50);
  AddEvent(*scenario, EventKind::Deposit, 50.7f);
  AddEvent(*scenario, EventKind::Fundamentals, 50);
  AddEvent(*scenario, EventKind::Deposit, 50);
  for (int slot = 0; slot < 4; ++slot) TagList(*scenario, slot, slot + 1);
  OrderEventsByAge(*scenario);
  EXPECT_EQ(EventNumbers(*scenario), (std::vector<std::uint16_t>{3, 2, 4, 1}));
  EXPECT_TRUE(ListsFollowTheirEvents(*scenario));
}

TEST(OrderEventsByKind, PutsRmdEntriesFirstThenKindsThenStoredAge) {
  auto scenario = MakeClearedScenario();
  AddEvent(*scenario, EventKind::Withdrawal, 40);
  AddEvent(*scenario, EventKind::Deposit, 1035);  // inactive: sorts by its stored age
  AddEvent(*scenario, EventKind::Deposit, 60);
  AddEvent(*scenario, EventKind::RmdLine, 70);
  AddEvent(*scenario, EventKind::Fundamentals, 80);
  for (int slot = 0; slot < 5; ++slot) TagList(*scenario, slot, slot + 1);
  OrderEventsByKind(*scenario);
  EXPECT_EQ(EventNumbers(*scenario), (std::vector<std::uint16_t>{4, 5, 3, 2, 1}));
  EXPECT_TRUE(ListsFollowTheirEvents(*scenario));
}

TEST(OrderEvents, TreatsDamagedCountsAsBounds) {
  auto scenario = MakeClearedScenario();
  scenario->initial.event_count = -3;
  OrderEventsByAge(*scenario);
  scenario->initial.event_count = 30000;
  OrderEventsByKind(*scenario);
  EXPECT_EQ(scenario->events[kEventSlots - 1].kind, EventKind::Unset);
}

TEST(RemoveEvent, MovesLaterEventsAndTheirListsDown) {
  auto scenario = MakeClearedScenario();
  for (int slot = 0; slot < 4; ++slot) {
    AddEvent(*scenario, EventKind::Deposit, 40.0f + slot);
    TagList(*scenario, slot, slot + 1);
  }
  scenario->income_expense[3].item_count = 2;
  RemoveEvent(*scenario, 1);
  EXPECT_EQ(scenario->initial.event_count, 3);
  EXPECT_EQ(EventNumbers(*scenario), (std::vector<std::uint16_t>{1, 3, 4}));
  EXPECT_TRUE(ListsFollowTheirEvents(*scenario));
  EXPECT_EQ(scenario->income_expense[2].item_count, 2);
  // The freed slot is empty and carries the removed event's number.
  EXPECT_EQ(scenario->events[3].kind, EventKind::Empty);
  EXPECT_EQ(scenario->events[3].number, 2);
  EXPECT_EQ(scenario->income_expense[3].item_count, 0);
  RemoveEvent(*scenario, 3);  // beyond the count
  EXPECT_EQ(scenario->initial.event_count, 3);
}

TEST(AddRmdLine, AddsOneEntryPerTable) {
  auto scenario = MakeClearedScenario();
  ApplyNewScenarioDefaults(*scenario);
  scenario->settings.rmd_start_age[1] = 72;
  AddEvent(*scenario, EventKind::Deposit, 40);
  AddRmdLine(*scenario, 2);
  AddRmdLine(*scenario, 2);
  ASSERT_EQ(scenario->initial.event_count, 2);
  const FinancialEvent& entry = scenario->events[1];
  EXPECT_EQ(entry.kind, EventKind::RmdLine);
  EXPECT_EQ(entry.start_age, 72.0f);
  EXPECT_EQ(entry.end_age, 120.0f);
  EXPECT_EQ(entry.word_22, 2);
  EXPECT_EQ(entry.description.str(), "IRA 2-RMD using Table 2.");
  AddRmdLine(*scenario, 1);
  EXPECT_EQ(scenario->events[2].description.str(), "IRA 1-RMD using Table 1.");
}

TEST(AddRmdLine, TruncatesLongTableNamesAndRefusesAFullTable) {
  auto scenario = MakeClearedScenario();
  scenario->settings.rmd_table_name[2].assign(std::string(31, 'N'));
  AddRmdLine(*scenario, 3);
  EXPECT_EQ(scenario->events[0].description.length(), 49u);
  AddRmdLine(*scenario, 7);
  EXPECT_EQ(scenario->events[1].start_age, 70.0f);

  auto full = MakeClearedScenario();
  full->initial.event_count = kMaxEvents;
  AddRmdLine(*full, 1);
  EXPECT_EQ(full->initial.event_count, kMaxEvents);
  EXPECT_EQ(full->events[kMaxEvents].kind, EventKind::Unset);
}

TEST(PurgeListingEntries, RemovesEveryListingEntryAndKeepsListsWithEvents) {
  auto scenario = MakeClearedScenario();
  const EventKind kinds[] = {
      EventKind::RmdLine, EventKind::Deposit,          EventKind::RmdLine,   EventKind::RmdLine,
      EventKind::Unset,   EventKind::RmdLine,          EventKind::Unset,     EventKind::RmdLine,
      EventKind::RmdLine, EventKind::AllocationOption, EventKind::Withdrawal};
  for (EventKind kind : kinds) AddEvent(*scenario, kind, 50);
  for (int slot = 0; slot < scenario->initial.event_count; ++slot) {
    TagList(*scenario, slot, slot + 1);
  }
  PurgeListingEntries(*scenario);
  EXPECT_EQ(EventNumbers(*scenario), (std::vector<std::uint16_t>{2, 11}));
  EXPECT_TRUE(ListsFollowTheirEvents(*scenario));
  EXPECT_EQ(scenario->events[2].kind, EventKind::Empty);
}

TEST(PurgeListingEntries, KeepsTheAllocationOptionWhileItsMethodIsOn) {
  auto scenario = MakeClearedScenario();
  scenario->accounts.allocation_method = 1;
  AddEvent(*scenario, EventKind::AllocationOption, 60, 120);
  AddEvent(*scenario, EventKind::RmdLine, 70, 120);
  PurgeListingEntries(*scenario);
  ASSERT_EQ(scenario->initial.event_count, 1);
  EXPECT_EQ(scenario->events[0].kind, EventKind::AllocationOption);
}

TEST(MatchRmdListingEntries, GivesEveryAssignedTableOneEntryWhereItStands) {
  auto scenario = MakeClearedScenario();
  ApplyNewScenarioDefaults(*scenario);
  scenario->settings.rmd_start_age[2] = 73;
  AddAccount(*scenario, AccountType::Retirement, 1000, 0, "IRA");
  AddAccount(*scenario, AccountType::Retirement, 1000, 0, "403b");
  scenario->settings.rmd_table[0] = 30;
  scenario->settings.rmd_table[1] = 10;
  AddEvent(*scenario, EventKind::RmdLine, 70, 120).word_22 = 2;  // no account: stale
  AddEvent(*scenario, EventKind::Deposit, 60, 60);
  AddEvent(*scenario, EventKind::RmdLine, 1070, 120).word_22 = 3;  // inactive
  AddEvent(*scenario, EventKind::RmdLine, 70, 120).word_22 = 3;    // repeated
  AddEvent(*scenario, EventKind::Withdrawal, 62, 62);

  MatchRmdListingEntries(*scenario);
  MatchRmdListingEntries(*scenario);

  ASSERT_EQ(scenario->initial.event_count, 4);
  EXPECT_EQ(scenario->events[0].kind, EventKind::Deposit);
  EXPECT_EQ(scenario->events[1].word_22, 3);
  EXPECT_EQ(scenario->events[1].description.str(), "IRA 3-RMD using Table 3.");
  EXPECT_FLOAT_EQ(scenario->events[1].start_age, 1073);  // still inactive, at the table's age
  EXPECT_EQ(scenario->events[2].kind, EventKind::Withdrawal);
  EXPECT_EQ(scenario->events[3].word_22, 1);  // the missing entry comes last
  EXPECT_EQ(scenario->events[3].description.str(), "IRA 1-RMD using Table 1.");
  EXPECT_FLOAT_EQ(scenario->events[3].start_age, 70);
}

TEST(SetEventActive, AddsAndRemovesTheInactiveOffsetOnce) {
  auto scenario = MakeClearedScenario();
  FinancialEvent& event = AddEvent(*scenario, EventKind::Deposit, 65);
  SetEventActive(*scenario, 0, false);
  SetEventActive(*scenario, 0, false);
  EXPECT_TRUE(IsInactive(event));
  EXPECT_EQ(event.start_age, 1065.0f);
  EXPECT_EQ(RealStartAge(event), 65.0f);
  SetEventActive(*scenario, 0, true);
  SetEventActive(*scenario, 0, true);
  EXPECT_FALSE(IsInactive(event));
  EXPECT_EQ(RealStartAge(event), 65.0f);
}

TEST(CapacityChecks, RefuseAdditionsBeyondEachCapacity) {
  auto scenario = MakeClearedScenario();
  EXPECT_TRUE(CheckRoomForEvent(*scenario).ok());
  EXPECT_TRUE(CheckRoomForAccount(*scenario).ok());
  scenario->initial.event_count = kMaxEvents;
  scenario->accounts.count = kMaxAccounts;
  const CapacityProblem event = CheckRoomForEvent(*scenario);
  EXPECT_EQ(event.text, "You have reached the maximum of 150 events for a scenario.");
  EXPECT_EQ(event.caption, "Event Warning");
  const CapacityProblem account = CheckRoomForAccount(*scenario);
  EXPECT_EQ(account.text, "Maximum number of accounts reached!");
  EXPECT_EQ(account.caption, "Account Warning");

  Budget budget;
  budget.item_count = kMaxItems - 1;
  EXPECT_TRUE(CheckRoomForBudgetItem(budget).ok());
  budget.item_count = kMaxItems;
  const CapacityProblem budget_problem = CheckRoomForBudgetItem(budget);
  EXPECT_EQ(budget_problem.text, "You have reached the maximum number of items for this budget");
  EXPECT_EQ(budget_problem.caption, "Budget Warning");

  IncomeExpenseList list;
  list.item_count = kMaxItems;
  const CapacityProblem list_problem = CheckRoomForListItem(list);
  EXPECT_EQ(list_problem.text, "You have reached the maximum number of items for this list");
  EXPECT_EQ(list_problem.caption, "Income/Expense Warning");
}

}  // namespace
}  // namespace tarvel::model
