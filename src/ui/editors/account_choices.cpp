// Account choice lists and checks.
#include "ui/editors/account_choices.h"

#include <algorithm>
#include <numeric>

#include "model/event_views.h"
#include "model/name_order.h"
#include "model/record_counts.h"
#include "model/scenario_ops.h"
#include "ui/editors/field_check.h"

namespace tarvel::ui {

AccountChoices::AccountChoices(const model::Scenario& scenario, bool with_no_selection,
                               const Admits& admits)
    : with_no_selection_(with_no_selection) {
  const int count = model::AccountCount(scenario);
  std::vector<int> order(static_cast<std::size_t>(count));
  std::iota(order.begin(), order.end(), 0);
  const auto& records = scenario.accounts.records;
  std::stable_sort(order.begin(), order.end(), [&records](int a, int b) {
    return model::NameBefore(records[a].name.view(), records[b].name.view());
  });
  if (with_no_selection_) items_.emplace_back(kNoSelection);
  for (int position : order) {
    if (admits && !admits(records[position])) continue;
    items_.push_back(records[position].name.str());
    ids_.push_back(records[position].id);
  }
}

std::uint16_t AccountChoices::IdAt(int position) const {
  const int entry = position - (with_no_selection_ ? 1 : 0);
  if (entry < 0 || entry >= static_cast<int>(ids_.size())) return model::kNoAccount;
  return ids_[entry];
}

int AccountChoices::PositionOf(std::uint16_t id) const {
  const auto found = std::find(ids_.begin(), ids_.end(), id);
  if (found == ids_.end()) return with_no_selection_ ? 0 : -1;
  return static_cast<int>(found - ids_.begin()) + (with_no_selection_ ? 1 : 0);
}

void AccountChoices::Show(platform::DialogView& view, int control, std::uint16_t selected) const {
  view.SetItems(control, items_);
  view.SetSelection(control, PositionOf(selected));
}

std::uint16_t AccountChoices::Chosen(const platform::DialogView& view, int control) const {
  return IdAt(view.Selection(control));
}

bool CheckAccountChoice(const model::Scenario& scenario, platform::Prompter& prompter,
                        std::uint16_t account_id, AccountCheck mode) {
  const int position = model::FindAccount(scenario, account_id);
  if (position < 0) return true;
  const model::Account& account = scenario.accounts.records[position];
  if (mode != AccountCheck::NoAllocation) {
    if (account.type == model::AccountType::Asset) {
      ShowStop(prompter, "You cannot select an account that is an Asset Type!", kAccountWarning);
      return false;
    }
    if (account.type == model::AccountType::Equity) {
      ShowStop(prompter, "You cannot select an account that is an Equity Type!", kAccountWarning);
      return false;
    }
  }
  if (mode != AccountCheck::NoAssets && account.slot < model::kMaxAccounts &&
      scenario.settings.allocation_flag[account.slot] != 0) {
    ShowStop(prompter, "You cannot select an account that is part of an Asset Allocation!",
             kAccountWarning);
    return false;
  }
  return true;
}

bool AccountUsedByMortgage(const model::Scenario& scenario, int event_count,
                           platform::Prompter& prompter, std::uint16_t account_id) {
  if (account_id == model::kNoAccount) return false;
  const int count = std::min(event_count, model::kMaxEvents);
  for (int slot = 0; slot < count; ++slot) {
    const model::FinancialEvent& event = scenario.events[slot];
    if (event.kind == model::EventKind::Mortgage &&
        model::MortgageTerms(event).equity_account() == account_id) {
      ShowStop(prompter, "You cannot select an account that is assigned to a Mortgage Event!",
               kAccountWarning);
      return true;
    }
  }
  return false;
}

}  // namespace tarvel::ui
