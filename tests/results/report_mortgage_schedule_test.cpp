// The mortgage schedule: its rows from the start age to the term, payoff or sale, no rows for
// terms that describe no mortgage, and its working file.
#include "results/report_mortgage_schedule.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/event_views.h"
#include "support/temp_folder.h"

namespace tarvel::results {
namespace {

model::FinancialEvent Mortgage(float rate, int years, float payoff = 0, float sale = 0) {
  model::FinancialEvent event;
  event.kind = model::EventKind::Mortgage;
  event.start_age = 40;
  event.end_age = payoff;
  event.amount = 300000;
  const model::MortgageTerms terms(event);
  terms.down_payment() = 60000;
  terms.yearly_rate_percent() = rate;
  terms.term_years() = static_cast<std::int16_t>(years);
  terms.sell_age() = sale;
  terms.appreciation_rate_percent() = 3;
  return event;
}

TEST(MortgageSchedule, RowsRunFromTheStartAgeToTheTermPayoffOrSale) {
  const struct {
    const char* name;
    model::FinancialEvent mortgage;
    std::size_t rows;
    int last_age;
  } cases[] = {
      {"30 years from 40", Mortgage(6, 30), 31, 70},
      {"sold at 50", Mortgage(6, 30, 0, 50), 11, 50},
      {"paid off at 45", Mortgage(6, 30, 45), 6, 45},
      {"no interest", Mortgage(0, 30), 31, 70},
      {"a rate of 100", Mortgage(100, 30), 0, 0},
      {"a term of 0", Mortgage(6, 0), 0, 0},
      {"sold before it starts", Mortgage(6, 30, 0, 39), 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<MortgageScheduleRow> rows = MortgageScheduleRows(c.mortgage, 40);
    ASSERT_EQ(rows.size(), c.rows);
    if (rows.empty()) continue;
    EXPECT_EQ(rows.front().age, 40);
    EXPECT_DOUBLE_EQ(rows.front().equity, 60000);
    EXPECT_DOUBLE_EQ(rows.front().liability, 240000);
    EXPECT_EQ(rows.back().age, c.last_age);
    for (const MortgageScheduleRow& row : rows) {
      for (const double amount : row.Amounts()) EXPECT_TRUE(std::isfinite(amount));
      EXPECT_NEAR(row.equity + row.liability, 300000, 1.0);
    }
  }
}

TEST(MortgageSchedule, AFullTermRepaysTheLoanAndAZeroRateChargesNoInterest) {
  const auto paid = MortgageScheduleRows(Mortgage(6, 30), 40);
  EXPECT_NEAR(paid.back().total_principal, 240000, 1.0);
  EXPECT_NEAR(paid.back().liability, 0, 1.0);
  EXPECT_NEAR(paid[1].property_value, 309000, 0.01);
  const auto free = MortgageScheduleRows(Mortgage(0, 30), 40);
  EXPECT_NEAR(free[1].principal, 8000, 0.01);
  EXPECT_DOUBLE_EQ(free.back().total_interest, 0);
}

TEST(MortgageSchedule, WorkingFileHasTheTitlesThenTabEndedValues) {
  test_support::TempFolder folder;
  const auto rows = MortgageScheduleRows(Mortgage(6, 30, 0, 41), 40);
  ASSERT_TRUE(WriteMortgageScheduleFile(rows, folder.File(kMortgageScheduleFileName)));
  const std::string text = test_support::ReadText(folder.File(kMortgageScheduleFileName));
  EXPECT_EQ(text.substr(0, text.find('\n') + 1),
            "Age\tPrincipal\tInterest\tTotal Principal\tTotal Interest\tTotal Payment\tEquity\t"
            "Inflated Equity\tProperty Value\tProperty Liability\t\n");
  EXPECT_NE(text.find("\n 40\t          0.00\t          0.00\t            0.00\t"),
            std::string::npos);
  EXPECT_FALSE(WriteMortgageScheduleFile(rows, "/nonexistent/folder/psched.tmp"));
}

}  // namespace
}  // namespace tarvel::results
