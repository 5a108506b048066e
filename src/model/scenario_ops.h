// Operations over the one in-memory scenario: clearing, account ids and settings slots,
// event ordering and activation, the RMD listing entries and the capacity checks.
#pragma once

#include <cstdint>
#include <string>

#include "model/records.h"

namespace tarvel::model {

// Resets the scenario to its cleared state. The event count, the use-birthday flag and the
// birth month and day are left as they are.
void ClearScenario(Scenario& scenario);
// What New adds on top of ClearScenario: per-account flags, the group block, RMD tables
// starting at 70 named "IRA 1".."IRA 3", the allocation category defaults.
void ApplyNewScenarioDefaults(Scenario& scenario);
// Fills in the allocation category names and data files when categories 0..4 are unnamed.
void FillAllocationCategoryDefaults(Scenario& scenario);
void ClearEvent(Scenario& scenario, int slot);
// The record a new event starts from: no kind yet, no account in any account field, and the
// given event number.
FinancialEvent NewEventRecord(std::uint16_t number);

// Position of the account with this id among the first count records, or -1.
int FindAccount(const Scenario& scenario, std::uint16_t account_id);
void RecomputeInitialTotals(Scenario& scenario);
// Gives the account at position count its id and counts it.
void AssignAccountId(Scenario& scenario);
void RenumberEvents(Scenario& scenario);
void RepairSettingsSlots(Scenario& scenario);
// The settings slot a new account (at position count) takes: one the first count accounts do
// not use, preferring the slot its record already holds.
int FreeSettingsSlot(const Scenario& scenario);
// Puts a settings slot back to a fresh account's values: penalty rate 10, penalty age 59,
// dividends 100 % taxable and deposited to no account (-1), everything else 0.
void ResetSettingsSlot(Scenario& scenario, int slot);
// Removes the account at this position: its slot is reset, the later records move up one
// place and the record freed at the end holds the slot for the next account.
void RemoveAccount(Scenario& scenario, int position);
// Resets slot, penalty age and rate and the allocation flag of all 50 records.
void ApplyPerAccountDefaults(Scenario& scenario);
void ApplyDividendDefaults(Scenario& scenario);

void OrderEventsByAge(Scenario& scenario);
void OrderEventsByKind(Scenario& scenario);
// Swaps two event slots together with their income and expense lists.
void SwapEvents(Scenario& scenario, int first, int second);
void RemoveEvent(Scenario& scenario, int slot);

void AddRmdLine(Scenario& scenario, int table);
void PurgeListingEntries(Scenario& scenario);
// Whether the account at this position is assigned to RMD table 1..3.
bool IsAssignedToRmdTable(const Scenario& scenario, int position, int table);
// Makes the RMD listing entries match the accounts' table choices without moving any other
// event: each table an account is assigned to keeps one entry where it stands (start age and
// name from the table, inactive if it was), a missing one is added with AddRmdLine, and the
// entries of other tables, repeated entries and the other stale listing entries go.
void MatchRmdListingEntries(Scenario& scenario);

bool IsInactive(const FinancialEvent& event);
// The start age with the inactive offset taken off.
float RealStartAge(const FinancialEvent& event);
void SetEventActive(Scenario& scenario, int slot, bool active);

// Capacity checks. Each returns an empty text when there is room, else the message to show.
struct CapacityProblem {
  std::string text;
  std::string caption;
  bool ok() const { return text.empty(); }
};
CapacityProblem CheckRoomForEvent(const Scenario& scenario);
CapacityProblem CheckRoomForAccount(const Scenario& scenario);
CapacityProblem CheckRoomForBudgetItem(const Budget& budget);
CapacityProblem CheckRoomForListItem(const IncomeExpenseList& list);

}  // namespace tarvel::model
