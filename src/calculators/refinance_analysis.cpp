// The refinance analysis, month by month in 4-byte floats.
#include "calculators/refinance_analysis.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/amortization.h"
#include "model/money_format.h"

namespace tarvel::calculators {
namespace {

constexpr double kNoLimit = std::numeric_limits<double>::max();
constexpr char kAgeMessage[] = "This age must be between 1.0 and 120.0.";
constexpr char kRateMessage[] =
    "Loan/Mortgage rates must be greater than 0.0 and less than 1000.0.";
constexpr char kFewYears[] = "The number of years be greater than 0.";
constexpr char kManyYears[] = "The number of years be less than 50.";
constexpr char kYearsCaption[] = "Number of Years Error!";

constexpr InputBound kExistingBounds[] = {
    {kExistingStartAge, 1.0, 120.0, false, kAgeMessage, "AGE ERROR"},
    {kExistingAmount, 1.0, 1e8, false,
     "This amount must be greater than 0.00 and less than 99999999.00.", "AMOUNT ERROR"},
    {kExistingRate, 1.0, 1000.0, false, kRateMessage, "RATE ERROR"},
    {kExistingYears, 1.0, kNoLimit, false, kFewYears, kYearsCaption},
    {kExistingYears, -kNoLimit, 50.0, false, kManyYears, kYearsCaption},
    {kRefinanceAge, 1.0, 120.0, false, kAgeMessage, "AGE ERROR"},
};
constexpr InputBound kRefinancedBounds[] = {
    {kRefinancedRate, 1.0, 1000.0, false, kRateMessage, "RATE ERROR"},
    {kRefinancedYears, 1.0, kNoLimit, false, kFewYears, kYearsCaption},
    {kRefinancedYears, -kNoLimit, 50.0, false, kManyYears, kYearsCaption},
    {kTaxRate, 1.0, 100.0, false, "The Tax Rate must be between 1.00   % and 100.00 %.",
     "RATE ERROR"},
    {kSavingsRate, -200.0, 200.0, false, "The Savings Rate must be between -200.00% and 200.00 %.",
     "RATE ERROR"},
};

RefinanceValues WholeInputs(const RefinanceValues& values) {
  RefinanceValues read = values;
  for (int input : {kExistingStartAge, kExistingYears, kRefinanceAge, kRefinancedYears}) {
    read[input] = WholePart(read[input]);
  }
  return read;
}

// One mortgage as a household pays it.
struct Mortgage {
  double amount = 0;
  float monthly_rate = 0;
  int months = 0;
  int first_age = 0;  // the age of its first payment
  int end_age = 0;    // no payment in or after the year of this age
  float payment = 0;

  float PrincipalOfMonth(int month) const {
    return engine::AmortizeYear(amount, monthly_rate, months, month, month, 0, 0).principal;
  }
};

// A household's running totals and the sums of the current year.
struct Household {
  Mortgage mortgage;
  float savings = 0;
  float equity = 0;
  float held_back = 0;  // savings that are borrowed money and left out of the net worth
  float year_principal = 0;
  float year_interest = 0;
  float year_savings_interest = 0;
  float year_paid = 0;

  float NetWorth() const { return savings + equity - held_back; }

  void StartYear() { year_principal = year_interest = year_savings_interest = year_paid = 0; }

  void PayMonth(int age, int month_of_year, float budget, float monthly_savings_rate) {
    savings += budget;
    if (age < mortgage.end_age) {
      const int month = (age - mortgage.first_age) * 12 + month_of_year;
      const float principal = mortgage.PrincipalOfMonth(month);
      year_interest += std::max(0.0f, mortgage.payment - principal);
      year_principal += principal;
      year_paid += mortgage.payment;
      equity += principal;
      savings -= mortgage.payment;
    }
    const float interest = savings * monthly_savings_rate;
    savings += interest;
    year_savings_interest += interest;
  }

