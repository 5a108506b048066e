// The fields the Withdrawal, Deposit and Transfer editors share (description, start and end
// age, amount, apply rate, the one-time, inflation and today's-dollars boxes), their ranges,
// and the template rows that lay them out.
#pragma once

#include <string>

#include "model/money_format.h"
#include "model/records.h"
#include "platform/dialog_view.h"
#include "platform/prompter.h"
#include "ui/editors/editor_fields.h"
#include "ui/editors/field_check.h"
#include "ui/shell/dialog_template.h"

namespace tarvel::ui {

inline constexpr int kTodaysDollarsBox = 814;
inline constexpr int kEditorHelpButton = 9;
// Amounts are shown as money ("$12,345,678.00"), so their edits leave room for the symbol and
// the separators.
inline constexpr int kAmountChars = 16;

FieldRule StartAgeRule(int control);
FieldRule EndAgeRule(int control);
FieldRule AmountRule(int control);
FieldRule ApplyRateRule(int control);

// An end age must lie after the start age; otherwise EndAgeOrderText with "END AGE ERROR", and
// the field gets the focus.
bool CheckEndAfterStart(platform::DialogView& view, platform::Prompter& prompter, int control,
                        float start_age, float end_age);

// The controls of one editor's cash-flow fields.
struct CashFlowControls {
  int description = 0;
  int start_age = 0;
  int end_age = 0;
  int amount = 0;
  int apply_rate = 0;
  int one_time = 0;
  int inflation = 0;
};

// Which of the fields OK checks: the end age only for a yearly flow, amount and rate not for a
// transfer of all funds.
struct CashFlowReading {
  bool end_age_checked = true;
  bool amount_and_rate = true;
};

// Fills the fields from the event and captions the today's-dollars box.
void ShowCashFlowFields(platform::DialogView& view, const CashFlowControls& controls,
                        const model::FinancialEvent& event, const model::Currency& currency,
                        double initial_start_age);

// Reads and checks the fields in the editors' order (description, start age, end age, amount,
// apply rate), then the boxes, into the event. False at the first refused field, whose message
// has been shown.
bool ReadCashFlowFields(platform::DialogView& view, platform::Prompter& prompter,
                        const CashFlowControls& controls, const CashFlowReading& reading,
                        const model::Currency& currency, model::FinancialEvent& event);

// Template rows: a label in column 0 and its field in column 1; a check box across both.
void AddLabelledEdit(DialogTemplate& dialog, int id, std::string label, int row, int max_chars = 0);
void AddLabelledCombo(DialogTemplate& dialog, int id, std::string label, int row);
void AddCheckBox(DialogTemplate& dialog, int id, std::string label, int row);
// OK, Cancel and Help in the button row.
void AddEditorButtons(DialogTemplate& dialog);

}  // namespace tarvel::ui
