// Re-indexing numbers the accounts in name order and carries every reference along.
#include "model/account_reindex.h"

#include <gtest/gtest.h>

#include "support/scenario_builder.h"

namespace tarvel::model {
namespace {

using test_support::AddAccount;
using test_support::AddEvent;

// Accounts created out of name order, with ids that are neither positions nor in order.
struct ReindexFixture {
  std::unique_ptr<Scenario> scenario = test_support::MakeClearedScenario();
  std::uint16_t charlie, alpha, bravo;
  ReindexFixture() {
    auto add = [&](const char* name, std::uint16_t id) {
      const int position = AddAccount(*scenario, AccountType::Investment, 100, 5, name);
      scenario->accounts.records[position].id = id;
      return id;
    };
    charlie = add("charlie", 7);
    alpha = add("Alpha", 12);
    bravo = add("bravo", 3);
    scenario->accounts.next_id = 13;
  }
  FinancialEvent& Event(EventKind kind, std::uint16_t word_26 = 0, std::uint16_t marker = 0) {
    FinancialEvent& event = AddEvent(*scenario, kind, 60, 70);
    event.word_26 = word_26;
    event.marker = marker;
    return event;
  }
};

TEST(ReindexAccounts, NumbersTheAccountsInNameOrderFromZero) {
  ReindexFixture f;
  ReindexAccounts(*f.scenario);
  const AccountTable& table = f.scenario->accounts;
  ASSERT_EQ(table.count, 3);
  EXPECT_EQ(table.records[0].name.str(), "Alpha");
  EXPECT_EQ(table.records[1].name.str(), "bravo");
  EXPECT_EQ(table.records[2].name.str(), "charlie");
  for (int position = 0; position < 3; ++position) EXPECT_EQ(table.records[position].id, position);
  EXPECT_EQ(table.next_id, 3u);
}

TEST(ReindexAccounts, RemapsEveryAccountFieldOfEveryVariety) {
  ReindexFixture f;
  constexpr std::uint16_t kAlpha = 0, kBravo = 1, kCharlie = 2, kDangling = 40;
  // Each case: an event variety, the fields that name accounts (set to old ids), and the ids
  // they must hold after re-indexing.
  struct Case {
    const char* variety;
    FinancialEvent* event;
    std::vector<std::uint16_t FinancialEvent::*> fields;
    std::vector<std::uint16_t> before, after;
  };
  using E = FinancialEvent;
  const std::uint16_t none = kNoAccount;
  std::vector<Case> cases = {
      {"deposit", &f.Event(EventKind::Deposit), {&E::account_24}, {f.alpha}, {kAlpha}},
      {"withdrawal", &f.Event(EventKind::Withdrawal), {&E::account_24}, {f.charlie}, {kCharlie}},
      {"budget withdrawal",
       &f.Event(EventKind::Withdrawal, 0, kBudgetWithdrawalMarker),
       {&E::account_24},
       {f.bravo},
       {kBravo}},
      {"transfer",
       &f.Event(EventKind::Transfer),
       {&E::word_22, &E::account_24},
       {f.charlie, f.alpha},
       {kCharlie, kAlpha}},
      {"rule 72T",
       &f.Event(EventKind::Transfer, 0, kRule72TMarker),
       {&E::word_22, &E::account_24},
       {f.bravo, none},
       {kBravo, none}},
      {"fundamentals",
       &f.Event(EventKind::Fundamentals),
       {&E::account_24},
       {f.charlie},
       {kCharlie}},
      {"loan",
       &f.Event(EventKind::Loan),
       {&E::account_24, &E::word_158},
       {f.alpha, f.bravo},
       {kAlpha, kBravo}},
      {"credit card",
       &f.Event(EventKind::Loan, kCreditCardMarker),
       {&E::account_24},
       {f.charlie},
       {kCharlie}},
      {"equity loan",
       &f.Event(EventKind::Loan, kEquityLoanMarker),
       {&E::account_24, &E::word_158, &E::equity_account},
       {f.bravo, f.charlie, f.alpha},
       {kBravo, kCharlie, kAlpha}},
      {"mortgage",
       &f.Event(EventKind::Mortgage),
       {&E::word_158, &E::equity_account},
       {f.alpha, f.charlie},
       {kAlpha, kCharlie}},
      // An id no account holds must not land on a renumbered account.
      {"dangling", &f.Event(EventKind::Deposit), {&E::account_24}, {kDangling}, {none}},
  };
  // A mortgage's "keep down payment" flag shares the account field and is no account.
  FinancialEvent& mortgage = f.Event(EventKind::Mortgage);
  mortgage.account_24 = 1;
  for (Case& c : cases) {
    for (std::size_t i = 0; i < c.fields.size(); ++i) c.event->*c.fields[i] = c.before[i];
  }
  ReindexAccounts(*f.scenario);
  for (const Case& c : cases) {
    for (std::size_t i = 0; i < c.fields.size(); ++i) {
      EXPECT_EQ(c.event->*c.fields[i], c.after[i]) << c.variety << " field " << i;
    }
  }
  EXPECT_EQ(mortgage.account_24, 1);
}

TEST(ReindexAccounts, RemapsDividendBudgetAndRmdReferences) {
  ReindexFixture f;
  Scenario& s = *f.scenario;
  auto slot_of = [&](const char* name) {
    for (int p = 0; p < s.accounts.count; ++p) {
      if (s.accounts.records[p].name.str() == name) return s.accounts.records[p].slot;
    }
    return std::uint16_t{0};
  };
  s.dividends.deposit_account[slot_of("charlie")] = static_cast<std::int16_t>(f.alpha);
  s.dividends.deposit_account[slot_of("Alpha")] = -1;
  s.dividends.deposit_account[slot_of("bravo")] = static_cast<std::int16_t>(f.charlie);
  s.budgets[0].account = f.bravo;
  s.budgets[1].account = -1;
  s.budgets[2].account = 99;  // dangling
  s.settings.rmd_transfer_account = static_cast<std::int16_t>(f.charlie);
  ReindexAccounts(s);
  EXPECT_EQ(s.dividends.deposit_account[slot_of("charlie")], 0);
  EXPECT_EQ(s.dividends.deposit_account[slot_of("Alpha")], -1);
  EXPECT_EQ(s.dividends.deposit_account[slot_of("bravo")], 2);
  EXPECT_EQ(s.budgets[0].account, 1);
  EXPECT_EQ(s.budgets[1].account, -1);
  EXPECT_EQ(s.budgets[2].account, -1);
  EXPECT_EQ(s.settings.rmd_transfer_account, 2);
  // The settings slot travels with its account.
  EXPECT_EQ(s.accounts.records[0].slot, 1);
}

}  // namespace
}  // namespace tarvel::model
