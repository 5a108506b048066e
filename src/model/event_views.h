// Named views of a financial event: several stored fields of an event record mean different
// things by kind, and these views say what each field means for each kind and variety. A view
// holds a reference to the record; over a const record its accessors are read-only.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "model/records.h"

namespace tarvel::model {

// Run-time progress of an event.
enum class EventStatus : std::uint16_t { NotStarted = 0, Running = 1, Finished = 2 };

// The varieties that share a stored kind, told apart by marker fields.
enum class EventVariety {
  Other,
  Fundamentals,
  Deposit,
  Withdrawal,
  BudgetWithdrawal,
  Transfer,
  Rule72T,
  Loan,
  CreditCard,
  EquityLoan,
  Mortgage,
  AllocationOption,
  RmdLine,
};

inline EventStatus StatusOf(const FinancialEvent& event) {
  return static_cast<EventStatus>(event.status);
}
inline void SetStatus(FinancialEvent& event, EventStatus status) {
  event.status = static_cast<std::uint16_t>(status);
}

inline EventVariety VarietyOf(const FinancialEvent& event) {
  switch (event.kind) {
    case EventKind::Fundamentals:
      return EventVariety::Fundamentals;
    case EventKind::Deposit:
      return EventVariety::Deposit;
    case EventKind::Withdrawal:
      return event.marker == kBudgetWithdrawalMarker ? EventVariety::BudgetWithdrawal
                                                     : EventVariety::Withdrawal;
    case EventKind::Transfer:
      return event.marker == kRule72TMarker ? EventVariety::Rule72T : EventVariety::Transfer;
    case EventKind::Loan:
      // The variety marker shares its field with a plain loan's and a Mortgage's flags.
      if (event.word_26 == kCreditCardMarker) return EventVariety::CreditCard;
      if (event.word_26 == kEquityLoanMarker) return EventVariety::EquityLoan;
      return EventVariety::Loan;
    case EventKind::Mortgage:
      return EventVariety::Mortgage;
    case EventKind::AllocationOption:
      return EventVariety::AllocationOption;
    case EventKind::RmdLine:
      return EventVariety::RmdLine;
    default:
      return EventVariety::Other;
  }
}
inline bool IsCreditCard(const FinancialEvent& event) {
  return VarietyOf(event) == EventVariety::CreditCard;
}
inline bool IsEquityLoan(const FinancialEvent& event) {
  return VarietyOf(event) == EventVariety::EquityLoan;
}
inline bool IsRule72T(const FinancialEvent& event) {
  return VarietyOf(event) == EventVariety::Rule72T;
}
inline bool IsBudgetWithdrawal(const FinancialEvent& event) {
  return VarietyOf(event) == EventVariety::BudgetWithdrawal;
}

// The name a stored field has by its meaning in one variety (the scenario's JSON form uses
// these names).
struct FieldMeaning {
  std::string_view stored;
  std::string_view meaning;
};
using FieldMeanings = std::span<const FieldMeaning>;

// The meanings of the event's variety; empty for a variety without named fields.
FieldMeanings FieldMeaningsOf(const FinancialEvent& event);
// The meaning name of a stored field, or an empty view when the variety gives it none.
std::string_view MeaningOf(FieldMeanings meanings, std::string_view stored);

// What every kind shares: the run-time status and working amount.
template <typename Event>
class EventView {
 public:
  explicit EventView(Event& event) : event_(&event) {}

  Event& record() const { return *event_; }
  EventStatus status() const { return StatusOf(*event_); }
  // The amount of the current year: a cash flow's grown amount, a debt's current value.
  auto& working_amount() const { return event_->working_amount_28; }

