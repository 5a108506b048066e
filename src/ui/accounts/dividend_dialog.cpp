// The dividend dialog.
#include "ui/accounts/dividend_dialog.h"

#include "ui/accounts/validate_text.h"
#include "ui/editors/field_text.h"

namespace tarvel::ui {
namespace {

constexpr int kHelpContext = 518;
constexpr int kPercentChars = 13;                        // at most 12 characters are read
constexpr model::FixedFormat kPercentField{6, 2, true};  // "%-6.2f"

// Dividend percentages are taken as typed; only a text that is no number is refused.
TextRule PercentRule(int control) {
  return {control, true, kPercentChars, -1e8, 1e8, "AMOUNT ERROR", "", -1};
}

}  // namespace

DialogTemplate DividendTemplate() {
  DialogTemplate dialog{"div", "Dividend Information", {}};
  Control yearly = MakeControl(kYearlyDividendField, ControlKind::Edit, "", 0, 1);
  yearly.max_chars = kPercentChars;
  Control taxable = MakeControl(kTaxableDividendField, ControlKind::Edit, "", 1, 1);
  taxable.max_chars = kPercentChars;
  dialog.controls = {
      MakeControl(100, ControlKind::Label, "Yearly Dividend (%)", 0, 0),
      yearly,
      MakeControl(101, ControlKind::Label, "Percent of Dividend Taxable (%)", 1, 0),
      taxable,
      MakeControl(102, ControlKind::Label, "Deposit Dividend to Account", 2, 0),
      MakeControl(kDividendAccountChoice, ControlKind::ComboBox, "", 2, 1),
      MakeControl(kIdOk, ControlKind::DefaultButton, "OK"),
      MakeControl(kIdCancel, ControlKind::PushButton, "Cancel"),
      MakeControl(kDividendHelpButton, ControlKind::PushButton, "&Help"),
  };
  return dialog;
}

DividendDialog::DividendDialog(const model::Scenario& scenario, platform::Prompter& prompter,
                               platform::Help& help, AccountDraft& draft)
    : prompter_(prompter), help_(help), draft_(draft), choices_(scenario, true) {}

void DividendDialog::Initialise(platform::DialogView& view) {
  view.SetText(kYearlyDividendField, FieldText(draft_.dividend_percent, kPercentField));
  view.SetText(kTaxableDividendField, FieldText(draft_.taxable_dividend_percent, kPercentField));
  choices_.Show(view, kDividendAccountChoice, static_cast<std::uint16_t>(draft_.dividend_account));
}

bool DividendDialog::Store(platform::DialogView& view) {
  const auto yearly = ValidateText(view, prompter_, PercentRule(kYearlyDividendField));
  if (!yearly) return false;
  const auto taxable = ValidateText(view, prompter_, PercentRule(kTaxableDividendField));
  if (!taxable) return false;
  draft_.dividend_percent = static_cast<float>(*yearly);
  draft_.taxable_dividend_percent = static_cast<float>(*taxable);
  // "No Selection" is stored as -1, the file's "no account", never as an account id.
  const std::uint16_t chosen = choices_.Chosen(view, kDividendAccountChoice);
  draft_.dividend_account =
      chosen == model::kNoAccount ? std::int16_t{-1} : static_cast<std::int16_t>(chosen);
  return true;
}

void DividendDialog::Command(platform::DialogView& view, int control) {
  switch (control) {
    case kIdOk:
      if (Store(view)) view.Close(kIdOk);
      break;
    case kIdCancel:
      view.Close(kIdCancel);
      break;
    case kDividendHelpButton:
      help_.ShowTopic(kHelpContext);
      break;
    default:
      break;
  }
}

}  // namespace tarvel::ui
