// The table of editor commands.
#include "ui/editors/editor_table.h"

#include <array>

#include "ui/calculators/accelerated_payment_dialog.h"
#include "ui/calculators/mortgage_calculator_dialog.h"
#include "ui/calculators/refinance_dialog.h"
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
    // The loan calculators.
    {881, RunMortgageCalculator, true},
    {882, RunRefinanceAnalysis, true},
    {883, RunAcceleratedPaymentAnalysis, true},
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
