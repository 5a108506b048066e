// The working copy of one account while its dialogs are open: the record and the values of
// its settings slot (penalty, allocation, RMD table, standard deviation, dividends). Nothing
// reaches the scenario before the account dialog's OK, so Cancel leaves everything as it was.
#pragma once

#include <cstdint>

#include "model/records.h"
#include "platform/prompter.h"

namespace tarvel::ui {

struct AccountDraft {
  model::Account account;
  float penalty_rate = 10.0f;
  float penalty_age = 59.0f;
  std::uint16_t allocation_flag = 0;
  std::uint16_t rmd_table = 0;  // 10, 20 or 30; 0 none
  float standard_deviation = 0;
  float dividend_percent = 0;
  float taxable_dividend_percent = 100.0f;
  std::int16_t dividend_account = -1;  // account id, -1 none
};

// The account at this position with its slot's values.
AccountDraft LoadAccountDraft(const model::Scenario& scenario, int position);
// A new account in the given free slot: type Asset, a fresh slot's values.
AccountDraft NewAccountDraft(int slot);
// Writes the record at the position and the values into its slot.
void StoreAccountDraft(model::Scenario& scenario, int position, const AccountDraft& draft);

// True when another account fits; otherwise "Maximum number of accounts reached!" (caption
// "Account Warning") is shown. Every way of adding an account asks this first.
bool RoomForAccount(const model::Scenario& scenario, platform::Prompter& prompter);

}  // namespace tarvel::ui
