// Which variety an event is, and the names its stored fields have by their meaning.
#include "model/event_views.h"

namespace tarvel::model {

EventVariety VarietyOf(const FinancialEvent& event) {
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

FieldMeanings FieldMeaningsOf(const FinancialEvent& event) {
  using Event = const FinancialEvent;
  switch (VarietyOf(event)) {
    case EventVariety::Fundamentals:
      return FundamentalsTerms<Event>::kMeanings;
    case EventVariety::Deposit:
      return CashFlowTerms<Event>::kDepositMeanings;
    case EventVariety::Withdrawal:
      return CashFlowTerms<Event>::kWithdrawalMeanings;
    case EventVariety::BudgetWithdrawal:
      return BudgetWithdrawalTerms<Event>::kMeanings;
    case EventVariety::Transfer:
      return CashFlowTerms<Event>::kTransferMeanings;
    case EventVariety::Rule72T:
      return Rule72TTerms<Event>::kMeanings;
    case EventVariety::Loan:
      return LoanTerms<Event>::kMeanings;
    case EventVariety::CreditCard:
      return CreditCardTerms<Event>::kMeanings;
    case EventVariety::EquityLoan:
      return EquityLoanTerms<Event>::kMeanings;
    case EventVariety::Mortgage:
      return MortgageTerms<Event>::kMeanings;
    case EventVariety::AllocationOption:
      return AllocationOption<Event>::kMeanings;
    case EventVariety::RmdLine:
      return RmdLine<Event>::kMeanings;
    case EventVariety::Other:
      break;
  }
  return {};
}

std::string_view MeaningOf(FieldMeanings meanings, std::string_view stored) {
  for (const FieldMeaning& field : meanings) {
    if (field.stored == stored) return field.meaning;
  }
  return {};
}

}  // namespace tarvel::model
