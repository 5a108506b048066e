// The editor of each kind of event.
#include "ui/scenario/event_editor_command.h"

#include <array>

#include "model/event_listing.h"
#include "model/event_views.h"
#include "ui/shell/command_ids.h"

namespace tarvel::ui {
namespace {

using model::EventVariety;

struct VarietyEditor {
  EventVariety variety;
  int command;
  bool copyable;
};

constexpr std::array<VarietyEditor, 11> kVarietyEditors = {{
    {EventVariety::Fundamentals, kFundamentalsCommand, true},
    {EventVariety::Deposit, kDepositCommand, true},
    {EventVariety::Withdrawal, kWithdrawalCommand, true},
    {EventVariety::Transfer, kTransferCommand, true},
    {EventVariety::Rule72T, kRule72TCommand, false},
    {EventVariety::Loan, kLoanCommand, true},
    {EventVariety::CreditCard, kCreditCardCommand, true},
    {EventVariety::EquityLoan, kEquityLoanCommand, true},
    {EventVariety::Mortgage, kMortgageCommand, true},
    {EventVariety::AllocationOption, kAllocationOptionsCommand, false},
    {EventVariety::RmdLine, kMinimumDistributionCommand, false},
}};

bool FollowsABudget(const model::FinancialEvent& event) {
  return static_cast<std::uint16_t>(event.kind) == model::kBudgetKindValue ||
         model::IsBudgetWithdrawal(event);
}

const VarietyEditor* EditorOf(const model::FinancialEvent& event) {
  const EventVariety variety = model::VarietyOf(event);
  for (const VarietyEditor& editor : kVarietyEditors) {
    if (editor.variety == variety) return &editor;
  }
  return nullptr;
}

}  // namespace

std::optional<int> EditorCommandOf(const model::FinancialEvent& event) {
  if (FollowsABudget(event)) {
    if (event.budget_number < 1 || event.budget_number > kBudgetCommandCount) return std::nullopt;
    return kFirstBudgetCommand + event.budget_number - 1;
  }
  const VarietyEditor* editor = EditorOf(event);
  if (editor == nullptr) return std::nullopt;
  return editor->command;
}

bool CopyableEvent(const model::FinancialEvent& event) {
  if (FollowsABudget(event)) return false;
  const VarietyEditor* editor = EditorOf(event);
  return editor != nullptr && editor->copyable;
}

}  // namespace tarvel::ui
