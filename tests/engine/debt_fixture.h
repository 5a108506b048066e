// Years of loans, credit cards and mortgages without the whole driver: the event step
// followed by the property revaluation of the account step, with a savings account whose
// category total matches its balance, so the net worth can be followed.
#pragma once

#include "engine/event_year_fixture.h"
#include "engine/property.h"
#include "model/scenario_ops.h"

namespace tarvel::test_support {

class DebtYearTest : public EventYearTest {
 protected:
  static constexpr float kSavings = 500000;

  DebtYearTest() {
    savings_ = AddAccount(*scenario_, model::AccountType::Investment, kSavings, 0, "Savings");
    run_.categories.investment = kSavings;
  }

  // As the account step does: its adjustments start afresh before the revaluation.
  void DebtYear(float age) {
    Year(age);
    run_.asset_adjustment = 0;
    run_.equity_adjustment = 0;
    OnScenario(*scenario_, run_, [&] { engine::RevalueProperty(run_); });
  }
  void DebtYears(float first, float last) {
    for (float age = first; age <= last; age += 1.0f) DebtYear(age);
  }

  model::FinancialEvent& AddLoan(float amount, float rate, int years, float start, float payoff,
                                 int deposit_to) {
    model::FinancialEvent& loan = AddEvent(*scenario_, model::EventKind::Loan, start, payoff);
    loan.description.assign("Loan");
    loan.amount = amount;
    loan.rate_40 = rate;
    loan.word_44 = static_cast<std::int16_t>(years);
    loan.account_24 = AccountAt(deposit_to).id;
    return loan;
  }

  model::FinancialEvent& AddMortgage(float price, float down_payment, float start, float payoff) {
    model::FinancialEvent& mortgage =
        AddEvent(*scenario_, model::EventKind::Mortgage, start, payoff);
    mortgage.description.assign("House");
    mortgage.amount = price;
    mortgage.value_32 = down_payment;
    mortgage.rate_40 = 6;
    mortgage.word_44 = 30;
    return mortgage;
  }

  model::FinancialEvent& AddCreditCard(float balance, float payment, float start, float payoff) {
    model::FinancialEvent& card = AddEvent(*scenario_, model::EventKind::Loan, start, payoff);
    card.description.assign("Visa");
    card.word_26 = model::kCreditCardMarker;
    card.amount = balance;
    card.monthly_payment = payment;
    card.rate_40 = 18;
    return card;
  }

  // What the driver does for a credit card in its start year: its debt is a liability.
  void AddCardDebtToLiabilities(const model::FinancialEvent& card) {
    run_.liabilities += card.amount;
  }

  void PayFrom(model::FinancialEvent& event, int position) {
    event.word_158 = AccountAt(position).id;
    event.payment_marker = model::kChosenAccountMarker;
  }

  double NetWorth() const {
    const engine::CategoryTotals& c = run_.categories;
    return static_cast<double>(c.investment) + c.tax_free + c.retirement + c.equity + c.asset +
           run_.asset_adjustment + run_.equity_adjustment - run_.liabilities;
  }

  float Savings() { return AccountAt(savings_).balance; }

  int savings_ = 0;
};

}  // namespace tarvel::test_support
