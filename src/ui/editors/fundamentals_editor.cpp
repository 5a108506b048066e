// The Fundamentals editor.
#include "ui/editors/fundamentals_editor.h"

#include <algorithm>

#include "model/event_views.h"
#include "model/scenario_ops.h"
#include "ui/editors/account_rate_dialog.h"
#include "ui/editors/cash_flow_fields.h"
#include "ui/editors/field_text.h"

namespace tarvel::ui {
namespace {

using namespace fundamentals_controls;

constexpr int kHelpContext = 262;

FieldRule TaxRateRule() { return {kTaxRate, true, 0, 0.0, 1000.0, 4, "TAX RATE ERROR"}; }
FieldRule InflationRateRule() {
  return {kInflationRate, true, 0, 0.0, 1000.0, 4, "INFLATION RATE ERROR"};
}

// The slot of the last Fundamentals event before `slot`, or -1.
int EarlierFundamentals(const model::Scenario& scenario, int slot) {
  for (int earlier = std::min(slot, model::kEventSlots) - 1; earlier >= 0; --earlier) {
    if (scenario.events[earlier].kind == model::EventKind::Fundamentals) return earlier;
  }
  return -1;
}

}  // namespace

DialogTemplate FundamentalsTemplate() {
  DialogTemplate dialog{"fundamentals", "Fundamentals", {}};
  AddLabelledEdit(dialog, kDescription, "Description:", 0, kDescriptionChars);
  AddLabelledEdit(dialog, kStartAge, "Start Age:", 1);
  AddLabelledEdit(dialog, kTaxRate, "Tax Rate (%):", 2);
  AddLabelledEdit(dialog, kInflationRate, "Inflation Rate (%):", 3);
  AddLabelledCombo(dialog, kAccount, "Change account rate", 4);
  dialog.controls.push_back(MakeControl(-kNewRate, ControlKind::Label, "New account rate:", 5, 0));
  dialog.controls.push_back(MakeControl(kNewRate, ControlKind::Label, "", 5, 1));
  // The button changes the rate of the account chosen beside it.
  Control change = MakeControl(kChangeRate, ControlKind::PushButton,
                               "Press to change selected account's rate.", 4, 2);
  change.on_grid = true;
  dialog.controls.push_back(change);
  AddEditorButtons(dialog);
  return dialog;
}

FundamentalsEditor::FundamentalsEditor(EditorServices& services, const EditRequest& request)
    : EventEditorPresenter(services, request, kHelpContext), accounts_(services.scenario, true) {
  if (editing().adding()) StartFromEarlierRates();
}

void FundamentalsEditor::StartFromEarlierRates() {
  const model::Scenario& scenario = services().scenario;
  model::FundamentalsTerms terms(editing().event());
  const int earlier = EarlierFundamentals(scenario, editing().slot());
  if (earlier < 0) {
    terms.tax_rate_percent() = scenario.initial.tax_rate;
    terms.inflation_rate_percent() = scenario.initial.inflation_rate;
    return;
  }
  const model::FundamentalsTerms previous(scenario.events[earlier]);
  terms.tax_rate_percent() = previous.tax_rate_percent();
  terms.inflation_rate_percent() = previous.inflation_rate_percent();
  terms.account() = previous.account();
  terms.account_rate_percent() = previous.account_rate_percent();
}

void FundamentalsEditor::Initialise(platform::DialogView& view) {
  const model::FinancialEvent& event = editing().event();
  const model::FundamentalsTerms terms(event);
  ShowDescription(view, kDescription, event);
  view.SetText(kStartAge, FieldText(event.start_age, kAgeField));
  view.SetText(kTaxRate, FieldText(terms.tax_rate_percent(), kRateField));
  view.SetText(kInflationRate, FieldText(terms.inflation_rate_percent(), kRateField));
  accounts_.Show(view, kAccount, terms.account());
  ShowAccountRate(view);
}

void FundamentalsEditor::ShowAccountRate(platform::DialogView& view) const {
  const model::FundamentalsTerms terms(editing().event());
  const bool set = terms.account() != model::kNoAccount;
  view.SetText(kNewRate, set ? FieldText(terms.account_rate_percent(), kRateField) + "%" : "");
}

void FundamentalsEditor::OtherCommand(platform::DialogView& view, int control) {
  if (control == kAccount || control == kChangeRate) ChangeAccountRate(view);
}

void FundamentalsEditor::ChangeAccountRate(platform::DialogView& view) {
  model::FundamentalsTerms terms(editing().event());
  const std::uint16_t chosen = accounts_.Chosen(view, kAccount);
  if (chosen == model::kNoAccount) {
    view.SetText(kNewRate, "");
    return;
  }
  const int position = model::FindAccount(services().scenario, chosen);
  if (position >= 0) {
    const model::Account& account = services().scenario.accounts.records[position];
    const float shown =
        chosen == terms.account() ? terms.account_rate_percent() : account.yearly_rate;
    const std::optional<float> rate = EditAccountRate(services(), account.name.str(), shown);
    if (rate) {
      terms.account() = chosen;
      terms.account_rate_percent() = *rate;
    }
  }
  // The list shows the account whose rate the event changes.
  accounts_.Show(view, kAccount, terms.account());
  ShowAccountRate(view);
}

bool FundamentalsEditor::ReadFields(platform::DialogView& view, model::FinancialEvent& event) {
  model::FundamentalsTerms terms(event);
  const std::uint16_t account = accounts_.Chosen(view, kAccount);
  if (UsedByMortgage(account)) return false;
  ReadDescription(view, kDescription, event);
  const auto start = ValidateField(view, services().prompter, StartAgeRule(kStartAge));
  if (!start) return false;
  const auto tax = ValidateField(view, services().prompter, TaxRateRule());
  if (!tax) return false;
  const auto inflation = ValidateField(view, services().prompter, InflationRateRule());
  if (!inflation) return false;
  event.start_age = WholeYears(*start);
  event.end_age = event.start_age;
  terms.tax_rate_percent() = static_cast<float>(*tax);
  terms.inflation_rate_percent() = static_cast<float>(*inflation);
  if (account == model::kNoAccount) terms.account() = model::kNoAccount;
  event.kind = model::EventKind::Fundamentals;
  return true;
}

bool EditFundamentals(EditorServices& services, const EditRequest& request) {
  return RunEventEditor<FundamentalsEditor>(services, request, FundamentalsTemplate());
}

}  // namespace tarvel::ui
