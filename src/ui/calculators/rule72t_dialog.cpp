// The Rule 72T Distribution dialog.
#include "ui/calculators/rule72t_dialog.h"

#include <array>
#include <limits>

#include "calculators/rule72t_checks.h"
#include "engine/data_folders.h"
#include "engine/rule72t.h"
#include "model/event_views.h"
#include "model/whole_age.h"
#include "ui/calculators/calculator_fields.h"
#include "ui/calculators/rule72t_capture.h"
#include "ui/editors/field_check.h"
#include "ui/editors/field_text.h"
#include "ui/editors/loan_fields.h"

namespace tarvel::ui {
namespace {

using engine::LifeExpectancySource;
using engine::Rule72TMethod;

enum Rule72TControl {
  kDescription = 101,
  kStartAge = 103,
  kBeneficiaryAge = 104,
  kOk = 105,
  kCancel = 106,
  kHelp = 107,
  kUniformLife = 108,
  kSingleLife = 109,
  kJointLife = 110,
  kEndAge = 112,
  kFromAccount = 113,
  kCalculate = 114,
  kAnnualAmount = 115,
  kRate = 116,
  kBalance = 117,
  kAnnuity = 118,
  kAmortization = 119,
  kMinimum = 120,
  kAnnuityAmount = 121,
  kAmortizationAmount = 122,
  kMinimumAmount = 123,
  kToAccount = 124,
};

constexpr int kHelpContext = 1590;
constexpr int kTableGroup = 1;
constexpr int kMethodGroup = 2;
constexpr model::FixedFormat kAnnualFormat{12, 0, true};  // "%-12.0f"
// The from-account field of a Rule 72T transfer carries this beside the account id.
constexpr std::int16_t kRule72TAccountMarker = 72;

// Radio buttons in the order of the stored numbers (life table 0, 1, 2; method 0, 1, 2).
constexpr std::array<int, 3> kTables = {kSingleLife, kUniformLife, kJointLife};
constexpr std::array<int, 3> kMethods = {kAnnuity, kAmortization, kMinimum};

const std::array<FieldRule, 4> kEventRules = {{
    {kStartAge, true, 0, 1.0, 120.0, 7, "AGE ERROR"},
    {kEndAge, true, 0, 1.0, 120.0, 7, "END AGE ERROR"},
    {kBeneficiaryAge, true, 0, 1.0, 120.0, 7, "BENEFICIARY AGE ERROR"},
    {kRate, true, 0, -20.0, 20.0, 8, "APPLY RATE ERROR"},
}};

std::uint16_t ChosenIndex(const platform::DialogView& view, const std::array<int, 3>& radios) {
  for (std::size_t i = 0; i < radios.size(); ++i) {
    if (view.Checked(radios[i])) return static_cast<std::uint16_t>(i);
  }
  return 0;
}

void CheckIndex(platform::DialogView& view, const std::array<int, 3>& radios, int index) {
  for (std::size_t i = 0; i < radios.size(); ++i) {
    view.SetChecked(radios[i], static_cast<int>(i) == index);
  }
}

bool IsOneOf(int control, const std::array<int, 3>& radios) {
  return control == radios[0] || control == radios[1] || control == radios[2];
}

// The fields of the checked inputs, by input number.
constexpr std::array<int, 4> kInputControls = {kStartAge, kBeneficiaryAge, kEndAge, kRate};

void AddRadios(std::vector<Control>& controls, const std::array<int, 3>& ids,
               const std::array<const char*, 3>& labels, int group, int row, int column) {
  for (std::size_t i = 0; i < ids.size(); ++i) {
    Control radio =
        MakeControl(ids[i], ControlKind::RadioButton, labels[i], row + static_cast<int>(i), column);
    radio.group = group;
    controls.push_back(radio);
  }
}

// Distributions come from retirement accounts; an event read from a file keeps the account it
// names even when that is of another type.
AccountChoices::Admits DistributionSources(const EventEditing& editing) {
  const std::uint16_t kept =
      editing.adding() ? model::kNoAccount : model::Rule72TTerms(editing.event()).from_account();
  return [kept](const model::Account& account) {
    return account.type == model::AccountType::Retirement || account.id == kept;
  };
}

void WarnOfPenalty(platform::Prompter& prompter) {
  ShowWarning(
      prompter,
      "To avoid a penalty, the End Age should be 5 years greater than the Start Age or 60.\n"
      "Whichever is longer.",
      "Penalty Warning");
}

}  // namespace

DialogTemplate Rule72TTemplate() {
  DialogTemplate dialog{"rule", "Rule 72T Distribution", {}};
  auto& controls = dialog.controls;
  Control& description =
      AddLabelledField(controls, ControlKind::Edit, kDescription, "Description", 0);
  description.max_chars = kDescriptionChars;
  description.column_span = 3;
  AddLabelledField(controls, ControlKind::Edit, kStartAge, "Start Age", 1);
  AddLabelledField(controls, ControlKind::Edit, kEndAge, "End Age", 1, 2);
  AddLabelledField(controls, ControlKind::Edit, kBeneficiaryAge, "Beneficiary Age", 2);
  AddLabelledField(controls, ControlKind::Edit, kRate, "Rate (%)", 2, 2);
  AddLabelledField(controls, ControlKind::ComboBox, kFromAccount, "From Account", 3).column_span =
      3;
  AddLabelledField(controls, ControlKind::ComboBox, kToAccount, "To Account", 4).column_span = 3;
  controls.push_back(
      MakeControl(kSingleLife + kLabelIdOffset, ControlKind::GroupBox, "Life Expectancy Table", 5));
  AddRadios(controls, kTables, {"&Single Life", "&Uniform Life", "&Joint Life"}, kTableGroup, 6, 0);
  controls.push_back(MakeControl(kAnnuity + kLabelIdOffset, ControlKind::GroupBox, "Method", 5, 2));
  AddRadios(controls, kMethods, {"&Annuity", "A&mortization", "Mi&nimum"}, kMethodGroup, 6, 2);
  AddLabelledField(controls, ControlKind::Edit, kAnnuityAmount, "Annuity", 9).enabled = false;
  AddLabelledField(controls, ControlKind::Edit, kAmortizationAmount, "Amortization", 10).enabled =
      false;
  AddLabelledField(controls, ControlKind::Edit, kMinimumAmount, "Minimum", 11).enabled = false;
  AddLabelledField(controls, ControlKind::Edit, kBalance, "Account Balance at Start Age", 9, 2)
      .enabled = false;
  AddLabelledField(controls, ControlKind::Edit, kAnnualAmount, "Annual Withdrawal Amount", 10, 2)
      .enabled = false;
  controls.push_back(MakeControl(kOk, ControlKind::DefaultButton, "OK"));
  controls.push_back(MakeControl(kCancel, ControlKind::PushButton, "Cancel"));
  controls.push_back(MakeControl(kCalculate, ControlKind::PushButton, "&Calculate"));
  controls.push_back(MakeControl(kHelp, ControlKind::PushButton, "&Help"));
  return dialog;
}

Rule72TDialog::Rule72TDialog(EditorServices& services, const EditRequest& request)
    : services_(services),
      editing_(services.scenario, request),
      from_choices_(services.scenario, false, DistributionSources(editing_)),
      to_choices_(services.scenario, true) {}

void Rule72TDialog::Initialise(platform::DialogView& view) {
  const model::FinancialEvent& event = editing_.event();
  const model::Rule72TTerms terms(event);
  view.SetText(kDescription, event.description.str());
  view.SetText(kStartAge, FieldText(event.start_age, kAgeField));
  view.SetText(kEndAge, FieldText(event.end_age, kAgeField));
  view.SetText(kBeneficiaryAge, FieldText(terms.beneficiary_age(), kAgeField));
  view.SetText(kRate, FieldText(terms.yearly_rate_percent(), kRateField));
  CheckIndex(view, kTables, editing_.adding() ? 0 : terms.life_table());
  CheckIndex(view, kMethods, editing_.adding() ? 0 : terms.method());
  from_choices_.Show(view, kFromAccount,
                     editing_.adding() ? model::kNoAccount : terms.from_account());
  to_choices_.Show(view, kToAccount, editing_.adding() ? model::kNoAccount : terms.to_account());
  if (!editing_.adding()) CaptureAndCompute(view);
}

void Rule72TDialog::Command(platform::DialogView& view, int control) {
  if (IsOneOf(control, kTables) || IsOneOf(control, kMethods)) {
    Compute(view);
    return;
  }
  switch (control) {
    case kFromAccount:
      CaptureAndCompute(view);
      break;
    case kCalculate:
      if (ReadEvent(view)) CaptureAndCompute(view);
      break;
    case kOk:
      Confirm(view);
      break;
    case kCancel:
    case kIdCancel:
      view.Close(kIdCancel);
      break;
    case kHelp:
      services_.help.ShowTopic(kHelpContext);
      break;
    default:
      break;
  }
}

const engine::LifeTablesRead& Rule72TDialog::Tables() {
  if (!tables_) {
    tables_ =
        engine::ReadLifeTables(engine::ProgramDataFolders(services_.program.working_directory));
  }
  return *tables_;
}

std::optional<float> Rule72TDialog::CaptureAndCompute(platform::DialogView& view) {
  const float start_age = TypedNumber(view, kStartAge, services_.program.currency.symbol, -1.0f);
  captured_balance_ =
      CaptureRule72TBalance(services_.scenario, services_.program, services_.clock,
                            from_choices_.Chosen(view, kFromAccount), model::WholeAge(start_age));
  view.SetText(kBalance, FieldText(captured_balance_, model::kMoneyLeft));
  return Compute(view);
}

std::optional<float> Rule72TDialog::Compute(platform::DialogView& view) {
  const char symbol = services_.program.currency.symbol;
  const float refused = std::numeric_limits<float>::quiet_NaN();
  calculators::Rule72TValues values;
  values.start_age = TypedNumber(view, kStartAge, symbol, refused);
  values.beneficiary_age = TypedNumber(view, kBeneficiaryAge, symbol, refused);
  values.end_age = TypedNumber(view, kEndAge, symbol, refused);
  values.rate = TypedNumber(view, kRate, symbol, refused);
  values.table = static_cast<LifeExpectancySource>(ChosenIndex(view, kTables));
  if (const auto problem = calculators::CheckRule72TValues(values)) {
    RefuseNumber(view, services_.prompter, kInputControls[static_cast<std::size_t>(problem->input)],
                 problem->message, problem->caption, services_.program.currency.symbol);
    return std::nullopt;
  }
  const engine::LifeTablesRead& read = Tables();
  const bool joint = values.table == LifeExpectancySource::JointLife;
  for (const engine::LifeTableProblem& problem : read.problems) {
    if (problem.file == engine::kJointTableFileName && !joint) continue;
    ShowStop(services_.prompter, problem.text, problem.caption);
    return std::nullopt;
  }
  const engine::Rule72TAmounts amounts =
      engine::Rule72TResults(read.tables, values.start_age, values.beneficiary_age,
                             captured_balance_, values.rate, values.table);
  view.SetText(kAnnuityAmount, FieldText(amounts.annuitization, model::kMoneyLeft));
  view.SetText(kAmortizationAmount, FieldText(amounts.amortization, model::kMoneyLeft));
  view.SetText(kMinimumAmount, FieldText(amounts.minimum, model::kMoneyLeft));
  const std::array<float, 3> by_method = {amounts.annuitization, amounts.amortization,
                                          amounts.minimum};
  const float annual = by_method[ChosenIndex(view, kMethods)];
  view.SetText(kAnnualAmount, FieldText(annual, kAnnualFormat));
  return annual;
}

bool Rule72TDialog::ReadEvent(platform::DialogView& view) {
  FieldValues values;
  if (!ReadFields(view, services_.prompter, kEventRules, services_.program.currency.symbol,
                  values)) {
    return false;
  }
  model::FinancialEvent& event = editing_.event();
  const model::Rule72TTerms terms(event);
  ReadDescription(view, kDescription, event);
  event.kind = model::EventKind::Transfer;
  event.marker = model::kRule72TMarker;
  event.start_age = WholeYears(values[kStartAge]);
  event.end_age = WholeYears(values[kEndAge]);
  terms.beneficiary_age() = WholeYears(values[kBeneficiaryAge]);
  terms.yearly_rate_percent() = static_cast<float>(values[kRate]);
  terms.life_table() = ChosenIndex(view, kTables);
  terms.method() = ChosenIndex(view, kMethods);
  terms.from_account() = from_choices_.Chosen(view, kFromAccount);
  terms.account_chosen() = kRule72TAccountMarker;
  terms.to_account() = to_choices_.Chosen(view, kToAccount);
  if (event.end_age < event.start_age + 5 || event.end_age < 60) {
    WarnOfPenalty(services_.prompter);
  }
  return true;
}

void Rule72TDialog::Confirm(platform::DialogView& view) {
  if (editing_.adding() && !RoomForEvent(services_.scenario, services_.prompter)) return;
  if (!ReadEvent(view)) return;
  const model::Rule72TTerms terms(editing_.event());
  if (terms.from_account() == model::kNoAccount) {
    RefuseInput(view, services_.prompter, kFromAccount,
                from_choices_.items().empty()
                    ? "Distributions are taken from a retirement account, and this scenario has "
                      "none. Add one in the Accounts folder first."
                    : "Please choose the account the distributions are taken from.",
                kAccountWarning);
    return;
  }
  const std::optional<float> annual = CaptureAndCompute(view);
  if (!annual) return;
  terms.distribution() = *annual;
  if (!editing_.Commit(services_.scenario, services_.prompter)) return;
  committed_ = true;
  view.Close(kIdOk);
}

bool EditRule72T(EditorServices& services, const EditRequest& request) {
  Rule72TDialog dialog(services, request);
  services.dialogs.RunModal(Rule72TTemplate(), dialog);
  return dialog.committed();
}

}  // namespace tarvel::ui
