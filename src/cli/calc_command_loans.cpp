// `tarvel calc mortgage|accelerated|refinance|effective`: the loan calculators and the
// effective yearly rate.
#include <memory>

#include "calculators/accelerated_payment.h"
#include "calculators/effective_rate.h"
#include "calculators/mortgage_calculator.h"
#include "calculators/refinance_analysis.h"
#include "cli/calc_command.h"
#include "model/money_format.h"

namespace tarvel::cli {
namespace {

namespace calc = calculators;

struct MortgageOptions {
  double amount = 0;
  double down_payment = 0;
  double rate = 0;
  double years = 0;
};

int RunMortgage(const MortgageOptions& o) {
  const calc::MortgageInputs inputs{o.amount, o.down_payment, o.rate, o.years};
  if (int status = RefusedStatus(calc::CheckMortgage(inputs))) return status;
  PrintValue("financed amount", Amount(calc::FinancedAmount(inputs)));
  PrintValue("monthly payment", Amount(calc::MortgagePayment(inputs)));
  return 0;
}

struct AcceleratedOptions {
  double amount = 0;
  double rate = 0;
  double years = 0;
  double extra = 0;
  double years_elapsed = 0;
  double growth = 5;
  double tax = 0;
  double inflation = 0;
};

int RunAccelerated(const AcceleratedOptions& o) {
  const calc::AcceleratedInputs inputs{
      o.amount, o.years, o.years - o.years_elapsed, o.rate, o.extra, o.growth, o.tax, o.inflation};
  if (int status = RefusedStatus(calc::CheckAccelerated(inputs))) return status;
  const calc::AcceleratedResult r = calc::AnalyzeAccelerated(inputs);
  PrintValue("monthly payment", Amount(r.payment));
  PrintValue("total payments", Amount(r.total_payments));
  PrintValue("total interest", Amount(r.total_interest));
  PrintValue("payoff months", model::Format("%d", r.paying_months));
  PrintValue("payment years", model::Format("%.3f", r.paying_months * (1.0 / 12)));
  PrintValue("accelerated monthly payment", Amount(r.accelerated_payment));
  PrintValue("accelerated total payments", Amount(r.accelerated_total_payments));
  PrintValue("accelerated total interest", Amount(r.accelerated_total_interest));
  PrintValue("savings", Amount(r.savings));
  PrintValue("invested years", model::Format("%d", r.invested_years));
  PrintValue("invested value", Amount(r.invested_value));
  return 0;
}

int RunRefinance(const calc::RefinanceInputs& inputs) {
  if (int status = RefusedStatus(calc::CheckRefinance(inputs.values))) return status;
  const calc::RefinanceResult r = calc::CompareRefinance(inputs);
  PrintValue("existing monthly payment", Amount(r.existing_payment));
  PrintValue("refinanced amount", Amount(r.refinanced_amount));
  PrintValue("refinanced monthly payment", Amount(r.refinanced_payment));
  PrintValue("total mortgage costs", Amount(r.costs));
  PrintValue("months to break even",
             r.break_even_month ? model::Format("%d", *r.break_even_month) : "Never");
  return 0;
}

struct EffectiveOptions {
  double rate = 0;
  int periods = 12;
};

int RunEffective(const EffectiveOptions& o) {
  if (!(o.rate > -calc::kNominalRateLimit && o.rate < calc::kNominalRateLimit)) {
    return RefusedStatus(calc::InputProblem{
        0, "The Nominal Rate must be a value greater than -200 and less than 200.00",
        "Rate Error!"});
  }
  if (o.periods < 1 || o.periods > 365) {
    return RefusedStatus(calc::InputProblem{
        1, "The number of compounding periods per year must be from 1 to 365.", "Period Error!"});
  }
  PrintValue("effective rate",
             model::Format("%.4f", calc::EffectiveRate(static_cast<float>(o.rate), o.periods)));
  return 0;
}

}  // namespace

void AddMortgageCalc(CLI::App& calc, const char* name, int& status) {
  auto o = std::make_shared<MortgageOptions>();
  CLI::App* command = calc.add_subcommand(name, "Monthly payment of a mortgage");
  command->add_option("--amount", o->amount, "Amount of the mortgage")->required();
  command->add_option("--rate", o->rate, "Rate, percent per year")->required();
  command->add_option("--years", o->years, "Number of years, 1 to 100")->required();
  command->add_option("--down-payment", o->down_payment, "Down payment");
  command->callback([o, &status] { status = RunMortgage(*o); });
}

void AddAcceleratedCalc(CLI::App& calc, const char* name, int& status) {
  auto o = std::make_shared<AcceleratedOptions>();
  CLI::App* command =
      calc.add_subcommand(name, "A mortgage paid down faster by an additional monthly payment");
  command->add_option("--amount", o->amount, "Loan amount")->required();
  command->add_option("--rate", o->rate, "Rate, percent per year")->required();
  command->add_option("--years", o->years, "Number of years of the mortgage, 1 to 50")->required();
  command->add_option("--extra", o->extra, "Additional monthly payment")->required();
  command->add_option("--years-elapsed", o->years_elapsed, "Years already paid");
  command->add_option("--growth", o->growth, "Investment rate, percent per year (5)");
  command->add_option("--tax", o->tax, "Tax rate on the investment's gains, percent");
  command->add_option("--inflation", o->inflation, "Inflation rate, percent per year");
  command->callback([o, &status] { status = RunAccelerated(*o); });
}

void AddRefinanceCalc(CLI::App& calc, const char* name, int& status) {
  auto o = std::make_shared<calc::RefinanceInputs>();
  calc::RefinanceValues& v = o->values;
  v[calc::kTaxRate] = 25;
  CLI::App* command =
      calc.add_subcommand(name, "Keeping a mortgage against refinancing it at a given age");
  command->add_option("--start-age", v[calc::kExistingStartAge], "Start age of the mortgage")
      ->required();
  command->add_option("--amount", v[calc::kExistingAmount], "Amount of the mortgage")->required();
  command->add_option("--rate", v[calc::kExistingRate], "Rate, percent per year")->required();
  command->add_option("--years", v[calc::kExistingYears], "Number of years")->required();
  command->add_option("--refinance-age", v[calc::kRefinanceAge], "Age at refinancing")->required();
  command->add_option("--new-amount", v[calc::kRefinancedAmount],
                      "Refinanced amount; none: what is still owed plus the cash out");
  command->add_option("--new-rate", v[calc::kRefinancedRate], "Refinanced rate")->required();
  command->add_option("--new-years", v[calc::kRefinancedYears], "Refinanced number of years")
      ->required();
  command->add_option("--cash-out", v[calc::kCashOut], "Cash taken out");
  command->add_flag("--cash-out-savings", o->cash_out_as_savings, "Use the cash out as savings");
  command->add_option("--closing-costs", v[calc::kClosingCosts], "Closing costs");
  command->add_flag("--include-closing", o->include_closing_costs,
                    "Include the closing costs in the mortgage");
  command->add_option("--points", v[calc::kPoints], "Mortgage points, percent");
  command->add_flag("--include-points", o->include_points, "Include the points in the mortgage");
  command->add_option("--tax-rate", v[calc::kTaxRate], "Effective tax rate, percent (25)");
  command->add_option("--savings-rate", v[calc::kSavingsRate], "Savings rate, percent per year");
  command->callback([o, &status] { status = RunRefinance(*o); });
}

void AddEffectiveRateCalc(CLI::App& calc, const char* name, int& status) {
  auto o = std::make_shared<EffectiveOptions>();
  CLI::App* command = calc.add_subcommand(name, "Effective yearly rate of a compounded rate");
  command->add_option("--rate", o->rate, "Nominal rate, percent per year")->required();
  command->add_option("--periods", o->periods, "Compoundings per year, 1 to 365 (12)");
  command->callback([o, &status] { status = RunEffective(*o); });
}

}  // namespace tarvel::cli
