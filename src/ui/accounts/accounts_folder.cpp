// The Accounts folder's behaviour.
#include "ui/accounts/accounts_folder.h"

#include "model/event_views.h"
#include "model/money_format.h"
#include "model/record_counts.h"
#include "model/scenario_ops.h"
#include "ui/accounts/account_draft.h"
#include "ui/editors/field_check.h"

namespace tarvel::ui {
namespace {

bool NeedsAccount(const model::FinancialEvent& event, std::uint16_t id) {
  switch (event.kind) {
    case model::EventKind::Deposit:
      return model::CashFlowTerms(event).account() == id;
    case model::EventKind::Loan:
      return model::LoanTerms(event).deposit_account() == id;
    case model::EventKind::Fundamentals:
      return model::FundamentalsTerms(event).account() == id;
    case model::EventKind::Transfer:
      return model::CashFlowTerms(event).from_account() == id;
    default:
      return false;
  }
}

}  // namespace

std::vector<int> EventsNeedingAccount(const model::Scenario& scenario, std::uint16_t id) {
  std::vector<int> slots;
  const int count = model::EventCount(scenario);
  for (int slot = 0; slot < count; ++slot) {
    if (NeedsAccount(scenario.events[slot], id)) slots.push_back(slot);
  }
  return slots;
}

AccountsFolder::AccountsFolder(model::Scenario& scenario, platform::Prompter& prompter,
                               platform::Help& help, AccountsFolderHost& host)
    : scenario_(scenario), prompter_(prompter), help_(help), host_(host) {
  ascending_.fill(false);
}

std::vector<int> AccountsFolder::ShownOrder() const {
  return SortedPositions(scenario_, sort_column_, sort_column_ >= 0 && ascending_[sort_column_]);
}

void AccountsFolder::SortByColumn(int column) {
  if (column < 0 || column >= kSortableColumns) return;
  ascending_[column] = !ascending_[column];
  sort_column_ = column;
}

void AccountsFolder::SortByWithdrawalOrder(bool ticked) {
  if (!ticked) {
    sort_column_ = -1;
    return;
  }
  ascending_[kOrderColumn] = true;
  sort_column_ = kOrderColumn;
}

void AccountsFolder::Add() {
  if (RoomForAccount(scenario_, prompter_)) host_.OpenAccountDialog(-1);
}

void AccountsFolder::Edit(int position) {
  if (position < 0 || position >= model::AccountCount(scenario_) || host_.EditorIsOpen()) return;
  host_.OpenAccountDialog(position);
}

bool AccountsFolder::Delete(int position) {
  if (position < 0 || position >= model::AccountCount(scenario_)) return false;
  const std::uint16_t id = scenario_.accounts.records[position].id;
  const std::vector<int> needing = EventsNeedingAccount(scenario_, id);
  for (int slot : needing) {
    ShowStop(prompter_,
             model::Format("This account is required by the %s event.",
                           scenario_.events[slot].description.str().c_str()),
             "Account Deletion Problem!");
  }
  if (!needing.empty()) {
    ShowStop(prompter_, "Make the necessary changes to your Financial Scenario.",
             "Cannot delete this account!");
    return false;
  }
  model::RemoveAccount(scenario_, position);
  model::MatchRmdListingEntries(scenario_);
  model::RecomputeInitialTotals(scenario_);
  scenario_.modified = true;
  host_.AccountsChanged();
  return true;
}

void AccountsFolder::Help() { help_.ShowTopic(kAccountsFolderHelp); }

}  // namespace tarvel::ui
