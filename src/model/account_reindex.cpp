// Re-indexing of the accounts and the remapping of account references.
#include "model/account_reindex.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>
#include <type_traits>
#include <utility>

#include "model/event_views.h"
#include "model/name_order.h"
#include "model/record_counts.h"

namespace tarvel::model {
namespace {

using References = std::vector<std::uint16_t*>;
using Collector = References (*)(FinancialEvent&);

struct VarietyReferences {
  EventVariety variety;
  Collector collect;
};

// Which fields of each variety hold account ids; varieties not listed hold none.
constexpr std::array kVarietyReferences = {
    VarietyReferences{
        EventVariety::Deposit,
        [](FinancialEvent& e) -> References { return {&CashFlowTerms(e).account()}; }},
    VarietyReferences{
        EventVariety::Withdrawal,
        [](FinancialEvent& e) -> References { return {&CashFlowTerms(e).account()}; }},
    VarietyReferences{EventVariety::Transfer,
                      [](FinancialEvent& e) -> References {
                        CashFlowTerms terms(e);
                        return {&terms.from_account(), &terms.to_account()};
                      }},
    VarietyReferences{EventVariety::Rule72T,
                      [](FinancialEvent& e) -> References {
                        Rule72TTerms terms(e);
                        return {&terms.from_account(), &terms.to_account()};
                      }},
    VarietyReferences{
        EventVariety::BudgetWithdrawal,
        [](FinancialEvent& e) -> References { return {&BudgetWithdrawalTerms(e).account()}; }},
    VarietyReferences{
        EventVariety::Fundamentals,
        [](FinancialEvent& e) -> References { return {&FundamentalsTerms(e).account()}; }},
    VarietyReferences{EventVariety::Loan,
                      [](FinancialEvent& e) -> References {
                        LoanTerms terms(e);
                        return {&terms.deposit_account(), &terms.payment_account()};
                      }},
    VarietyReferences{
        EventVariety::EquityLoan,
        [](FinancialEvent& e) -> References {
          EquityLoanTerms terms(e);
          return {&terms.deposit_account(), &terms.payment_account(), &terms.equity_account()};
        }},
    VarietyReferences{
        EventVariety::CreditCard,
        [](FinancialEvent& e) -> References { return {&CreditCardTerms(e).payment_account()}; }},
    VarietyReferences{EventVariety::Mortgage,
                      [](FinancialEvent& e) -> References {
                        MortgageTerms terms(e);
                        return {&terms.payment_account(), &terms.equity_account()};
                      }},
};

bool AccountNameBefore(const Account& first, const Account& second) {
  return NameBefore(first.name.view(), second.name.view());
}

// Old id -> new id of every account; anything else maps to no account.
class IdMap {
 public:
  void Add(std::uint16_t old_id, std::uint16_t new_id) {
    if (Find(old_id) == kNoAccount) pairs_.emplace_back(old_id, new_id);
  }
  std::uint16_t Find(std::uint16_t old_id) const {
    for (const auto& [from, to] : pairs_) {
      if (from == old_id) return to;
    }
    return kNoAccount;
  }
  // Signed fields store "no account" as -1, unsigned ones as 65535.
  template <typename Id>
  void Remap(Id& id) const {
    const std::uint16_t found = Find(static_cast<std::uint16_t>(id));
    if constexpr (std::is_signed_v<Id>) {
      id = found == kNoAccount ? Id{-1} : static_cast<Id>(found);
    } else {
      id = static_cast<Id>(found);
    }
  }

 private:
  std::vector<std::pair<std::uint16_t, std::uint16_t>> pairs_;
};

void RemapEvents(Scenario& scenario, const IdMap& ids) {
  const int count = EventCount(scenario);
  for (int slot = 0; slot < count; ++slot) {
    for (std::uint16_t* reference : AccountReferencesOf(scenario.events[slot])) {
      ids.Remap(*reference);
    }
  }
}

void RemapSettings(Scenario& scenario, const IdMap& ids) {
  const int count = AccountCount(scenario);
  for (int position = 0; position < count; ++position) {
    const int slot = scenario.accounts.records[position].slot;
    if (slot < kMaxAccounts) ids.Remap(scenario.dividends.deposit_account[slot]);
  }
  for (Budget& budget : scenario.budgets) ids.Remap(budget.account);
  ids.Remap(scenario.settings.rmd_transfer_account);
}

}  // namespace

std::vector<std::uint16_t*> AccountReferencesOf(FinancialEvent& event) {
  const EventVariety variety = VarietyOf(event);
  for (const VarietyReferences& entry : kVarietyReferences) {
    if (entry.variety == variety) return entry.collect(event);
  }
  return {};
}

void ReindexAccounts(Scenario& scenario) {
  const int count = AccountCount(scenario);
  auto& records = scenario.accounts.records;
  std::stable_sort(records.begin(), records.begin() + count, AccountNameBefore);
  IdMap ids;
  for (int position = 0; position < count; ++position) {
    ids.Add(records[position].id, static_cast<std::uint16_t>(position));
    records[position].id = static_cast<std::uint16_t>(position);
  }
  scenario.accounts.next_id = static_cast<std::uint32_t>(count);
  RemapEvents(scenario, ids);
  RemapSettings(scenario, ids);
}

}  // namespace tarvel::model