  RefinanceRow EndYear(int age, char kind, float budget, float tax_fraction) {
    const float tax_savings = year_interest * tax_fraction;
    const float tax_on_interest = year_savings_interest * tax_fraction;
    savings -= tax_on_interest;
    savings += tax_savings;
    float difference = budget * 12 - year_paid;
    if (difference < 1) difference = 0;
    return {age + 1,
            kind,
            {NetWorth(), savings, equity, difference, year_principal, year_interest, tax_savings,
             year_savings_interest, tax_on_interest}};
  }

  RefinanceRow StartRow(int age, char kind) const {
    return {age, kind, {NetWorth(), savings, equity, 0, 0, 0, 0, 0, 0}};
  }
};

float MonthlyRate(double yearly_percent) {
  return static_cast<float>(yearly_percent) * 0.01f * (1.0f / 12.0f);
}

Mortgage ExistingMortgage(const RefinanceValues& read) {
  Mortgage mortgage;
  mortgage.amount = static_cast<float>(read[kExistingAmount]);
  mortgage.monthly_rate = MonthlyRate(read[kExistingRate]);
  mortgage.months = static_cast<int>(read[kExistingYears]) * 12;
  mortgage.first_age = static_cast<int>(read[kExistingStartAge]);
  mortgage.end_age = mortgage.first_age + static_cast<int>(read[kExistingYears]);
  mortgage.payment =
      engine::MonthlyPayment(mortgage.amount, mortgage.monthly_rate, mortgage.months);
  return mortgage;
}

// What is still owed on the existing mortgage when it is refinanced.
float OwedAtRefinancing(const Mortgage& existing, int refinance_age) {
  const int months_paid = (refinance_age - existing.first_age) * 12;
  const float repaid = months_paid > 0
                           ? engine::AmortizeYear(existing.amount, existing.monthly_rate,
                                                  existing.months, 0, months_paid - 1, 0, 0)
                                 .principal
                           : 0.0f;
  return static_cast<float>(existing.amount) - repaid;
}

void RefinancedAmount(const RefinanceInputs& inputs, const Mortgage& existing, int refinance_age,
                      RefinanceResult& result) {
  const RefinanceValues& values = inputs.values;
  float amount = static_cast<float>(values[kRefinancedAmount]);
  if (!(amount > 0)) {
    amount = OwedAtRefinancing(existing, refinance_age) + static_cast<float>(values[kCashOut]);
    result.amount_computed = true;
    result.owed_amount = amount;
  }
  const float closing = static_cast<float>(values[kClosingCosts]);
  const float points = static_cast<float>(values[kPoints]) * 0.01f;
  if (inputs.include_closing_costs) amount += closing;
  if (inputs.include_points) amount += points * amount;
  result.refinanced_amount = amount;
  result.costs = points * amount + closing;
}

}  // namespace

std::optional<InputProblem> CheckRefinance(const RefinanceValues& values) {
  const RefinanceValues read = WholeInputs(values);
  if (auto problem = FirstRefused(kExistingBounds, read)) return problem;
  if (read[kRefinanceAge] < read[kExistingStartAge]) {
    return InputProblem{
        kRefinanceAge,
        "The age at refinancing must be greater the the age of the orginal mortgage.",
        "Age Error!"};
  }
  return FirstRefused(kRefinancedBounds, read);
}

RefinanceResult CompareRefinance(const RefinanceInputs& inputs) {
  const RefinanceValues read = WholeInputs(inputs.values);
  const int refinance_age = static_cast<int>(read[kRefinanceAge]);
  RefinanceResult result;
  Household existing;
  existing.mortgage = ExistingMortgage(read);
  result.existing_payment = existing.mortgage.payment;
  RefinancedAmount(inputs, existing.mortgage, refinance_age, result);

  Household refinanced;
  Mortgage& mortgage = refinanced.mortgage;
  mortgage.amount = result.refinanced_amount;
  mortgage.monthly_rate = MonthlyRate(read[kRefinancedRate]);
  mortgage.months = static_cast<int>(read[kRefinancedYears]) * 12;
  mortgage.first_age = refinance_age;
  mortgage.end_age = refinance_age + static_cast<int>(read[kRefinancedYears]);
  mortgage.payment =
      engine::MonthlyPayment(mortgage.amount, mortgage.monthly_rate, mortgage.months);
  result.refinanced_payment = mortgage.payment;

  const float budget = std::max(existing.mortgage.payment, mortgage.payment);
  const float monthly_savings = (1.0f / 12.0f) * static_cast<float>(read[kSavingsRate]) * 0.01f;
  const float tax_fraction = static_cast<float>(read[kTaxRate]) * 0.01f;
  existing.savings = result.costs;
  if (inputs.cash_out_as_savings) {
    refinanced.savings = static_cast<float>(read[kCashOut]);
    refinanced.held_back = refinanced.savings;
  }
  result.plotted_months = mortgage.end_age <= existing.mortgage.end_age
                              ? (existing.mortgage.end_age - refinance_age) * 12
                              : mortgage.months;
  result.rows.push_back(existing.StartRow(refinance_age, 'O'));
  result.rows.push_back(refinanced.StartRow(refinance_age, 'R'));
  result.points.push_back({0, existing.NetWorth(), refinanced.NetWorth()});

  const int last_age = std::max(existing.mortgage.end_age, mortgage.end_age);
  int month_count = 0;
  for (int age = std::max(existing.mortgage.first_age, refinance_age); age < last_age; ++age) {
    existing.StartYear();
    refinanced.StartYear();
    for (int month = 0; month < 12; ++month) {
      existing.PayMonth(age, month, budget, monthly_savings);
      refinanced.PayMonth(age, month, budget, monthly_savings);
      ++month_count;
      // Break-even: the end of the first month after which the refinanced household's net
      // worth has caught up, its savings having covered the costs of refinancing. The graph
      // carries that month too, so the plotter finds the same month as the dialog shows.
      const bool breaks_even =
          !result.break_even_month && existing.NetWorth() <= refinanced.NetWorth();
      if (breaks_even) result.break_even_month = month_count;
      if (month_count % 4 == 0 || breaks_even) {
        result.points.push_back({month_count, existing.NetWorth(), refinanced.NetWorth()});
      }
    }
    result.rows.push_back(existing.EndYear(age, 'O', budget, tax_fraction));
    result.rows.push_back(refinanced.EndYear(age, 'R', budget, tax_fraction));
  }
  return result;
}

std::vector<std::string> RefinanceRowCells(const RefinanceRow& row) {
  std::vector<std::string> cells{model::Format("%3d %c", row.age, row.household)};
  for (float value : row.values) cells.push_back(model::Format("%16.2f", value));
  return cells;
}

std::string RefinanceDetailsText(const RefinanceResult& result) {
  std::string text =
      "Age\tNet Worth\tSavings\tEquity\t+Diff. in Mon. Pay.\t+Principal\t-Interest\t+Tax "
      "Savings\t-Savings Interest\t-Tax on Interest\n";
  for (const RefinanceRow& row : result.rows) {
    const std::vector<std::string> cells = RefinanceRowCells(row);
    for (std::size_t cell = 0; cell < cells.size(); ++cell) {
      text += cells[cell];
      text += cell + 1 < cells.size() ? '\t' : '\n';
    }
  }
  return text;
}

std::string RefinanceGraphText(const RefinanceResult& result) {
  std::string text = "1\nDummy\nDummy\nDummy\n";
  text += model::Format("%f\n", static_cast<double>(result.plotted_months));
  text += "2\nExisting Mortgage\nRefinanced Mortgage\n";
  for (const RefinancePoint& point : result.points) {
    text += "0.0\n0.0\n";
    text +=
        model::Format("%f %f %f\n", static_cast<double>(point.month),
                      static_cast<double>(point.existing), static_cast<double>(point.refinanced));
  }
  return text;
}

}  // namespace tarvel::calculators
