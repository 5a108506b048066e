// Which variety an event is, and the names its stored fields have by their meaning.
#include "model/event_views.h"

namespace tarvel::model {

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
