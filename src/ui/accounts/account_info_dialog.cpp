// The account information dialog.
#include "ui/accounts/account_info_dialog.h"

#include <algorithm>
#include <numeric>

#include "model/event_views.h"
#include "model/name_order.h"
#include "model/record_counts.h"
#include "model/scenario_ops.h"
#include "ui/accounts/account_rows.h"
#include "ui/accounts/dividend_dialog.h"
#include "ui/accounts/validate_text.h"
#include "ui/calculators/effective_rate_dialog.h"
#include "ui/editors/field_check.h"
#include "ui/editors/field_text.h"
#include "ui/options/rmd_table_fill.h"

namespace tarvel::ui {
namespace {

constexpr int kNameChars = 29;      // at most 28 characters
constexpr int kOrderChars = 4;      // at most 3 characters
constexpr int kNumberChars = 13;    // at most 12 characters
constexpr int kDeviationChars = 8;  // at most 7 characters
constexpr model::FixedFormat kDeviationFormat{6, 2, true};
constexpr std::uint16_t kTableValues[] = {10, 20, 30};
constexpr int kTableChecks[] = {kRmdTable1Check, kRmdTable2Check, kRmdTable3Check};

TextRule Rule(int control, double limit, const char* caption, int chars = kNumberChars) {
  return {control, true, chars, -limit, limit, caption, "", -1};
}

const TextRule kNumberRules[] = {
    Rule(kInitialAmountField, 1e8, "AMOUNT ERROR"),
    Rule(kYearlyRateField, 200, "RATE ERROR"),
    Rule(kRandomMinField, 200, "RATE ERROR"),
    Rule(kRandomMaxField, 200, "RATE ERROR"),
    Rule(kPenaltyRateField, 200, "RATE ERROR"),
    {kPenaltyAgeField, true, kNumberChars, 0, 120, "PENALTY AGE ERROR", "", -1},
    {kDeviationField, true, kDeviationChars, 0, 200, "Standard Deviation Value Error",
     "Standard Deviation values must be between 0.00 to 200.0", -1},
};

bool TakesPenalty(model::AccountType type) {
  return type == model::AccountType::Retirement || type == model::AccountType::TaxFree;
}

// Whether the event names the account as the one the user chose for it: a loan's or a
// mortgage's payment account, a card's payment account, a cash flow's account.
bool NamesAsChosen(const model::FinancialEvent& event, std::uint16_t id) {
  switch (model::VarietyOf(event)) {
    case model::EventVariety::Loan:
    case model::EventVariety::EquityLoan:
    case model::EventVariety::Mortgage: {
      const model::DebtTerms debt(event);
      return debt.payment_account_chosen() == model::kChosenAccountMarker &&
             debt.payment_account() == id;
    }
    case model::EventVariety::CreditCard: {
      const model::CreditCardTerms card(event);
      return card.payment_account_chosen() == model::kChosenAccountMarker &&
             card.payment_account() == id;
    }
    default: {
      const model::CashFlowTerms flow(event);
      return flow.account_chosen() == model::kChosenAccountMarker && flow.account() == id;
    }
  }
}

// Whether an event names the account as the one it explicitly withdraws from or pays from.
bool ChosenByAnEvent(const model::Scenario& scenario, std::uint16_t id) {
  const int count = model::EventCount(scenario);
  for (int slot = 0; slot < count; ++slot) {
    if (NamesAsChosen(scenario.events[slot], id)) return true;
  }
  return false;
}

}  // namespace

DialogTemplate AccountInfoTemplate() {
  DialogTemplate dialog{"accountinfo", "Account Information", {}};
  auto label = [](int id, const char* text, int row, int column = 0) {
    return MakeControl(id, ControlKind::Label, text, row, column);
  };
  // The effective-rate button sits beside the rate it calculates.
  Control effective = MakeControl(kEffectiveRateButton, ControlKind::PushButton,
                                  "Calculate Effective Yearly Rate", 3, 2);
  effective.on_grid = true;
  dialog.controls = {
      label(200, "Account Name", 0),
      MakeEdit(kAccountNameField, 0, 1, kNameChars),
      label(201, "Select Account Type", 1),
      MakeControl(kAccountTypeChoice, ControlKind::ComboBox, "", 1, 1),
      label(202, "Initial Amount", 2),
      MakeEdit(kInitialAmountField, 2, 1, kNumberChars),
      label(203, "Effective Yearly Rate (%)", 3),
      MakeEdit(kYearlyRateField, 3, 1, kNumberChars),
      label(204, "Random Minimum Rate (%)", 4),
      MakeEdit(kRandomMinField, 4, 1, kNumberChars),
      label(205, "Random Maximum Rate (%)", 5),
      MakeEdit(kRandomMaxField, 5, 1, kNumberChars),
      label(206, "Annualized Standard Deviation", 6),
      MakeEdit(kDeviationField, 6, 1, kDeviationChars),
      label(207, "Access Order", 7),
      MakeEdit(kAccessOrderField, 7, 1, kOrderChars),
      label(208, "Assign Group to Account", 8),
      MakeControl(kGroupChoice, ControlKind::ComboBox, "", 8, 1),
      MakeControl(kPenaltyCheck, ControlKind::CheckBox, "Early withdrawals subject to penalty", 9,
                  0, 2),
      label(209, "Penalty Rate (%)", 10),
      MakeEdit(kPenaltyRateField, 10, 1, kNumberChars),
      label(210, "Penalty Age", 11),
      MakeEdit(kPenaltyAgeField, 11, 1, kNumberChars),
      MakeControl(kAllocationCheck, ControlKind::CheckBox, "Assign asset allocation withdrawal", 12,
                  0, 2),
      MakeControl(kRmdTable1Check, ControlKind::CheckBox, "Assign RMD Table 1", 13, 0),
      MakeControl(kRmdTable2Check, ControlKind::CheckBox, "Assign RMD Table 2", 13, 1),
      MakeControl(kRmdTable3Check, ControlKind::CheckBox, "Assign RMD Table 3", 13, 2),
      MakeControl(kIdOk, ControlKind::DefaultButton, "OK"),
      MakeControl(kIdCancel, ControlKind::PushButton, "Cancel"),
      MakeControl(kDividendButton, ControlKind::PushButton, "&Dividend..."),
      MakeControl(kAccountHelpButton, ControlKind::PushButton, "&Help"),
      effective,
  };
  // The effective-rate calculator is not part of the program yet.
  dialog.controls.back().enabled = false;
  return dialog;
}

AccountInfoDialog::AccountInfoDialog(EditorServices& services, int position)
    : services_(services), position_(position) {
  const model::Scenario& scenario = services.scenario;
  if (position_ >= 0) {
    draft_ = LoadAccountDraft(scenario, position_);
  } else {
    draft_ = NewAccountDraft(model::FreeSettingsSlot(scenario));
  }
  const auto& names = scenario.groups.names;
  for (int group = 0; group < model::kMaxGroups; ++group) {
    if (names[group].view().size() > 1) group_of_choice_.push_back(group);
  }
  std::stable_sort(group_of_choice_.begin(), group_of_choice_.end(), [&names](int a, int b) {
    return model::NameBefore(names[a].view(), names[b].view());
  });
}

void AccountInfoDialog::Initialise(platform::DialogView& view) {
  const model::Account& account = draft_.account;
  const model::Currency& currency = services_.program.currency;
  view.SetText(kAccountNameField, account.name.str());
  view.SetText(kInitialAmountField, MoneyFieldText(account.initial_amount, currency));
  view.SetText(kYearlyRateField, FieldText(account.yearly_rate, kRateField));
  view.SetText(kRandomMinField, FieldText(account.random_min_rate, kRateField));
  view.SetText(kRandomMaxField, FieldText(account.random_max_rate, kRateField));
  view.SetText(kAccessOrderField, account.access_order.str());
  view.SetText(kPenaltyRateField, FieldText(draft_.penalty_rate, kRateField));
  view.SetText(kPenaltyAgeField, FieldText(draft_.penalty_age, kAgeField));
  view.SetText(kDeviationField, FieldText(draft_.standard_deviation, kDeviationFormat));
  view.SetChecked(kAllocationCheck, draft_.allocation_flag == 1);
  for (int table = 0; table < model::kRmdTables; ++table) {
    view.SetChecked(kTableChecks[table], draft_.rmd_table / 10 == table + 1);
  }
  view.SetItems(kAccountTypeChoice, AccountTypeNames());
  view.SetSelection(kAccountTypeChoice, std::clamp(static_cast<int>(account.type), 0, 4));
  std::vector<std::string> groups;
  for (int group : group_of_choice_) groups.push_back(services_.scenario.groups.names[group].str());
  view.SetItems(kGroupChoice, groups);
  const auto chosen = std::find(group_of_choice_.begin(), group_of_choice_.end(), account.group);
  view.SetSelection(kGroupChoice, chosen == group_of_choice_.end()
                                      ? -1
                                      : static_cast<int>(chosen - group_of_choice_.begin()));
  view.SetChecked(kPenaltyCheck, account.penalty_flag != 0);
  view.SetEnabled(kEffectiveRateButton, true);
  ShowPenaltyFields(view);
}

bool AccountInfoDialog::SelectedTypeTakesPenalty(const platform::DialogView& view) const {
  return TakesPenalty(static_cast<model::AccountType>(view.Selection(kAccountTypeChoice)));
}

void AccountInfoDialog::ShowPenaltyFields(platform::DialogView& view) const {
  const bool penalty = SelectedTypeTakesPenalty(view);
  if (!penalty) view.SetChecked(kPenaltyCheck, false);
  for (int control : {kPenaltyCheck, kPenaltyRateField, kPenaltyAgeField}) {
    view.SetEnabled(control, penalty);
  }
}

// The three table boxes exclude each other, and none ticked stays possible.
void AccountInfoDialog::OnTableChecked(platform::DialogView& view, int control) const {
  if (!view.Checked(control)) return;
  for (int other : kTableChecks) {
    if (other != control) view.SetChecked(other, false);
  }
}

bool AccountInfoDialog::ReadNumbers(platform::DialogView& view) {
  double values[std::size(kNumberRules)];
  for (std::size_t index = 0; index < std::size(kNumberRules); ++index) {
    const auto value = ValidateText(view, services_.prompter, kNumberRules[index]);
    if (!value) return false;
    values[index] = *value;
  }
  model::Account& account = draft_.account;
  account.initial_amount = account.balance = static_cast<float>(values[0]);
  account.yearly_rate = account.rate = static_cast<float>(values[1]);
  account.random_min_rate = static_cast<float>(values[2]);
  account.random_max_rate = static_cast<float>(values[3]);
  draft_.penalty_rate = static_cast<float>(values[4]);
  draft_.penalty_age = static_cast<float>(values[5]);
  draft_.standard_deviation = static_cast<float>(values[6]);
  return true;
}

bool AccountInfoDialog::ReadAllocation(platform::DialogView& view) {
  const bool ticked = view.Checked(kAllocationCheck);
  if (ticked && position_ >= 0 && ChosenByAnEvent(services_.scenario, draft_.account.id)) {
    ShowStop(services_.prompter,
             "You cannot assign this account for Asset Allocation Withdrawal\nwhile it is "
             "selected as a Withdrawal Event Account",
             "Asset Allocation Problem");
    view.SetChecked(kAllocationCheck, false);
    return false;
  }
  draft_.allocation_flag = ticked ? 1 : 0;
  return true;
}

void AccountInfoDialog::ReadTable(platform::DialogView& view) {
  draft_.rmd_table = 0;
  for (int table = 0; table < model::kRmdTables; ++table) {
    if (view.Checked(kTableChecks[table])) draft_.rmd_table = kTableValues[table];
  }
  const model::Scenario& scenario = services_.scenario;
  const auto target = static_cast<std::uint16_t>(scenario.settings.rmd_transfer_account);
  if (draft_.rmd_table != 0 && model::FindAccount(scenario, target) < 0) {
    ShowWarning(
        services_.prompter,
        "You have not selected an RMD \"Transfer Funds To\" account.\nThis selection is made "
        "from the Edit/Required Minimum Distribution menu item.",
        "RMD Problem");
  }
}

void AccountInfoDialog::ReadChoices(const platform::DialogView& view) {
  model::Account& account = draft_.account;
  account.name.assign(ReadFieldText(view, kAccountNameField, kNameChars));
  account.access_order.assign(ReadFieldText(view, kAccessOrderField, kOrderChars));
  const int type = std::clamp(view.Selection(kAccountTypeChoice), 0, 4);
  account.type = static_cast<model::AccountType>(type);
  const int group = view.Selection(kGroupChoice);
  if (group >= 0 && group < static_cast<int>(group_of_choice_.size())) {
    account.group = static_cast<std::uint16_t>(group_of_choice_[group]);
  }
  account.penalty_flag = TakesPenalty(account.type) && view.Checked(kPenaltyCheck) ? 1 : 0;
}

void AccountInfoDialog::Commit() {
  model::Scenario& scenario = services_.scenario;
  if (position_ < 0) {
    // A new account's slot starts from a fresh account's values; the dialog's values follow.
    const int position = model::AccountCount(scenario);
    model::ResetSettingsSlot(scenario, draft_.account.slot);
    StoreAccountDraft(scenario, position, draft_);
    model::AssignAccountId(scenario);
  } else {
    StoreAccountDraft(scenario, position_, draft_);
  }
  model::RepairSettingsSlots(scenario);
  model::MatchRmdListingEntries(scenario);
  model::RecomputeInitialTotals(scenario);
  scenario.modified = true;
  committed_ = true;
}

void AccountInfoDialog::Command(platform::DialogView& view, int control) {
  switch (control) {
    case kIdOk:
      if (position_ < 0 && !RoomForAccount(services_.scenario, services_.prompter)) return;
      ReadChoices(view);
      if (!ReadNumbers(view) || !ReadAllocation(view)) return;
      ReadTable(view);
      Commit();
      if (draft_.rmd_table != 0) OfferToFillEmptyTable(services_, draft_.rmd_table / 10 - 1);
      view.Close(kIdOk);
      break;
    case kIdCancel:
      view.Close(kIdCancel);
      break;
    case kAccountTypeChoice:
      ShowPenaltyFields(view);
      break;
    case kRmdTable1Check:
    case kRmdTable2Check:
    case kRmdTable3Check:
      OnTableChecked(view, control);
      break;
    case kEffectiveRateButton:
      ShowEffectiveRateCalculator(services_, [&view](const std::string& rate_text) {
        view.SetText(kYearlyRateField, rate_text);
      });
      break;
    case kDividendButton: {
      DividendDialog dividend(services_.scenario, services_.prompter, services_.help, draft_);
      services_.dialogs.RunModal(DividendTemplate(), dividend);
      break;
    }
    case kAccountHelpButton:
      services_.help.ShowTopic(kAccountInfoHelpContext);
      break;
    default:
      break;
  }
}

bool EditAccountInfo(EditorServices& services, const EditRequest& request) {
  const int count = model::AccountCount(services.scenario);
  const int position = request.index < count ? request.index : -1;
  if (position < 0 && !RoomForAccount(services.scenario, services.prompter)) return false;
  AccountInfoDialog dialog(services, position);
  services.dialogs.RunModal(AccountInfoTemplate(), dialog);
  return dialog.committed();
}

}  // namespace tarvel::ui
