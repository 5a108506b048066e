// The table of editor commands.
#include "ui/editors/editor_table.h"

#include <array>

#include "ui/accounts/account_info_dialog.h"
#include "ui/accounts/groups_dialog.h"
#include "ui/accounts/reindex_command.h"
#include "ui/budgets/budget_dialog.h"
#include "ui/calculators/accelerated_payment_dialog.h"
#include "ui/calculators/effective_rate_dialog.h"
#include "ui/calculators/inflation_dialog.h"
#include "ui/calculators/mortgage_calculator_dialog.h"
#include "ui/calculators/refinance_dialog.h"
#include "ui/calculators/rule72t_dialog.h"
#include "ui/calculators/taxes_dialog.h"
#include "ui/calculators/tradeoff_dialog.h"
#include "ui/editors/credit_card_editor.h"
#include "ui/editors/deposit_editor.h"
#include "ui/editors/equity_loan_editor.h"
#include "ui/editors/fundamentals_editor.h"
#include "ui/editors/initial_values_editor.h"
#include "ui/editors/loan_editor.h"
#include "ui/editors/mortgage_editor.h"
#include "ui/editors/transfer_editor.h"
#include "ui/editors/withdrawal_editor.h"
#include "ui/options/allocation_options_dialog.h"
#include "ui/options/rmd_options_dialog.h"
#include "ui/shell/command_ids.h"

namespace tarvel::ui {
namespace {

constexpr auto kEditors = std::to_array<EditorEntry>({
    // Each editor adds its command here: {command id, edit function, calculator, which}.
    // Initial Values and the event editors.
    {kInitialValuesCommand, EditInitialValues, false},
    {kWithdrawalCommand, EditWithdrawal, false},
    {kDepositCommand, EditDeposit, false},
    {kTransferCommand, EditTransfer, false},
    {kFundamentalsCommand, EditFundamentals, false},
    {107, EditLoan, false},
    {466, EditCreditCard, false},
    {467, EditCreditCard, true},
    {108, EditMortgage, false},
    {919, EditEquityLoan, false},
    // The accounts: re-indexing, group names, the account dialog.
    {14, ReindexAccountsCommand, false},
    {102, EditGroups, false},
    {200, EditAccountInfo, false},
    // Budgets 1 to 5 and the withdrawal options.
    {461, EditBudget, false, 0},
    {462, EditBudget, false, 1},
    {463, EditBudget, false, 2},
    {464, EditBudget, false, 3},
    {465, EditBudget, false, 4},
    {888, EditAllocationOptions, false},
    {889, EditRmdOptions, false},
    // The loan calculators.
    {881, RunMortgageCalculator, true},
    {882, RunRefinanceAnalysis, true},
    {883, RunAcceleratedPaymentAnalysis, true},
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
