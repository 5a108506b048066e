// Financial events as JSON: the meaning of the shared fields of an event record by its kind
// and variety (credit card, equity loan, budget withdrawal, Rule 72T distribution).
#include "exchange/event_json.h"

#include <map>
#include <string_view>

#include "exchange/json_records.h"

namespace tarvel::exchange::json_internal {
namespace {

using Aliases = std::map<std::string_view, std::string_view>;
using model::EventKind;

// The marker fields that tell a variety apart ("word_26" of a Loan, "marker" of a Transfer or
// Withdrawal) keep their record names so the variety is known before the other fields.
const Aliases kFundamentals = {{"amount", "tax_rate"},
                               {"account_24", "account"},
                               {"value_32", "inflation_rate"},
                               {"rate_40", "account_rate"}};
const Aliases kDeposit = {{"value_10", "apply_rate"},     {"flag_14", "one_time_only"},
                          {"word_22", "before_taxes"},    {"account_24", "account"},
                          {"word_26", "apply_inflation"}, {"word_44", "account_chosen"}};
const Aliases kWithdrawal = {{"value_10", "apply_rate"},
                             {"flag_14", "one_time_only"},
                             {"account_24", "account"},
                             {"word_26", "apply_inflation"},
                             {"word_44", "account_chosen"}};
const Aliases kBudgetWithdrawal = {{"account_24", "account"}, {"word_44", "account_chosen"}};
const Aliases kTransfer = {{"value_10", "apply_rate"},     {"flag_14", "one_time_only"},
                           {"word_22", "from_account"},    {"account_24", "to_account"},
                           {"word_26", "apply_inflation"}, {"flag_66", "all_funds_at_start"},
                           {"word_44", "account_chosen"}};
const Aliases kRule72T = {
    {"value_10", "beneficiary_age"}, {"flag_14", "life_table"}, {"word_22", "from_account"},
    {"account_24", "to_account"},    {"word_26", "method"},     {"rate_40", "rate"},
    {"word_44", "account_chosen"},
};
const Aliases kLoan = {{"value_10", "sell_age"},

                       {"account_24", "account"},
                       {"value_32", "down_payment"},
                       {"rate_40", "rate"},
                       {"word_44", "years"},
                       {"value_60", "deposit_account_rate"},
                       {"word_158", "payment_account"}};
const Aliases kCreditCard = {{"value_10", "months_to_pay_off"}, {"account_24", "account"},
                             {"value_32", "total_interest"},    {"rate_40", "rate"},
                             {"word_44", "account_chosen"},     {"value_60", "years_to_pay_off"},
                             {"value_134", "monthly_purchases"}};
const Aliases kEquityLoan = {{"account_24", "account"},
                             {"value_32", "down_payment"},
                             {"rate_40", "rate"},
                             {"word_44", "years"},
                             {"value_60", "deposit_account_rate"},
                             {"value_138", "cost_of_loan"},
                             {"word_158", "payment_account"}};
const Aliases kMortgage = {{"value_10", "sell_age"},

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
const Aliases kAllocationOption = {{"amount", "minimum_withdrawal"}};
const Aliases kRmdLine = {{"word_22", "table"}};

// The names of the event's fields, chosen by its kind and variety markers.
const Aliases* AliasesFor(const model::FinancialEvent& event) {
  switch (event.kind) {
    case EventKind::Fundamentals:
      return &kFundamentals;
    case EventKind::Deposit:
      return &kDeposit;
    case EventKind::Withdrawal:
      return event.marker == model::kBudgetWithdrawalMarker ? &kBudgetWithdrawal : &kWithdrawal;
    case EventKind::Transfer:
      return event.marker == model::kRule72TMarker ? &kRule72T : &kTransfer;
    case EventKind::Loan:
      if (event.word_26 == model::kCreditCardMarker) return &kCreditCard;
      if (event.word_26 == model::kEquityLoanMarker) return &kEquityLoan;
      return &kLoan;
    case EventKind::Mortgage:
      return &kMortgage;
    case EventKind::AllocationOption:
      return &kAllocationOption;
    case EventKind::RmdLine:
      return &kRmdLine;
    default:
      return nullptr;
  }
}

}  // namespace

nlohmann::ordered_json EventToJson(const model::FinancialEvent& event,
                                   const model::FinancialEvent& base, bool in_list) {
  FieldWriter writer(!in_list);
  writer.set_aliases(AliasesFor(event));
  VisitEvent(writer, event, base);
  return std::move(writer.out());
}

void EventFromJson(const nlohmann::ordered_json& json, const std::string& path,
                   const AccountNames& names, model::FinancialEvent& event) {
  FieldReader reader(json, path, &names);
  // The kind and the variety markers first: they decide the names of the other fields.
  reader.Field("kind", event.kind, event.kind);
  reader.Field("word_26", event.word_26, event.word_26);
  reader.Field("marker", event.marker, event.marker);
  reader.set_aliases(AliasesFor(event));
  VisitEvent(reader, event, event);
  reader.Finish();
}

}  // namespace tarvel::exchange::json_internal