 protected:
  Event* event_;
};

// Deposit, Withdrawal and Transfer: a yearly (or one-time) amount between accounts.
template <typename Event>
class CashFlowTerms : public EventView<Event> {
 public:
  explicit CashFlowTerms(Event& event) : EventView<Event>(event) {}
  static constexpr FieldMeaning kDepositMeanings[] = {
      {"value_10", "apply_rate"}, {"flag_14", "one_time_only"},   {"word_22", "before_taxes"},
      {"account_24", "account"},  {"word_26", "apply_inflation"}, {"word_44", "account_chosen"}};
  static constexpr FieldMeaning kWithdrawalMeanings[] = {{"value_10", "apply_rate"},
                                                         {"flag_14", "one_time_only"},
                                                         {"account_24", "account"},
                                                         {"word_26", "apply_inflation"},
                                                         {"word_44", "account_chosen"}};
  static constexpr FieldMeaning kTransferMeanings[] = {
      {"value_10", "apply_rate"},     {"flag_14", "one_time_only"},
      {"word_22", "from_account"},    {"account_24", "to_account"},
      {"word_26", "apply_inflation"}, {"flag_66", "all_funds_at_start"},
      {"word_44", "account_chosen"}};

  // Percent per year by which the amount grows after each year.
  auto& apply_rate_percent() const { return this->event_->value_10; }
  auto& one_time_only() const { return this->event_->flag_14; }
  auto& apply_inflation() const { return this->event_->word_26; }
  // Deposit: the amount is taxed on the way in.
  auto& before_taxes() const { return this->event_->word_22; }
  // The account deposited to or withdrawn from; a Transfer's destination.
  auto& account() const { return this->event_->account_24; }
  auto& to_account() const { return this->event_->account_24; }
  auto& from_account() const { return this->event_->word_22; }
  // kChosenAccountMarker when the account was picked explicitly.
  auto& account_chosen() const { return this->event_->word_44; }
  // Transfer: the source's whole balance moves once, at the start age.
  auto& all_funds_at_start() const { return this->event_->flag_66; }
  auto& todays_dollars() const { return this->event_->todays_dollars; }
};

// A withdrawal that follows one of the five budgets.
template <typename Event>
class BudgetWithdrawalTerms : public EventView<Event> {
 public:
  explicit BudgetWithdrawalTerms(Event& event) : EventView<Event>(event) {}
  static constexpr FieldMeaning kMeanings[] = {{"account_24", "account"},
                                               {"word_44", "account_chosen"}};

  auto& account() const { return this->event_->account_24; }
  auto& account_chosen() const { return this->event_->word_44; }
  auto& one_time_only() const { return this->event_->flag_14; }
  // 1..5.
  auto& budget_number() const { return this->event_->budget_number; }
  // The budget's yearly total as the budget dialog last wrote it.
  auto& written_total() const { return this->event_->working_amount_46; }
};

// A Fundamentals event: new account, tax and inflation rates from its start age on.
template <typename Event>
class FundamentalsTerms : public EventView<Event> {
 public:
  explicit FundamentalsTerms(Event& event) : EventView<Event>(event) {}
  static constexpr FieldMeaning kMeanings[] = {{"amount", "tax_rate"},
                                               {"account_24", "account"},
                                               {"value_32", "inflation_rate"},
                                               {"rate_40", "account_rate"}};

  auto& tax_rate_percent() const { return this->event_->amount; }
  auto& account() const { return this->event_->account_24; }
  auto& inflation_rate_percent() const { return this->event_->value_32; }
  auto& account_rate_percent() const { return this->event_->rate_40; }
};

// A Rule 72T transfer: a yearly distribution from a retirement account.
template <typename Event>
class Rule72TTerms : public EventView<Event> {
 public:
  explicit Rule72TTerms(Event& event) : EventView<Event>(event) {}
  static constexpr FieldMeaning kMeanings[] = {
      {"value_10", "beneficiary_age"}, {"flag_14", "life_table"}, {"word_22", "from_account"},
      {"account_24", "to_account"},    {"word_26", "method"},     {"rate_40", "rate"},
      {"word_44", "account_chosen"},
  };

