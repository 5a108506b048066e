// The cash-flow editors' shared fields.
#include "ui/editors/cash_flow_fields.h"

#include <cmath>

#include "model/event_views.h"
#include "ui/editors/field_text.h"

namespace tarvel::ui {
namespace {

constexpr char kEndAgeCaption[] = "END AGE ERROR";

// The age a field holds when it is not checked: its number as typed, or the fallback when the
// text is not a number.
float TypedWholeAge(const platform::DialogView& view, int control, float fallback) {
  const std::optional<double> typed = ParseFieldNumber(view.Text(control));
  return typed ? WholeYears(*typed) : fallback;
}

std::uint16_t Flag(bool set) { return set ? 1 : 0; }

}  // namespace

FieldRule StartAgeRule(int control) { return {control, true, 0, 1.0, 120.0, 7, "START AGE ERROR"}; }
FieldRule EndAgeRule(int control) { return {control, true, 0, 1.0, 120.0, 7, kEndAgeCaption}; }
FieldRule AmountRule(int control) { return {control, true, 0, 1.0, 1e8, 2, "AMOUNT ERROR"}; }
FieldRule ApplyRateRule(int control) {
  return {control, true, 0, -20.0, 20.0, 8, "APPLY RATE ERROR"};
}

bool CheckEndAfterStart(platform::DialogView& view, platform::Prompter& prompter, int control,
                        float start_age, float end_age) {
  if (end_age > start_age) return true;
  ShowStop(prompter, EndAgeOrderText(start_age, end_age), kEndAgeCaption);
  view.SetFocus(control);
  return false;
}

void ShowCashFlowFields(platform::DialogView& view, const CashFlowControls& controls,
                        const model::FinancialEvent& event, const model::Currency& currency,
                        double initial_start_age) {
  const model::CashFlowTerms terms(event);
  ShowDescription(view, controls.description, event);
  view.SetText(controls.start_age, FieldText(event.start_age, kAgeField));
  view.SetText(controls.end_age, FieldText(event.end_age, kAgeField));
  view.SetText(controls.amount, MoneyFieldText(event.amount, currency));
  view.SetText(controls.apply_rate, FieldText(terms.apply_rate_percent(), kRateField));
  view.SetChecked(controls.one_time, terms.one_time_only() != 0);
  view.SetChecked(controls.inflation, terms.apply_inflation() != 0);
  view.SetChecked(kTodaysDollarsBox, terms.todays_dollars() != 0);
  view.SetText(kTodaysDollarsBox, TodaysDollarsCaption(initial_start_age, currency));
}

bool ReadCashFlowFields(platform::DialogView& view, platform::Prompter& prompter,
                        const CashFlowControls& controls, const CashFlowReading& reading,
                        const model::Currency& currency, model::FinancialEvent& event) {
  model::CashFlowTerms terms(event);
  ReadDescription(view, controls.description, event);
  const auto start = ValidateField(view, prompter, StartAgeRule(controls.start_age));
  if (!start) return false;
  event.start_age = WholeYears(*start);
  if (reading.end_age_checked) {
    const auto end = ValidateField(view, prompter, EndAgeRule(controls.end_age));
    if (!end) return false;
    if (!CheckEndAfterStart(view, prompter, controls.end_age, event.start_age, WholeYears(*end))) {
      return false;
    }
    event.end_age = WholeYears(*end);
  } else {
    event.end_age = TypedWholeAge(view, controls.end_age, event.start_age);
  }
  if (reading.amount_and_rate) {
    const auto amount = ValidateField(view, prompter, AmountRule(controls.amount), currency.symbol);
    if (!amount) return false;
    const auto rate = ValidateField(view, prompter, ApplyRateRule(controls.apply_rate));
    if (!rate) return false;
    event.amount = static_cast<float>(*amount);
    terms.apply_rate_percent() = static_cast<float>(*rate);
  }
  terms.one_time_only() = Flag(view.Checked(controls.one_time));
  terms.apply_inflation() = Flag(view.Checked(controls.inflation));
  terms.todays_dollars() = Flag(view.Checked(kTodaysDollarsBox));
  return true;
}

void AddLabelledEdit(DialogTemplate& dialog, int id, std::string label, int row, int max_chars) {
  dialog.controls.push_back(MakeControl(-id, ControlKind::Label, std::move(label), row, 0));
  Control edit = MakeControl(id, ControlKind::Edit, "", row, 1);
  edit.max_chars = max_chars;
  dialog.controls.push_back(edit);
}

void AddLabelledCombo(DialogTemplate& dialog, int id, std::string label, int row) {
  dialog.controls.push_back(MakeControl(-id, ControlKind::Label, std::move(label), row, 0));
  dialog.controls.push_back(MakeControl(id, ControlKind::ComboBox, "", row, 1));
}

void AddCheckBox(DialogTemplate& dialog, int id, std::string label, int row) {
  Control box = MakeControl(id, ControlKind::CheckBox, std::move(label), row, 0);
  box.column_span = 2;
  dialog.controls.push_back(box);
}

void AddEditorButtons(DialogTemplate& dialog) {
  dialog.controls.push_back(MakeControl(kIdOk, ControlKind::DefaultButton, "OK"));
  dialog.controls.push_back(MakeControl(kIdCancel, ControlKind::PushButton, "Cancel"));
  dialog.controls.push_back(MakeControl(kEditorHelpButton, ControlKind::PushButton, "&Help"));
}

}  // namespace tarvel::ui
