// The table of editor commands.
#include "ui/editors/editor_table.h"

#include <array>

#include "ui/calculators/effective_rate_dialog.h"
#include "ui/calculators/inflation_dialog.h"
#include "ui/calculators/rule72t_dialog.h"
#include "ui/calculators/taxes_dialog.h"
#include "ui/calculators/tradeoff_dialog.h"
#include "ui/editors/credit_card_editor.h"
#include "ui/editors/equity_loan_editor.h"
#include "ui/editors/loan_editor.h"
#include "ui/editors/mortgage_editor.h"

namespace tarvel::ui {
namespace {

constexpr auto kEditors = std::to_array<EditorEntry>({
    // Each editor adds its command here: {command id, edit function, calculator}.
    {0, nullptr, false},
    {107, EditLoan, false},
    {466, EditCreditCard, false},
    {467, EditCreditCard, true},
    {108, EditMortgage, false},
    {919, EditEquityLoan, false},
    // The inflation, trade-off, taxes and effective-rate calculators write no event; the
    // Rule 72T dialog adds or edits a Rule 72T transfer.
    {177, ShowInflationCalculator, true},
    {179, ShowTradeOffAnalysis, true},
    {180, ShowTaxesAnalysis, true},
    {886, ShowEffectiveRateCommand, true},
    {794, EditRule72T, false},
});

}  // namespace

std::span<const EditorEntry> EditorTable() { return kEditors; }

const EditorEntry* FindEditor(int command) {
  for (const EditorEntry& entry : kEditors) {
    if (entry.edit != nullptr && entry.command == command) return &entry;
  }
  return nullptr;
}

}  // namespace tarvel::ui
