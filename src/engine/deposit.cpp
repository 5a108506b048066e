// Deposit events: the year's amount (before or after taxes) goes into the deposit account
// and counts among the year's deposits.
#include <string>
#include <string_view>

#include "engine/cash_flow_events.h"
#include "engine/funding.h"
#include "engine/line_text.h"
#include "model/event_views.h"
#include "model/money_format.h"
#include "model/scenario_ops.h"

namespace tarvel::engine {

void DepositYear(const model::Scenario& /*scenario*/, Run& run, int slot) {
  model::FinancialEvent& event = run.state.events[slot];
  const model::CashFlowTerms deposit(event);
  if (!ActsThisYear(event, run)) return;
  const std::string_view name = event.description.view();
  run.files.EventRecord(run.current_age, name, static_cast<int>(event.kind),
                        deposit.working_amount());

  float amount = deposit.working_amount();
  GrowWorkingAmount(event, run);
  if (!IsOneTime(event)) amount = static_cast<float>(amount * double{run.year_fraction});
  const bool before_taxes = deposit.before_taxes() != 0;
  float tax = 0;
  if (before_taxes) {
    tax = static_cast<float>(run.tax_rate * 0.01 * amount);
    run.year.deposit_taxes += tax;
    run.year.total_taxes += tax;
    amount = static_cast<float>(amount * (1.0 - run.tax_rate * 0.01));
  }
  run.year.deposits += amount;

  const int position = run.state.FindAccount(deposit.account());
  const bool received = position >= 0 && run.current_age >= run.shown_start_age;
  if (received) {
    model::Account& account = run.state.accounts[position];
    account.balance = static_cast<float>(account.balance + amount);
    run.categories.Add(account.type, amount);
  }

  const auto money = model::MoneyLater(amount, run.options.currency);
  const std::string_view account_name = AccountName(run.state, position);
  if (before_taxes) {
    const auto tax_money = model::MoneyLater(tax, run.options.currency);
    run.sink.Emit(
        [&] {
          return LineText("  %s - Deposit %s to %s. %s tax deducted from deposit.", name, money(),
                          account_name, tax_money());
        },
        slot);
  } else {
    run.sink.Emit([&] { return LineText("  %s - Deposit %s to %s", name, money(), account_name); },
                  slot);
  }
  if (position >= 0) run.files.Incoming(run.current_age, account_name, amount);
  FinishAfterAction(event, run);
}

}  // namespace tarvel::engine
