// `tarvel run` on a scenario holding an event of every kind, some begun before the start
// age: the event listing is the same on every run with the RMD entry placed first, the run
// files carry only the early events' own lines before the start age, and the figures match
// hand computation.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/money_format.h"
#include "model/records.h"
#include "model/scenario_codec.h"
#include "model/scenario_ops.h"
#include "support/process_runner.h"
#include "support/scenario_builder.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using tarvel::model::AccountType;
using tarvel::model::EventKind;
using tarvel::test_support::AddAccount;
using tarvel::test_support::AddEvent;

constexpr float kStartAge = 60;

std::vector<std::string> ReadLines(const fs::path& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Accounts by id: 0 Checking, 1 IRA, 2 401k (RMD table 1), 3 Home, 4 Car, 5 Roth.
// Rates are 0 so every figure below can be worked out by hand.
std::unique_ptr<tarvel::model::Scenario> EveryKindScenario() {
  auto s = tarvel::test_support::MakeClearedScenario();
  tarvel::model::ApplyNewScenarioDefaults(*s);
  s->initial.start_age = kStartAge;
  s->initial.end_age = 75;
  s->initial.tax_rate = 10;
  s->initial.inflation_rate = 0;
  AddAccount(*s, AccountType::Investment, 100000, 0, "Checking");
  AddAccount(*s, AccountType::Retirement, 200000, 0, "IRA");
  AddAccount(*s, AccountType::Retirement, 54800, 0, "401k");
  AddAccount(*s, AccountType::Equity, 0, 0, "Home");
  AddAccount(*s, AccountType::Asset, 0, 0, "Car");
  AddAccount(*s, AccountType::TaxFree, 0, 0, "Roth");
  tarvel::model::RecomputeInitialTotals(*s);
  s->settings.rmd_table[2] = 10;
  s->settings.rmd_life_expectancy[0][0] = 27.4f;
  s->settings.rmd_transfer_account = 0;
  s->accounts.rmd_method = 3;
  s->budgets[0].item_count = 1;
  s->budgets[0].item_names[0].assign("Food");
  s->budgets[0].yearly_amount[0] = 2400;

  auto chosen = [](tarvel::model::FinancialEvent& e, std::uint16_t account) {
    e.account_24 = account;
    e.word_44 = tarvel::model::kChosenAccountMarker;
  };
  auto paid_from_checking = [](tarvel::model::FinancialEvent& e) {
    e.word_158 = 0;
    e.payment_marker = tarvel::model::kChosenAccountMarker;
  };
  auto& fundamentals = AddEvent(*s, EventKind::Fundamentals, 60, 60);
  fundamentals.description.assign("Rates");
  fundamentals.amount = 10;
  fundamentals.account_24 = tarvel::model::kNoAccount;
  auto& pay = AddEvent(*s, EventKind::Deposit, 58, 70);
  pay.description.assign("Pay");
  pay.amount = 1000;
  chosen(pay, 0);
  auto& spend = AddEvent(*s, EventKind::Withdrawal, 58, 70);
  spend.description.assign("Spend");
  spend.amount = 500;
  chosen(spend, 0);
  auto& food = AddEvent(*s, EventKind::Withdrawal, 60, 70);
  food.description.assign("Groceries");
  food.marker = tarvel::model::kBudgetWithdrawalMarker;
  food.budget_number = 1;
  food.amount = 2400;
  food.account_24 = tarvel::model::kNoAccount;
  auto& car = AddEvent(*s, EventKind::Loan, 59, 64);
  car.description.assign("Car loan");
  car.amount = 10000;
  car.rate_40 = 6;
  car.word_44 = 5;
  car.account_24 = 4;
  paid_from_checking(car);
  auto& card = AddEvent(*s, EventKind::Loan, 61, 65);
  card.description.assign("Card");
  card.word_26 = tarvel::model::kCreditCardMarker;
  card.amount = 1000;
  card.monthly_payment = 600;
  card.rate_40 = 12;
  chosen(card, 0);
  auto& house = AddEvent(*s, EventKind::Mortgage, 59, 89);
  house.description.assign("House");
  house.amount = 100000;
  house.value_32 = 20000;
  house.rate_40 = 6;
  house.word_44 = 30;
  house.equity_account = 3;
  paid_from_checking(house);
  auto& heloc = AddEvent(*s, EventKind::Loan, 62, 72);
  heloc.description.assign("Home equity");
  heloc.word_26 = tarvel::model::kEquityLoanMarker;
  heloc.mortgage_link = house.number;
  heloc.value_10 = 120;
  heloc.amount = 10000;
  heloc.rate_40 = 6;
  heloc.word_44 = 10;
  heloc.account_24 = 0;
  heloc.equity_account = 3;
  paid_from_checking(heloc);
  auto& roth = AddEvent(*s, EventKind::Transfer, 62, 62);
  roth.description.assign("To Roth");
  roth.flag_14 = 1;
  roth.amount = 5000;
  roth.word_22 = 0;
  chosen(roth, 5);
  auto& series = AddEvent(*s, EventKind::Transfer, 60, 65);
  series.description.assign("72t");
  series.marker = tarvel::model::kRule72TMarker;
  series.value_10 = 60;
  series.word_26 = 2;  // minimum distribution
  series.flag_14 = 0;  // single life
  series.rate_40 = 5;
  series.word_22 = 1;
  chosen(series, 0);
  // Stored last, as older files keep it.
  auto& rmd = AddEvent(*s, EventKind::RmdLine, 70, 120);
  rmd.word_22 = 1;
  rmd.description.assign("IRA 1-RMD using Table 1.");
  return s;
}

// The single-life expectancy at this age, from the shipped mortality file.
double SingleLifeExpectancy(int age) {
  const auto lines = ReadLines(fs::path(TARVEL_SOURCE_DATA_DIR) / "mort.dat");
  return std::stod(lines.at(116 + age));
}

std::string Money(double amount) {
  return tarvel::model::Money(static_cast<float>(amount), tarvel::model::Currency{});
}

std::vector<std::string> Listing(const std::vector<std::string>& schedule) {
  const auto end = std::find_if(schedule.begin(), schedule.end(),
                                [](const std::string& line) { return line.rfind("---", 0) == 0; });
  return {schedule.begin(), end};
}

bool Contains(const std::vector<std::string>& lines, const std::string& text) {
  return std::any_of(lines.begin(), lines.end(),
                     [&](const std::string& line) { return line.find(text) != std::string::npos; });
}

TEST(EveryEventKind, RunsAlikeWithinTheShownYearsAndMatchesHandFigures) {
  tarvel::test_support::TempFolder folder;
  const fs::path dir = folder.path();
  tarvel::test_support::WriteAll(folder.File("plan.ret"),
                                 tarvel::model::EncodeScenario(*EveryKindScenario()));
  std::vector<std::vector<std::string>> schedules;
  for (const char* name : {"first.sch", "second.sch"}) {
    const auto outcome = tarvel::test_support::RunTarvel(
        "run " + folder.File("plan.ret") + " --workdir " + dir.string() + " --schedule " +
        folder.File(name) + " --today 2024-03-05");
    ASSERT_EQ(outcome.status, 0) << outcome.errors;
    schedules.push_back(ReadLines(dir / name));
  }

  const auto listing = Listing(schedules[0]);
  EXPECT_EQ(listing, Listing(schedules[1]));
  ASSERT_GT(listing.size(), 2u);
  EXPECT_EQ(listing[1], " 70.0 IRA 1-RMD using Table 1.");  // by kind: RMD entries first

  // Before the start age only the deposit and withdrawal begun at 58 write their event records
  // and the deposit its incoming lines; nothing is paid out of an account.
  const std::vector<std::string> early_lines[] = {
      {" 58.0\tPay\t2\t      1000.00", " 58.0\tSpend\t6\t       500.00",
       " 59.0\tPay\t2\t      1000.00", " 59.0\tSpend\t6\t       500.00"},
      {" 58.0\tChecking\t      1000.00", " 59.0\tChecking\t      1000.00"},
      {}};
  const char* run_files[] = {"bigfile.tmp", "infile.tmp", "outfile.tmp"};
  for (int i = 0; i < 3; ++i) {
    std::vector<std::string> early;
    for (const std::string& line : ReadLines(dir / run_files[i])) {
      if (line.find('\t') != std::string::npos && std::stof(line) < kStartAge)
        early.push_back(line);
    }
    EXPECT_EQ(early, early_lines[i]) << run_files[i];
  }

  const double series = 200000 / SingleLifeExpectancy(60);
  const struct {
    const char* what;
    std::string text;
  } figures[] = {
      {"mortgage payment", "$479.64/Month."},
      {"deposit", "  Pay - Deposit $1,000.00 to Checking"},
      {"budget", "  Groceries - Withdraw $2,400.00"},
      {"card cleared in its first month", "  Card - Withdraw $1,000.00 to pay off credit card."},
      {"one-time transfer", " Transfer $5,000.00 from Checking to Roth"},
      {"Rule 72T minimum", " Rule 72T Transfer " + Money(series) + " from IRA to Checking"},
      {"RMD 54,800 / 27.4", "  IRA 1 (using RMD Table 1) -  $2,000.00 Transferred to the Checking"},
  };
  for (const auto& figure : figures) {
    EXPECT_TRUE(Contains(schedules[0], figure.text)) << figure.what << ": " << figure.text;
  }
}

}  // namespace