  // The beneficiary's age at the start.
  auto& beneficiary_age() const { return this->event_->value_10; }
  auto& life_table() const { return this->event_->flag_14; }
  auto& from_account() const { return this->event_->word_22; }
  auto& to_account() const { return this->event_->account_24; }
  auto& method() const { return this->event_->word_26; }
  auto& yearly_rate_percent() const { return this->event_->rate_40; }
  auto& account_chosen() const { return this->event_->word_44; }
  // Run-time: the yearly distribution is kept in the amount.
  auto& distribution() const { return this->event_->amount; }
  // Run-time: the source's balance at the start and the beneficiary's age this year.
  auto& source_balance() const { return this->event_->value_146; }
  auto& beneficiary_age_now() const { return this->event_->word_158; }
};

// What loans, equity loans and mortgages share: an amortised debt paid monthly.
template <typename Event>
class DebtTerms : public EventView<Event> {
 public:
  explicit DebtTerms(Event& event) : EventView<Event>(event) {}
  static constexpr int payments_per_year() { return 12; }

  // The age at which what the debt bought is sold; 0 never.
  auto& sell_age() const { return this->event_->value_10; }
  auto& down_payment() const { return this->event_->value_32; }
  auto& yearly_rate_percent() const { return this->event_->rate_40; }
  auto& term_years() const { return this->event_->word_44; }
  auto& monthly_payment() const { return this->event_->monthly_payment; }
  auto& payment_account() const { return this->event_->word_158; }
  auto& payment_account_chosen() const { return this->event_->payment_marker; }
  // What was borrowed: the amount less the down payment.
  double principal() const {
    return static_cast<double>(this->event_->amount) - this->event_->value_32;
  }
  // Run-time state of the schedule.
  auto& paid_off() const { return this->event_->flag_14; }
  // The number of the first month of the next year's payments.
  auto& months_paid() const { return this->event_->flag_66; }
  auto& principal_repaid() const { return this->event_->accumulator_50; }
  auto& interest_paid() const { return this->event_->accumulator_54; }
  // The value of what the debt bought, and the owner's share of it.
  auto& bought_value() const { return this->event_->working_amount_28; }
  auto& owned_value() const { return this->event_->working_amount_46; }
};

template <typename Event>
class LoanTerms : public DebtTerms<Event> {
 public:
  explicit LoanTerms(Event& event) : DebtTerms<Event>(event) {}
  static constexpr FieldMeaning kMeanings[] = {
      {"value_10", "sell_age"},       {"account_24", "account"},
      {"value_32", "down_payment"},   {"rate_40", "rate"},
      {"word_44", "years"},           {"value_60", "deposit_account_rate"},
      {"word_158", "payment_account"}};

  // The account the loan amount is deposited to.
  auto& deposit_account() const { return this->event_->account_24; }
  // kCreditCardMarker or kEquityLoanMarker for those varieties of a loan, else 0.
  auto& variety_marker() const { return this->event_->word_26; }
  auto& deposit_account_rate() const { return this->event_->value_60; }
};

// A loan against a mortgaged property's equity.
template <typename Event>
class EquityLoanTerms : public LoanTerms<Event> {
 public:
  explicit EquityLoanTerms(Event& event) : LoanTerms<Event>(event) {}
  static constexpr FieldMeaning kMeanings[] = {{"account_24", "account"},
                                               {"value_32", "down_payment"},
                                               {"rate_40", "rate"},
                                               {"word_44", "years"},
                                               {"value_60", "deposit_account_rate"},
                                               {"value_138", "cost_of_loan"},
                                               {"word_158", "payment_account"}};

