// What the debt editors (loan, equity loan, credit card, mortgage) share: labelled fields on the
// dialog grid, field checks read in table order, whole ages, the financed amount and its level
// monthly payment.
#pragma once

#include <array>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "model/money_format.h"
#include "model/records.h"
#include "platform/dialog_view.h"
#include "platform/prompter.h"
#include "ui/editors/account_choices.h"
#include "ui/editors/editor_fields.h"
#include "ui/editors/editor_services.h"
#include "ui/editors/event_editing.h"
#include "ui/editors/field_check.h"
#include "ui/shell/dialog_template.h"

namespace tarvel::ui {

// A field's label carries the field's id plus this, so every control keeps its own id.
inline constexpr int kLabelIdOffset = 2000;

// A label in `column` and the field of the given kind beside it; returns the field.
Control& AddLabelledField(std::vector<Control>& controls, ControlKind kind, int id,
                          std::string label, int row, int column = 0);

// The accepted values of checked fields, by control id.
using FieldValues = std::map<int, double>;

// Checks the rules in order with ValidateField and keeps each accepted value. False at the first
// refused field, after its message.
bool ReadFields(platform::DialogView& view, platform::Prompter& prompter,
                std::span<const FieldRule> rules, char currency_symbol, FieldValues& values);

// The values of the fields taken as typed, unchecked: anything that is not a number counts 0.
FieldValues FieldsAsTyped(const platform::DialogView& view, std::span<const FieldRule> rules,
                          char currency_symbol);

// Refuses a down payment larger than the amount it is paid on (what is borrowed would be
// negative): the message names the field and the field gets the focus.
bool CheckDownPayment(platform::DialogView& view, platform::Prompter& prompter, double amount,
                      double down_payment, int control, const std::string& caption);

// The level monthly payment of the financed amount at the yearly rate (percent) over the years.
float LevelMonthlyPayment(double financed, double yearly_rate_percent, int years);

// Makes the event a Loan of the variety the marker names (kCreditCardMarker or
// kEquityLoanMarker); the one place the editors write the variety marker.
void SetLoanVariety(model::FinancialEvent& event, std::uint16_t marker);

// The controls the Loan and equity-loan dialogs share.
enum LoanControl {
  kLoanDescription = 101,
  kLoanStartAge = 102,
  kLoanPayoffAge = 103,
  kLoanAmount = 104,
  kLoanRate = 105,
  kLoanYears = 106,
  kLoanPayment = 110,
  kLoanDepositAccount = 112,
  kLoanPaymentAccount = 113,
  kLoanDownPayment = 119,
};

// The checks of the ages, rate, amount and down payment both dialogs share, in order.
extern const std::array<FieldRule, 5> kLoanAmountRules;

// Fills the shared fields from the record: description, ages, amount, down payment, rate,
// term and monthly payment.
void ShowLoanFields(platform::DialogView& view, const model::FinancialEvent& event,
                    const model::Currency& currency);

// The first rows of a loan's dialog: description, ages, amount and down payment, rate and term.
void AddLoanFieldRows(std::vector<Control>& controls);

// The checks a loan and an equity loan share, in order: neither chosen account may be a
// mortgage's equity account (before any field is read), the description, `amount_rules`, the
// down payment against the amount, `term_rules`. On success the working copy holds the shared
// fields, its monthly payment is shown, and `values` holds every accepted value.
bool CheckLoanFields(EditorServices& services, platform::DialogView& view, EventEditing& editing,
                     const AccountChoices& deposit, const AccountChoices& payments,
                     std::span<const FieldRule> amount_rules, std::span<const FieldRule> term_rules,
                     FieldValues& values);

// Stores the deposit account, which a loan needs, with its yearly rate, and the payments account
// after the mode's check; false after a refusal.
bool StoreLoanAccounts(EditorServices& services, platform::DialogView& view, EventEditing& editing,
                       const AccountChoices& deposit, const AccountChoices& payments,
                       AccountCheck payments_check);

// The account's effective yearly rate (percent); 0 when there is no such account.
float AccountYearlyRate(const model::Scenario& scenario, std::uint16_t account_id);

}  // namespace tarvel::ui
