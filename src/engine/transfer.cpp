// Transfer events, Rule 72T transfers among them: money moves from one account to another,
// taxed and penalised when it leaves the retirement accounts early; what the source cannot
// give is reported as not transferred.
#include <algorithm>
#include <string>

#include "engine/cash_flow_events.h"
#include "engine/funding.h"
#include "model/money_format.h"
#include "model/scenario_ops.h"

namespace tarvel::engine {
namespace {

bool IsRule72T(const model::FinancialEvent& event) { return event.marker == model::kRule72TMarker; }

bool IsAllFunds(const model::FinancialEvent& event) { return event.flag_66 != 0; }

bool IsRetirementOrTaxFree(const model::Scenario& scenario, int position) {
  if (position < 0) return false;
  const model::AccountType type = scenario.accounts.records[position].type;
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
  if (!penalised || source.penalty_flag == 0 || IsRule72T(event)) return;
  if (source.slot >= model::kMaxAccounts) return;
  if (scenario.settings.penalty_age[source.slot] > run.current_age) {
    run.year.penalties +=
        static_cast<float>(scenario.settings.penalty_rate[source.slot] * double{amount} * 0.01);
  }
}

void ReportNotTransferred(Run& run, int slot, const std::string& name,
                          const std::string& source_name, float shortfall) {
  const std::string money = model::Money(shortfall, run.options.currency);
  run.sink.Emit(model::Format("  %s - %s depleted %s not transferred!", name.c_str(),
                              source_name.c_str(), money.c_str()),
                slot);
  run.red_flags.transfers_not_completed.Raise(WholeAge(run.current_age));
  ++run.red_flags.transfers_not_completed_count;
}

}  // namespace

void TransferBetweenAccounts(model::Scenario& scenario, Run& run, int slot, double amount) {
  if (run.current_age < run.shown_start_age) return;
  const model::FinancialEvent& event = scenario.events[slot];
  const int from = model::FindAccount(scenario, event.word_22);
  if (from < 0) return;
  const int to = model::FindAccount(scenario, event.account_24);
  model::Account& source = scenario.accounts.records[from];

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

  if (!(IsRetirementOrTaxFree(scenario, from) && IsRetirementOrTaxFree(scenario, to))) {
    ChargeTransfer(scenario, run, event, source, moved);
  }
  const std::string source_name = source.name.str();
  const std::string destination_name(AccountName(scenario, to));
  source.balance -= moved;
  run.categories.Add(source.type, -double{moved});
  run.files.Outgoing(run.current_age, source_name, moved);
  if (to >= 0) {
    model::Account& destination = scenario.accounts.records[to];
    destination.balance += moved;
    run.categories.Add(destination.type, moved);
    run.files.Incoming(run.current_age, destination_name, moved);
  }

  const std::string name = event.description.str();
  const char* label = IsRule72T(event) ? " Rule 72T Transfer" : " Transfer";
  const std::string money = model::Money(moved, run.options.currency);
  run.sink.Emit(model::Format("  %s %s %s from %s to %s ", name.c_str(), label, money.c_str(),
                              source_name.c_str(), destination_name.c_str()),
                slot);
  if (shortfall > 0) ReportNotTransferred(run, slot, name, source_name, shortfall);
}

void TransferYear(model::Scenario& scenario, Run& run, int slot) {
  model::FinancialEvent& event = scenario.events[slot];
  if (IsRule72T(event)) {
    if (run.current_age <= event.end_age) {
      TransferBetweenAccounts(scenario, run, slot, event.amount);
    }
    return;
  }
  if (IsAllFunds(event)) {
    if (WholeAge(run.current_age) != WholeAge(event.start_age)) return;
    TransferBetweenAccounts(scenario, run, slot, 0);
    event.status = 2;
    return;
  }
  if (!ActsThisYear(event, run)) return;
  float amount = event.working_amount_28;
  if (!IsOneTime(event)) amount = static_cast<float>(amount * double{run.year_fraction});
  GrowWorkingAmount(event, run);
  TransferBetweenAccounts(scenario, run, slot, amount);
  FinishAfterAction(event, run);
}

}  // namespace tarvel::engine
