// The account working copy.
#include "ui/accounts/account_draft.h"

#include "model/scenario_ops.h"
#include "ui/editors/field_check.h"

namespace tarvel::ui {

AccountDraft LoadAccountDraft(const model::Scenario& scenario, int position) {
  AccountDraft draft;
  draft.account = scenario.accounts.records[position];
  const int slot = draft.account.slot;
  if (slot >= model::kMaxAccounts) return draft;
  const model::AccountSettings& settings = scenario.settings;
  draft.penalty_rate = settings.penalty_rate[slot];
  draft.penalty_age = settings.penalty_age[slot];
  draft.allocation_flag = settings.allocation_flag[slot];
  draft.rmd_table = settings.rmd_table[slot];
  draft.standard_deviation = settings.standard_deviation[slot];
  draft.dividend_percent = scenario.dividends.yearly_percent[slot];
  draft.taxable_dividend_percent = scenario.dividends.taxable_percent[slot];
  draft.dividend_account = scenario.dividends.deposit_account[slot];
  return draft;
}

AccountDraft NewAccountDraft(int slot) {
  AccountDraft draft;
  draft.account.access_order.assign(" ");
  draft.account.slot = static_cast<std::uint16_t>(slot);
  return draft;
}

void StoreAccountDraft(model::Scenario& scenario, int position, const AccountDraft& draft) {
  scenario.accounts.records[position] = draft.account;
  const int slot = draft.account.slot;
  if (slot >= model::kMaxAccounts) return;
  model::AccountSettings& settings = scenario.settings;
  settings.penalty_rate[slot] = draft.penalty_rate;
  settings.penalty_age[slot] = draft.penalty_age;
  settings.allocation_flag[slot] = draft.allocation_flag;
  settings.rmd_table[slot] = draft.rmd_table;
  settings.standard_deviation[slot] = draft.standard_deviation;
  scenario.dividends.yearly_percent[slot] = draft.dividend_percent;
  scenario.dividends.taxable_percent[slot] = draft.taxable_dividend_percent;
  scenario.dividends.deposit_account[slot] = draft.dividend_account;
}

bool RoomForAccount(const model::Scenario& scenario, platform::Prompter& prompter) {
  const model::CapacityProblem problem = model::CheckRoomForAccount(scenario);
  if (problem.ok()) return true;
  ShowWarning(prompter, problem.text, problem.caption);
  return false;
}

}  // namespace tarvel::ui
