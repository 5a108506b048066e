// The Withdrawal editor.
#include "ui/editors/withdrawal_editor.h"

#include "model/event_views.h"
#include "ui/editors/cash_flow_fields.h"

namespace tarvel::ui {
namespace {

using namespace withdrawal_controls;

constexpr int kHelpContext = 516;

constexpr CashFlowControls kControls{kDescription, kStartAge, kEndAge,   kAmount,
                                     kApplyRate,   kOneTime,  kInflation};

// The fields a budget withdrawal takes from its budget.
constexpr int kBudgetFields[] = {kDescription, kStartAge, kEndAge,    kAmount,
                                 kApplyRate,   kOneTime,  kInflation, kAccount};

}  // namespace

DialogTemplate WithdrawalTemplate() {
  DialogTemplate dialog{"withdrawal", "Withdrawal", {}};
  AddLabelledEdit(dialog, kDescription, "Description:", 0, kDescriptionChars);
  AddLabelledEdit(dialog, kStartAge, "Start Age:", 1);
  AddLabelledEdit(dialog, kEndAge, "End Age:", 2);
  AddLabelledEdit(dialog, kAmount, "Amount:", 3, kAmountChars);
  AddLabelledEdit(dialog, kApplyRate, "Apply Rate (%):", 4);
  AddLabelledCombo(dialog, kAccount, "Withdrawal Account", 5);
  AddCheckBox(dialog, kOneTime, "One time only withdrawal", 6);
  AddCheckBox(dialog, kInflation, "Apply inflation rate to withdrawal", 7);
  AddCheckBox(dialog, kTodaysDollarsBox, "Use amount in age", 8);
  AddEditorButtons(dialog);
  return dialog;
}

WithdrawalEditor::WithdrawalEditor(EditorServices& services, const EditRequest& request)
    : EventEditorPresenter(services, request, kHelpContext),
      accounts_(services.scenario, true),
      budget_(model::IsBudgetWithdrawal(editing().event())) {}

std::uint16_t WithdrawalEditor::BudgetAccount() const {
  const int number = model::BudgetWithdrawalTerms(editing().event()).budget_number();
  if (number < 1 || number > model::kBudgetCount) return model::kNoAccount;
  const std::int32_t account = services().scenario.budgets[number - 1].account;
  if (account < 0 || account >= model::kNoAccount) return model::kNoAccount;
  return static_cast<std::uint16_t>(account);
}

void WithdrawalEditor::Initialise(platform::DialogView& view) {
  const model::FinancialEvent& event = editing().event();
  ShowCashFlowFields(view, kControls, event, currency(), initial_start_age());
  const model::CashFlowTerms terms(event);
  accounts_.Show(view, kAccount, budget_ ? BudgetAccount() : terms.account());
  if (budget_) {
    for (int control : kBudgetFields) view.SetEnabled(control, false);
  }
}

bool WithdrawalEditor::ReadFields(platform::DialogView& view, model::FinancialEvent& event) {
  model::CashFlowTerms terms(event);
  if (budget_) {
    // The budget dialog owns every other figure of its withdrawal.
    const std::uint16_t account = BudgetAccount();
    terms.account() = account;
    terms.account_chosen() = account == model::kNoAccount ? 0 : model::kChosenAccountMarker;
    terms.todays_dollars() = view.Checked(kTodaysDollarsBox) ? 1 : 0;
    return true;
  }
  const CashFlowReading reading{!view.Checked(kOneTime), true};
  if (!ReadCashFlowFields(view, services().prompter, kControls, reading, currency(), event)) {
    return false;
  }
  if (!ReadAccount(view, event)) return false;
  event.kind = model::EventKind::Withdrawal;
  return true;
}

bool WithdrawalEditor::ReadAccount(platform::DialogView& view, model::FinancialEvent& event) {
  const std::uint16_t account = accounts_.Chosen(view, kAccount);
  if (UsedByMortgage(account)) return false;
  if (!CheckAccountChoice(services().scenario, services().prompter, account,
                          AccountCheck::NoAssetsNoAllocation)) {
    return false;
  }
  model::CashFlowTerms terms(event);
  terms.account() = account;
  terms.account_chosen() = account == model::kNoAccount ? 0 : model::kChosenAccountMarker;
  return true;
}

bool EditWithdrawal(EditorServices& services, const EditRequest& request) {
  return RunEventEditor<WithdrawalEditor>(services, request, WithdrawalTemplate());
}

}  // namespace tarvel::ui
