// Checks that each named view of an event reads and writes the stored field it means, that
// events are told apart by their variety markers, and the two roundings of a whole age.
#include "model/event_views.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <type_traits>

#include "model/block_codec.h"
#include "model/whole_age.h"

namespace tarvel::model {
namespace {

using Event = FinancialEvent;

std::array<std::uint8_t, kEventSize> Stored(const Event& event) {
  std::array<std::uint8_t, kEventSize> bytes{};
  Encode(event, bytes);
  return bytes;
}

struct FieldCase {
  const char* name;
  std::function<void(Event&)> set;  // writes 12.5 or 1234 through the view
  std::size_t offset;
  std::size_t size;  // 4: a float of 12.5; 2: a 16-bit 1234
};

// Writing through a view changes exactly the bytes of the stored field it names.
TEST(EventViews, WriteTheStoredFieldTheyName) {
  const FieldCase cases[] = {
      {"apply rate", [](Event& e) { CashFlowTerms(e).apply_rate_percent() = 12.5f; }, 10, 4},
      {"one time only", [](Event& e) { CashFlowTerms(e).one_time_only() = 1234; }, 14, 2},
      {"before taxes", [](Event& e) { CashFlowTerms(e).before_taxes() = 1234; }, 22, 2},
      {"from account", [](Event& e) { CashFlowTerms(e).from_account() = 1234; }, 22, 2},
      {"to account", [](Event& e) { CashFlowTerms(e).to_account() = 1234; }, 24, 2},
      {"apply inflation", [](Event& e) { CashFlowTerms(e).apply_inflation() = 1234; }, 26, 2},
      {"account chosen", [](Event& e) { CashFlowTerms(e).account_chosen() = 1234; }, 44, 2},
      {"all funds", [](Event& e) { CashFlowTerms(e).all_funds_at_start() = 1234; }, 66, 2},
      {"working amount", [](Event& e) { EventView(e).working_amount() = 12.5f; }, 28, 4},
      {"budget number", [](Event& e) { BudgetWithdrawalTerms(e).budget_number() = 1234; }, 64, 2},
      {"tax rate", [](Event& e) { FundamentalsTerms(e).tax_rate_percent() = 12.5f; }, 18, 4},
      {"inflation", [](Event& e) { FundamentalsTerms(e).inflation_rate_percent() = 12.5f; }, 32, 4},
      {"account rate", [](Event& e) { FundamentalsTerms(e).account_rate_percent() = 12.5f; }, 40,
       4},
      {"beneficiary age", [](Event& e) { Rule72TTerms(e).beneficiary_age() = 12.5f; }, 10, 4},
      {"life table", [](Event& e) { Rule72TTerms(e).life_table() = 1234; }, 14, 2},
      {"72t method", [](Event& e) { Rule72TTerms(e).method() = 1234; }, 26, 2},
      {"source balance", [](Event& e) { Rule72TTerms(e).source_balance() = 12.5f; }, 146, 4},
      {"beneficiary now", [](Event& e) { Rule72TTerms(e).beneficiary_age_now() = 1234; }, 158, 2},
      {"sell age", [](Event& e) { LoanTerms(e).sell_age() = 12.5f; }, 10, 4},
      {"paid off", [](Event& e) { LoanTerms(e).paid_off() = 1234; }, 14, 2},
      {"deposit account", [](Event& e) { LoanTerms(e).deposit_account() = 1234; }, 24, 2},
      {"down payment", [](Event& e) { LoanTerms(e).down_payment() = 12.5f; }, 32, 4},
      {"loan rate", [](Event& e) { LoanTerms(e).yearly_rate_percent() = 12.5f; }, 40, 4},
      {"term years", [](Event& e) { LoanTerms(e).term_years() = 1234; }, 44, 2},
      {"months paid", [](Event& e) { LoanTerms(e).months_paid() = 1234; }, 66, 2},
      {"owned value", [](Event& e) { LoanTerms(e).owned_value() = 12.5f; }, 46, 4},
      {"principal repaid", [](Event& e) { LoanTerms(e).principal_repaid() = 12.5f; }, 50, 4},
      {"interest paid", [](Event& e) { LoanTerms(e).interest_paid() = 12.5f; }, 54, 4},
      {"payment chosen", [](Event& e) { LoanTerms(e).payment_account_chosen() = 1234; }, 58, 2},
      {"deposit rate", [](Event& e) { LoanTerms(e).deposit_account_rate() = 12.5f; }, 60, 4},
      {"payment account", [](Event& e) { LoanTerms(e).payment_account() = 1234; }, 158, 2},
      {"cost of loan", [](Event& e) { EquityLoanTerms(e).cost_of_loan() = 12.5f; }, 138, 4},
      {"equity account", [](Event& e) { EquityLoanTerms(e).equity_account() = 1234; }, 128, 2},
      {"mortgage number", [](Event& e) { EquityLoanTerms(e).mortgage_number() = 1234; }, 130, 2},
      {"keep down payment", [](Event& e) { MortgageTerms(e).keep_down_payment() = 1234; }, 24, 2},
      {"inflate taxes", [](Event& e) { MortgageTerms(e).apply_inflation_to_taxes() = 1234; }, 26,
       2},
      {"appreciation", [](Event& e) { MortgageTerms(e).appreciation_rate_percent() = 12.5f; }, 60,
       4},
      {"property taxes", [](Event& e) { MortgageTerms(e).property_taxes() = 12.5f; }, 134, 4},
      {"closing costs", [](Event& e) { MortgageTerms(e).closing_costs() = 12.5f; }, 138, 4},
      {"accelerated", [](Event& e) { MortgageTerms(e).accelerated_amount() = 12.5f; }, 146, 4},
      {"accelerated option", [](Event& e) { MortgageTerms(e).accelerated_option() = 1234; }, 156,
       2},
      {"owned outright", [](Event& e) { MortgageTerms(e).owned_outright() = 1234; }, 22, 2},
      {"sold", [](Event& e) { MortgageTerms(e).sold() = 1234; }, 154, 2},
      {"months to pay off", [](Event& e) { CreditCardTerms(e).months_to_pay_off() = 12.5f; }, 10,
       4},
      {"card account", [](Event& e) { CreditCardTerms(e).payment_account() = 1234; }, 24, 2},
      {"card chosen", [](Event& e) { CreditCardTerms(e).payment_account_chosen() = 1234; }, 44, 2},
      {"total interest", [](Event& e) { CreditCardTerms(e).total_interest() = 12.5f; }, 32, 4},
      {"years to pay off", [](Event& e) { CreditCardTerms(e).years_to_pay_off() = 12.5f; }, 60, 4},
      {"purchases", [](Event& e) { CreditCardTerms(e).monthly_purchases() = 12.5f; }, 134, 4},
      {"card debt", [](Event& e) { CreditCardTerms(e).debt() = 12.5f; }, 28, 4},
      {"minimum withdrawal", [](Event& e) { AllocationOption(e).minimum_withdrawal() = 12.5f; }, 18,
       4},
      {"rmd table", [](Event& e) { RmdLine(e).table() = 1234; }, 22, 2},
      {"status", [](Event& e) { SetStatus(e, static_cast<EventStatus>(1234)); }, 68, 2},
  };
  const auto blank = Stored(Event{});
  for (const FieldCase& c : cases) {
    Event event{};
    c.set(event);
    const auto bytes = Stored(event);
    std::array<std::uint8_t, 4> expected{};
    if (c.size == 4) {
      const float value = 12.5f;
      std::memcpy(expected.data(), &value, 4);
    } else {
      expected[0] = 1234 & 0xFF;
      expected[1] = 1234 >> 8;
    }
    for (std::size_t i = 0; i < kEventSize; ++i) {
      const bool in_field = i >= c.offset && i < c.offset + c.size;
      const std::uint8_t want = in_field ? expected[i - c.offset] : blank[i];
      EXPECT_EQ(bytes[i], want) << c.name << " at byte " << i;
    }
  }
}

TEST(EventViews, ReadOnlyOverAConstEventAndShowWhatWasStored) {
  Event stored{};
  stored.amount = 100000;
  stored.value_32 = 20000;
  stored.status = 2;
  const Event& event = stored;
  const MortgageTerms mortgage(event);
  static_assert(std::is_const_v<std::remove_reference_t<decltype(mortgage.down_payment())>>);
  EXPECT_EQ(mortgage.principal(), 80000.0);
  EXPECT_EQ(mortgage.status(), EventStatus::Finished);
  EXPECT_EQ(MortgageTerms<const Event>::payments_per_year(), 12);
}

TEST(EventViews, VarietyComesFromTheKindAndItsMarker) {
  struct Case {
    EventKind kind;
    std::uint16_t loan_marker;  // stored at 26
    std::uint16_t marker;       // stored at 156
    EventVariety expected;
    const char* meaning_of_value_10;  // the field's name by meaning, "" when it has none
  };
  const Case cases[] = {
      {EventKind::Loan, 0, 0, EventVariety::Loan, "sell_age"},
      {EventKind::Loan, kCreditCardMarker, 0, EventVariety::CreditCard, "months_to_pay_off"},
      {EventKind::Loan, kEquityLoanMarker, 0, EventVariety::EquityLoan, ""},
      {EventKind::Withdrawal, 0, 0, EventVariety::Withdrawal, "apply_rate"},
      {EventKind::Withdrawal, 0, kBudgetWithdrawalMarker, EventVariety::BudgetWithdrawal, ""},
      {EventKind::Transfer, 0, 0, EventVariety::Transfer, "apply_rate"},
      {EventKind::Transfer, 0, kRule72TMarker, EventVariety::Rule72T, "beneficiary_age"},
      // A Deposit's marker field means nothing: it stays a Deposit.
      {EventKind::Deposit, 0, kRule72TMarker, EventVariety::Deposit, "apply_rate"},
      {EventKind::Mortgage, kCreditCardMarker, 3, EventVariety::Mortgage, "sell_age"},
      {EventKind::Fundamentals, 0, 0, EventVariety::Fundamentals, ""},
      {EventKind::AllocationOption, 0, 0, EventVariety::AllocationOption, ""},
      {EventKind::RmdLine, 0, 0, EventVariety::RmdLine, ""},
      {EventKind::Empty, kCreditCardMarker, kRule72TMarker, EventVariety::Other, ""},
  };
  for (const Case& c : cases) {
    Event event{};
    event.kind = c.kind;
    event.word_26 = c.loan_marker;
    event.marker = c.marker;
    EXPECT_EQ(VarietyOf(event), c.expected) << static_cast<int>(c.kind);
    EXPECT_EQ(MeaningOf(FieldMeaningsOf(event), "value_10"), c.meaning_of_value_10)
        << static_cast<int>(c.kind);
  }
}

TEST(WholeAge, RoundsDownOrTowardZeroAndRefusesAgesThatAreNoNumber) {
  struct Case {
    float age;
    int down;
    int toward_zero;
  };
  const Case cases[] = {
      {45.0f, 45, 45},
      {45.99f, 45, 45},
      {0.0f, 0, 0},
      {-0.5f, -1, 0},
      {-2.5f, -3, -2},
      {std::numeric_limits<float>::quiet_NaN(), -1, -1},
      {std::numeric_limits<float>::infinity(), -1, -1},
      {2.0e9f, -1, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WholeAge(c.age), c.down) << c.age;
    EXPECT_EQ(WholeAgeTowardZero(c.age), c.toward_zero) << c.age;
  }
}

}  // namespace
}  // namespace tarvel::model