  auto& cost_of_loan() const { return this->event_->value_138; }
  auto& equity_account() const { return this->event_->equity_account; }
  // The number of the mortgage whose property the loan is against.
  auto& mortgage_number() const { return this->event_->mortgage_link; }
};

template <typename Event>
class MortgageTerms : public DebtTerms<Event> {
 public:
  explicit MortgageTerms(Event& event) : DebtTerms<Event>(event) {}
  static constexpr FieldMeaning kMeanings[] = {{"value_10", "sell_age"},
                                               {"account_24", "keep_down_payment"},
                                               {"word_26", "apply_inflation_to_taxes"},
                                               {"value_32", "down_payment"},
                                               {"rate_40", "rate"},
                                               {"word_44", "years"},
                                               {"value_60", "appreciation_rate"},
                                               {"value_134", "property_taxes"},
                                               {"value_138", "closing_costs"},
                                               {"value_146", "accelerated_amount"},
                                               {"marker", "accelerated_option"},
                                               {"word_158", "payment_account"}};
  // Accelerated payment options.
  static constexpr std::uint16_t kExtraFromScenarioStart = 2;
  static constexpr std::uint16_t kExtraFromFirstPayment = 3;

  auto& purchase_price() const { return this->event_->amount; }
  // "Do not withdraw down payment": the buyer's equity is already held elsewhere.
  auto& keep_down_payment() const { return this->event_->account_24; }
  auto& apply_inflation_to_taxes() const { return this->event_->word_26; }
  auto& appreciation_rate_percent() const { return this->event_->value_60; }
  auto& property_taxes() const { return this->event_->value_134; }
  auto& closing_costs() const { return this->event_->value_138; }
  auto& selling_percent() const { return this->event_->selling_percent; }
  auto& accelerated_amount() const { return this->event_->value_146; }
  auto& accelerated_option() const { return this->event_->marker; }
  auto& equity_account() const { return this->event_->equity_account; }
  // Run-time: the equity is the whole value once paid off; the property has been sold.
  auto& owned_outright() const { return this->event_->word_22; }
  auto& sold() const { return this->event_->step_flag; }
};

template <typename Event>
class CreditCardTerms : public EventView<Event> {
 public:
  explicit CreditCardTerms(Event& event) : EventView<Event>(event) {}
  static constexpr FieldMeaning kMeanings[] = {
      {"value_10", "months_to_pay_off"}, {"account_24", "account"},
      {"value_32", "total_interest"},    {"rate_40", "rate"},
      {"word_44", "account_chosen"},     {"value_60", "years_to_pay_off"},
      {"value_134", "monthly_purchases"}};

  auto& months_to_pay_off() const { return this->event_->value_10; }
  auto& payment_account() const { return this->event_->account_24; }
  auto& payment_account_chosen() const { return this->event_->word_44; }
  auto& total_interest() const { return this->event_->value_32; }
  auto& yearly_rate_percent() const { return this->event_->rate_40; }
  auto& years_to_pay_off() const { return this->event_->value_60; }
  auto& monthly_purchases() const { return this->event_->value_134; }
  auto& monthly_payment() const { return this->event_->monthly_payment; }
  // Run-time: what is still owed, and whether the card has been paid off.
  auto& debt() const { return this->event_->working_amount_28; }
  auto& paid_off() const { return this->event_->flag_14; }
};

// The asset-allocation withdrawal option.
template <typename Event>
class AllocationOption : public EventView<Event> {
 public:
  explicit AllocationOption(Event& event) : EventView<Event>(event) {}
  static constexpr FieldMeaning kMeanings[] = {{"amount", "minimum_withdrawal"}};

  auto& minimum_withdrawal() const { return this->event_->amount; }
};

// The minimum-distribution entry of one life-expectancy table.
template <typename Event>
class RmdLine : public EventView<Event> {
 public:
  explicit RmdLine(Event& event) : EventView<Event>(event) {}
  static constexpr FieldMeaning kMeanings[] = {{"word_22", "table"}};

  // The table number: 10, 20 or 30.
  auto& table() const { return this->event_->word_22; }
};

}  // namespace tarvel::model
