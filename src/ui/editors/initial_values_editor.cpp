// The Initial Values dialog.
#include "ui/editors/initial_values_editor.h"

#include <cmath>
#include <memory>

#include "engine/birthday_fraction.h"
#include "model/money_format.h"
#include "model/scenario_ops.h"
#include "ui/editors/field_check.h"
#include "ui/editors/field_text.h"

namespace tarvel::ui {
namespace {

constexpr model::FixedFormat kStartAgeFormat{6, 3, true};  // "%-6.3f"

const FieldRule kBirthMonthRule{kInitialBirthMonth, false, 3, 1, 12, 9, "BIRTH MONTH ERROR"};
const FieldRule kBirthDayRule{kInitialBirthDay, false, 3, 1, 31, 10, "BIRTH DAY ERROR"};
const FieldRule kStartAgeRule{kInitialStartAge, true, 0, 1.0, 120.0, 7, "START AGE ERROR"};
const FieldRule kEndAgeRule{kInitialEndAge, true, 0, 1.0, 120.0, 7, "END AGE ERROR"};
const FieldRule kInflationRule{kInitialInflation, true, 0, -10.0, 50.0, 4, "INFLATION RATE ERROR"};
const FieldRule kTaxRateRule{kInitialTaxRate, true, 0, 0.0, 1000.0, 4, "TAX RATE ERROR"};
const FieldRule kDividendTaxRule{kInitialDividendTax, true, 0, 0.0, 1000.0, 4, "TAX RATE ERROR"};

// The shown-only totals: amount field, rate field, caption, and where the values live.
struct TotalRow {
  int amount_control;
  int rate_control;
  const char* caption;
  float model::InitialValues::*amount;
  float model::InitialValues::*rate;
};

constexpr TotalRow kTotalRows[] = {
    {117, 118, "Investment Savings:", &model::InitialValues::initial_investment,
     &model::InitialValues::investment_rate},
    {120, 121, "Tax-Free Savings:", &model::InitialValues::initial_tax_free,
     &model::InitialValues::tax_free_rate},
    {104, 105, "Retirement Savings:", &model::InitialValues::initial_retirement,
     &model::InitialValues::retirement_rate},
    {106, 109, "Equity:", &model::InitialValues::initial_equity,
     &model::InitialValues::equity_appreciation_rate},
    {114, 119, "Assets:", &model::InitialValues::initial_assets,
     &model::InitialValues::asset_depreciation_rate},
};
constexpr int kTotalAmountControl = 123;

std::string WholeText(int value) { return model::Format("%d", value); }

// A birth date not given (a new plan's) is shown as empty fields.
std::string BirthText(int value) { return value == 0 ? std::string() : WholeText(value); }

bool LeftEmpty(const platform::DialogView& view, int control) {
  return ParseFieldNumber(view.Text(control)) == 0.0;
}

}  // namespace

DialogTemplate InitialValuesTemplate() {
  using K = ControlKind;
  DialogTemplate dialog{"initial", "Initial Values", {}};
  auto& c = dialog.controls;
  c.push_back(MakeControl(0, K::GroupBox, "Ages", 0, 0, 4));
  c.push_back(MakeControl(0, K::Label, "Birth &Month:", 1, 0));
  c.push_back(MakeEdit(kInitialBirthMonth, 1, 1, 2));
  c.push_back(MakeControl(0, K::Label, "Birth &Day:", 1, 2));
  c.push_back(MakeEdit(kInitialBirthDay, 1, 3, 2));
  c.push_back(MakeControl(0, K::Label, "&Start Age:", 2, 0));
  c.push_back(MakeEdit(kInitialStartAge, 2, 1, 8));
  c.push_back(MakeControl(kInitialUseBirthday, K::CheckBox, "Use &Birthday", 2, 2, 2));
  c.push_back(MakeControl(0, K::Label, "&End Age:", 3, 0));
  c.push_back(MakeEdit(kInitialEndAge, 3, 1, 8));
  c.push_back(MakeControl(0, K::GroupBox, "Rates", 4, 0, 4));
  c.push_back(MakeControl(0, K::Label, "&Inflation Rate (%):", 5, 0));
  c.push_back(MakeEdit(kInitialInflation, 5, 1, 9));
  c.push_back(MakeControl(0, K::Label, "Effective &Tax Rate (%):", 6, 0));
  c.push_back(MakeEdit(kInitialTaxRate, 6, 1, 9));
  c.push_back(MakeControl(0, K::Label, "Di&vidend Tax Rate (%):", 7, 0));
  c.push_back(MakeEdit(kInitialDividendTax, 7, 1, 9));
  c.push_back(MakeControl(kInitialPurchasingPower, K::CheckBox,
                          "Display Net Worth in Today's &Purchasing Power", 8, 0, 4));
  c.push_back(MakeControl(0, K::GroupBox, "Initial Accounts", 9, 0, 4));
  c.push_back(MakeControl(0, K::Label, "Amount", 10, 1));
  c.push_back(MakeControl(0, K::Label, "Average Rate", 10, 2));
  int row = 11;
  for (const TotalRow& total : kTotalRows) {
    c.push_back(MakeControl(0, K::Label, total.caption, row, 0));
    c.push_back(MakeControl(total.amount_control, K::Label, "", row, 1));
    c.push_back(MakeControl(total.rate_control, K::Label, "", row, 2));
    ++row;
  }
  c.push_back(MakeControl(0, K::Label, "Total Amount In Accounts:", row, 0));
  c.push_back(MakeControl(kTotalAmountControl, K::Label, "", row, 1));
  c.push_back(MakeControl(kIdOk, K::DefaultButton, "OK"));
  c.push_back(MakeControl(kIdCancel, K::PushButton, "Cancel"));
  c.push_back(MakeControl(kInitialValuesHelpButton, K::PushButton, "&Help"));
  return dialog;
}

InitialValuesEditor::InitialValuesEditor(EditorServices& services)
    : services_(services), working_(services.scenario.initial) {
  // The totals come from the accounts as they are now, without touching the scenario.
  auto copy = std::make_unique<model::Scenario>(services.scenario);
  model::RecomputeInitialTotals(*copy);
  totals_ = copy->initial;
}

double InitialValuesEditor::AgeFromBirthday(double start_age) const {
  double age = std::floor(start_age);
  if (working_.use_birthday != 0) {
    age +=
        engine::BirthdayFraction(services_.clock.Today(), working_.birth_month, working_.birth_day);
  }
  return age;
}

void InitialValuesEditor::Initialise(platform::DialogView& view) {
  view.SetText(kInitialBirthMonth, BirthText(working_.birth_month));
  view.SetText(kInitialBirthDay, BirthText(working_.birth_day));
  const double start =
      working_.use_birthday != 0 ? AgeFromBirthday(working_.start_age) : working_.start_age;
  view.SetText(kInitialStartAge, FieldText(start, kStartAgeFormat));
  view.SetText(kInitialEndAge, FieldText(working_.end_age, kAgeField));
  view.SetText(kInitialInflation, FieldText(working_.inflation_rate, kRateField));
  view.SetText(kInitialTaxRate, FieldText(working_.tax_rate, kRateField));
  view.SetText(kInitialDividendTax, FieldText(working_.dividend_tax_rate, kRateField));
  view.SetChecked(kInitialUseBirthday, working_.use_birthday != 0);
  view.SetChecked(kInitialPurchasingPower, working_.purchasing_power != 0);
  ShowTotals(view);
}

void InitialValuesEditor::ShowTotals(platform::DialogView& view) const {
  const model::Currency& currency = services_.program.currency;
  double sum = 0;
  for (const TotalRow& total : kTotalRows) {
    view.SetText(total.amount_control, MoneyFieldText(totals_.*total.amount, currency));
    view.SetText(total.rate_control, FieldText(totals_.*total.rate, kRateField) + "%");
    sum += totals_.*total.amount;
  }
  view.SetText(kTotalAmountControl, MoneyFieldText(sum, currency));
}

void InitialValuesEditor::Command(platform::DialogView& view, int control) {
  switch (control) {
    case kIdOk:
      if (CheckAndStore(view)) {
        committed_ = true;
        view.Close(kIdOk);
      }
      break;
    case kIdCancel:
      view.Close(kIdCancel);
      break;
    case kInitialUseBirthday:
      UseBirthday(view);
      break;
    case kInitialValuesHelpButton:
      services_.help.ShowTopic(kInitialValuesHelpContext);
      break;
    default:
      break;
  }
}

// Ticking the box takes the birth date (checked first); clearing it keeps the whole years.
void InitialValuesEditor::UseBirthday(platform::DialogView& view) {
  const char symbol = services_.program.currency.symbol;
  view.SetChecked(kInitialUseBirthday, working_.use_birthday != 0);
  const std::optional<double> start =
      ValidateField(view, services_.prompter, kStartAgeRule, symbol);
  if (!start) return;
  if (working_.use_birthday != 0) {
    working_.use_birthday = 0;
  } else {
    const std::optional<double> month =
        ValidateField(view, services_.prompter, kBirthMonthRule, symbol);
    if (!month) return;
    const std::optional<double> day =
        ValidateField(view, services_.prompter, kBirthDayRule, symbol);
    if (!day) return;
    working_.birth_month = static_cast<std::int16_t>(*month);
    working_.birth_day = static_cast<std::int16_t>(*day);
    working_.use_birthday = 1;
  }
  view.SetChecked(kInitialUseBirthday, working_.use_birthday != 0);
  view.SetText(kInitialStartAge, FieldText(AgeFromBirthday(*start), kStartAgeFormat));
}

bool InitialValuesEditor::CheckAgeRange(platform::DialogView& view, double start_age,
                                        double end_age) {
  const int whole_start = static_cast<int>(start_age);
  const int whole_end = static_cast<int>(end_age);
  if (whole_end <= whole_start) {
    ShowStop(services_.prompter, EndAgeOrderText(whole_start, whole_end), "END AGE ERROR");
  } else if (whole_end - whole_start >= kAllowableAgeRange) {
    ShowStop(services_.prompter, "The age range must be less than 100 years!", "Age Range Error!");
  } else {
    return true;
  }
  view.SetFocus(kInitialEndAge);
  return false;
}

bool InitialValuesEditor::CheckAndStore(platform::DialogView& view) {
  platform::Prompter& prompter = services_.prompter;
  const char symbol = services_.program.currency.symbol;
  // The birth date is needed only for ages from the birthday; both fields left empty keep it
  // unset.
  const bool no_birth_date = working_.use_birthday == 0 && LeftEmpty(view, kInitialBirthMonth) &&
                             LeftEmpty(view, kInitialBirthDay);
  const auto month =
      no_birth_date ? std::optional(0.0) : ValidateField(view, prompter, kBirthMonthRule, symbol);
  if (!month) return false;
  const auto day =
      no_birth_date ? std::optional(0.0) : ValidateField(view, prompter, kBirthDayRule, symbol);
  if (!day) return false;
  const auto start = ValidateField(view, prompter, kStartAgeRule, symbol);
  if (!start) return false;
  const auto end = ValidateField(view, prompter, kEndAgeRule, symbol);
  if (!end || !CheckAgeRange(view, *start, *end)) return false;
  const auto inflation = ValidateField(view, prompter, kInflationRule, symbol);
  if (!inflation) return false;
  const auto tax = ValidateField(view, prompter, kTaxRateRule, symbol);
  if (!tax) return false;
  const auto dividend_tax = ValidateField(view, prompter, kDividendTaxRule, symbol);
  if (!dividend_tax) return false;

  model::InitialValues& initial = services_.scenario.initial;
  initial.birth_month = static_cast<std::int16_t>(*month);
  initial.birth_day = static_cast<std::int16_t>(*day);
  initial.use_birthday = working_.use_birthday;
  initial.start_age = static_cast<float>(*start);
  initial.end_age = static_cast<float>(*end);
  initial.inflation_rate = static_cast<float>(*inflation);
  initial.tax_rate = static_cast<float>(*tax);
  initial.dividend_tax_rate = static_cast<float>(*dividend_tax);
  initial.purchasing_power = view.Checked(kInitialPurchasingPower) ? 1 : 0;
  model::RecomputeInitialTotals(services_.scenario);
  services_.scenario.modified = true;
  return true;
}

bool EditInitialValues(EditorServices& services, const EditRequest& /*request*/) {
  InitialValuesEditor editor(services);
  services.dialogs.RunModal(InitialValuesTemplate(), editor);
  return editor.committed();
}

}  // namespace tarvel::ui
