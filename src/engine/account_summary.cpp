// The year's closing lines of the account step: tax and penalty lines with their payments,
// the "Summary:" block and the end-of-year account list.
#include "engine/account_summary.h"

#include <cmath>
#include <string>

#include "engine/funding.h"
#include "engine/line_text.h"
#include "engine/run_internal.h"
#include "model/money_format.h"
#include "model/record_counts.h"
#include "model/whole_age.h"

namespace tarvel::engine {
namespace {

// Emits the format with the money text of the amount.
void EmitMoneyLine(Run& run, const char* format, double amount) {
  if (!run.sink.writes_text()) return;
  run.sink.Emit(LineText(format, model::Money(amount, run.options.currency)), -1);
}

void EmitIfAbove(Run& run, const char* format, double amount, double threshold) {
  if (amount > threshold) EmitMoneyLine(run, format, amount);
}

}  // namespace

void PayYearTaxes(const model::Scenario& scenario, Run& run) {
  YearTotals& y = run.year;
  // Each payment is read before it is made: paying one tax may raise the next total.
  if (y.dividend_taxes > 0) {
    EmitMoneyLine(run, "  Taxes on Dividends = %s", y.dividend_taxes);
    FundFromSavings(scenario, run, y.dividend_taxes, FundingReason::Taxes, -1);
  }
  if (y.savings_interest_tax > 0) {
    EmitMoneyLine(run, "  Pay %s Tax on Savings Interest", y.savings_interest_tax);
    FundFromSavings(scenario, run, y.savings_interest_tax, FundingReason::Taxes, -1);
  }
  if (y.withdrawal_taxes > 0) {
    EmitMoneyLine(run, "  Withdrawal Taxes = %s", y.withdrawal_taxes);
    FundFromSavings(scenario, run, y.withdrawal_taxes, FundingReason::Taxes, -1);
  }
  if (y.penalties > 0) {
    EmitMoneyLine(run, "  Penalties Paid = %s", y.penalties);
    run.red_flags.penalty_paid.Raise(model::WholeAge(run.current_age));
    FundFromSavings(scenario, run, y.penalties, FundingReason::Penalties, -1);
  }
  if (y.deposit_taxes > 0) EmitMoneyLine(run, "  Deposit Taxes = %s", y.deposit_taxes);
}

void WriteYearSummary(Run& run) {
  if (!run.sink.writes_text()) return;
  const YearTotals& y = run.year;
  run.sink.Emit("Summary:", -1);
  EmitMoneyLine(run, "    Total Incoming=%s", y.total_incoming);
  EmitIfAbove(run, "       Deposits=%s", y.deposits, 0);
  EmitIfAbove(run, "       Taxable Income=%s", y.taxable_income, 0);
  EmitIfAbove(run, "           Dividends=%s", y.taxable_dividends, 1.0);
  EmitIfAbove(run, "           Interest=%s", y.taxable_interest, 1.0);
  EmitIfAbove(run, "       Non Taxable Income=%s", y.nontaxable_income, 0);
  EmitIfAbove(run, "           Dividends=%s", y.nontaxable_dividends, 1.0);
  EmitIfAbove(run, "           Tax Free Interest=%s", y.tax_free_interest, 1.0);
  EmitIfAbove(run, "           Retirement Account Interest=%s", y.retirement_interest, 1.0);
  EmitIfAbove(run, "       Loans=%s", y.loans, 0);
  EmitIfAbove(run, "       Selling Assets/Property=%s",
              static_cast<double>(y.sale_of_assets) + y.sale_of_property, 0);
  EmitIfAbove(run, "       Appreciation=%s",
              static_cast<double>(y.asset_appreciation) + y.equity_appreciation, 0);
  const double depreciation = std::fabs(y.depreciation);
  const double total_outgoing = depreciation + y.withdrawals + y.savings_interest_tax +
                                y.interest_paid + y.penalties + y.property_taxes +
                                y.withdrawal_taxes + y.closing_costs + y.dividend_taxes;
  EmitMoneyLine(run, "    Total Outgoing=%s", total_outgoing);
  EmitIfAbove(run, "       Withdrawals=%s", y.withdrawals, 0);
  EmitIfAbove(run, "       Interest Paid=%s", y.interest_paid, 0);
  EmitIfAbove(run, "       Taxes on withdrawals=%s", y.withdrawal_taxes, 0);
  EmitIfAbove(run, "       Taxes on savings interest=%s", y.savings_interest_tax, 0);
  EmitIfAbove(run, "       Taxes on dividends=%s", y.dividend_taxes, 0);
  EmitIfAbove(run, "       Property taxes=%s", y.property_taxes, 0);
  EmitIfAbove(run, "       Closing costs=%s", y.closing_costs, 0);
  EmitIfAbove(run, "       Penalties Paid=%s", y.penalties, 0);
  EmitIfAbove(run, "       Depreciation=%s", depreciation, 0);
}

void WriteAccountList(Run& run) {
  if (!run.sink.writes_text()) return;
  run.sink.Emit("End Of Year Account Summary:", -1);
  for (int i = 0; i < run.state.account_count; ++i) {
    const auto& account = run.state.accounts[i];
    const std::string money = model::Money(account.balance, run.options.currency);
    std::string line = LineText("  %s=", account.name.view()).str();
    line += money;
    if (money.size() < 20) line.append(20 - money.size(), ' ');
    run.sink.Emit(line, -1);
  }
}

}  // namespace tarvel::engine
