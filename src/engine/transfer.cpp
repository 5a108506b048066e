// Transfer events, Rule 72T transfers among them: money moves from one account to another,
// taxed and penalised when it leaves the retirement accounts early; what the source cannot
// give is reported as not transferred.
#include <algorithm>
#include <string>
#include <string_view>

#include "engine/cash_flow_events.h"
#include "engine/funding.h"
#include "engine/line_text.h"
#include "model/event_views.h"
#include "model/money_format.h"
#include "model/scenario_ops.h"
#include "model/whole_age.h"

namespace tarvel::engine {
namespace {

bool IsAllFunds(const model::FinancialEvent& event) {
  return model::CashFlowTerms(event).all_funds_at_start() != 0;
}

bool IsRetirementOrTaxFree(const RunState& state, int position) {
  if (position < 0) return false;
  const model::AccountType type = state.accounts[position].type;
  return type == model::AccountType::Retirement || type == model::AccountType::TaxFree;
}

// Withdrawal tax on a Retirement source; the early-withdrawal penalty on a source below its
// penalty age, except for Rule 72T transfers.
void ChargeTransfer(const model::Scenario& scenario, Run& run, const model::FinancialEvent& event,
                    const model::Account& source, float amount) {
  if (source.type == model::AccountType::Retirement) {
    const float tax = static_cast<float>(run.tax_rate * 0.01 * amount);
    run.year.withdrawal_taxes += tax;
    run.year.total_taxes += tax;
  }
  const bool penalised =
      source.type == model::AccountType::Retirement || source.type == model::AccountType::TaxFree;
  if (!penalised || source.penalty_flag == 0 || model::IsRule72T(event)) return;
  if (source.slot >= model::kMaxAccounts) return;
  if (scenario.settings.penalty_age[source.slot] > run.current_age) {
    run.year.penalties +=
        static_cast<float>(scenario.settings.penalty_rate[source.slot] * double{amount} * 0.01);
  }
}

void ReportNotTransferred(Run& run, int slot, std::string_view name, std::string_view source_name,
                          float shortfall) {
  const auto money = model::MoneyLater(shortfall, run.options.currency);
  run.sink.Emit(
      [&] {
        return LineText("  %s - %s depleted %s not transferred!", name, source_name, money());
      },
      slot);
  run.red_flags.transfers_not_completed.Raise(model::WholeAgeTowardZero(run.current_age));
  ++run.red_flags.transfers_not_completed_count;
}

}  // namespace

void TransferBetweenAccounts(const model::Scenario& scenario, Run& run, int slot, double amount) {
  if (run.current_age < run.shown_start_age) return;
  const model::FinancialEvent& event = run.state.events[slot];
  // A Rule 72T transfer keeps its accounts where a plain one does.
  const model::CashFlowTerms transfer(event);
  const int from = run.state.FindAccount(transfer.from_account());
  if (from < 0) return;
  const int to = run.state.FindAccount(transfer.to_account());
  model::Account& source = run.state.accounts[from];

  // Never a negative amount: a source at 0 or below gives nothing.
  const float available = std::max(source.balance, 0.0f);
  float moved = std::max(static_cast<float>(amount), 0.0f);
  float shortfall = 0;
  if (IsAllFunds(event)) {
    moved = available;
  } else if (source.balance < moved) {
    shortfall = moved - available;
    moved = available;
  }

  if (!(IsRetirementOrTaxFree(run.state, from) && IsRetirementOrTaxFree(run.state, to))) {
    ChargeTransfer(scenario, run, event, source, moved);
  }
  const std::string_view source_name = source.name.view();
  const std::string_view destination_name = AccountName(run.state, to);
  source.balance -= moved;
  run.categories.Add(source.type, -double{moved});
  run.files.Outgoing(run.current_age, source_name, moved);
  if (to >= 0) {
    model::Account& destination = run.state.accounts[to];
    destination.balance += moved;
    run.categories.Add(destination.type, moved);
    run.files.Incoming(run.current_age, destination_name, moved);
  }

  const std::string_view name = event.description.view();
  const char* label = model::IsRule72T(event) ? " Rule 72T Transfer" : " Transfer";
  const auto money = model::MoneyLater(moved, run.options.currency);
  run.sink.Emit(
      [&] {
        return LineText("  %s %s %s from %s to %s ", name, label, money(), source_name,
                        destination_name);
      },
      slot);
  if (shortfall > 0) ReportNotTransferred(run, slot, name, source_name, shortfall);
}

void TransferYear(const model::Scenario& scenario, Run& run, int slot) {
  model::FinancialEvent& event = run.state.events[slot];
  if (model::IsRule72T(event)) {
    if (run.current_age <= event.end_age) {
      TransferBetweenAccounts(scenario, run, slot, model::Rule72TTerms(event).distribution());
    }
    return;
  }
  if (IsAllFunds(event)) {
    if (model::WholeAgeTowardZero(run.current_age) != model::WholeAgeTowardZero(event.start_age))
      return;
    TransferBetweenAccounts(scenario, run, slot, 0);
    model::SetStatus(event, model::EventStatus::Finished);
    return;
  }
  if (!ActsThisYear(event, run)) return;
  float amount = model::CashFlowTerms(event).working_amount();
  if (!IsOneTime(event)) amount = static_cast<float>(amount * double{run.year_fraction});
  GrowWorkingAmount(event, run);
  TransferBetweenAccounts(scenario, run, slot, amount);
  FinishAfterAction(event, run);
}

}  // namespace tarvel::engine
