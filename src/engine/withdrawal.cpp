// Withdrawal events, plain or following a budget: the year's amount is paid from the chosen
// account and, for what that cannot cover, from savings.
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/cash_flow_events.h"
#include "engine/funding.h"
#include "engine/line_text.h"
#include "model/event_views.h"
#include "model/money_format.h"
#include "model/scenario_ops.h"

namespace tarvel::engine {
namespace {

float BudgetTotal(const RunBudget& budget) {
  double sum = 0;
  for (int i = 0; i < ItemCount(*budget.budget); ++i) sum += (*budget.amounts)[i];
  return static_cast<float>(sum);
}

// "Tracking budget item(s):" with each tracked item's amount of this year.
void WriteTrackingLines(const RunBudget& run_budget, Run& run, int slot, float fraction) {
  const model::Budget& budget = *run_budget.budget;
  bool any = false;
  for (int i = 0; i < ItemCount(budget); ++i) any = any || budget.track[i] != 0;
  if (!any) return;
  run.sink.Emit("           Tracking budget item(s):", slot);
  for (int i = 0; i < ItemCount(budget); ++i) {
    if (budget.track[i] == 0) continue;
    const std::string_view item = budget.item_names[i].view();
    const float amount = static_cast<float>((*run_budget.amounts)[i] * double{fraction});
    const auto money = model::MoneyLater(amount, run.options.currency);
    run.sink.Emit([&] { return LineText("                %s - %s", item, money()); }, slot);
  }
}

void GrowBudgetItems(const RunBudget& run_budget, const Run& run) {
  const model::Budget& budget = *run_budget.budget;
  auto& amounts = *run_budget.amounts;
  for (int i = 0; i < ItemCount(budget); ++i) {
    double rate = budget.apply_rate[i];
    if (budget.apply_inflation[i] != 0) rate += run.inflation_rate;
    amounts[i] = static_cast<float>(amounts[i] * (1.0 + rate * 0.01));
  }
}

// The chosen account's position, or -1 when none is chosen or its id names no account.
// A budget withdrawal keeps its account where a plain one does.
int ChosenAccount(const RunState& state, const model::FinancialEvent& event) {
  const model::CashFlowTerms withdrawal(event);
  if (static_cast<std::int16_t>(withdrawal.account()) < 0) return -1;
  if (withdrawal.account_chosen() != model::kChosenAccountMarker) return -1;
  return state.FindAccount(withdrawal.account());
}

}  // namespace

void WithdrawalYear(const model::Scenario& scenario, Run& run, int slot) {
  model::FinancialEvent& event = run.state.events[slot];
  const model::CashFlowTerms withdrawal(event);
  if (!ActsThisYear(event, run)) return;
  const RunBudget budget = BudgetOf(scenario, run, event);
  if (budget) withdrawal.working_amount() = BudgetTotal(budget);
  const std::string_view name = event.description.view();
  run.files.EventRecord(run.current_age, name, static_cast<int>(event.kind),
                        withdrawal.working_amount());

  const float fraction = IsOneTime(event) ? 1.0f : run.year_fraction;
  const float amount = static_cast<float>(withdrawal.working_amount() * double{fraction});
  run.year.withdrawals += amount;
  const auto money = model::MoneyLater(amount, run.options.currency);
  run.sink.Emit([&] { return LineText("  %s - Withdraw %s", name, money()); }, slot);
  if (budget) {
    WriteTrackingLines(budget, run, slot, fraction);
    GrowBudgetItems(budget, run);
  } else {
    GrowWorkingAmount(event, run);
  }

  float rest = amount;
  const int position = ChosenAccount(run.state, event);
  if (position >= 0) {
    rest = WithdrawFromAccount(scenario, run, amount, slot, FundingReason::Payment, position);
  }
  if (rest > 0) FundFromSavings(scenario, run, rest, FundingReason::Payment, slot);
  FinishAfterAction(event, run);
}

}  // namespace tarvel::engine
