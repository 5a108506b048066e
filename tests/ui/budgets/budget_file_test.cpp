// The budget working files and the printed budget page.
#include "ui/budgets/budget_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "ui/budgets/budget_items.h"
#include "ui/budgets/budget_page.h"
#include "ui/budgets/dialog_harness.h"

namespace tarvel::ui {
namespace {

model::Budget HomeBudget() {
  model::Budget budget;
  budget.name.assign("Home");
  budget.start_age = 60;
  budget.end_age = 85;
  budget.active = 1;
  budget.account = 7;
  SetBudgetItems(budget, {{"Travel", 2000, 1, false, false, true},
                          {"Food", 300, 0, true, false, true},
                          {"Insurance", 1200.25f, 2.5f, false, true, false}});
  return budget;
}

TEST(BudgetFile, WritesTheLayoutAndReadsItBack) {
  test_support::DialogHarness h;
  const model::Budget home = HomeBudget();
  ASSERT_TRUE(WriteBudgetFile(home, BudgetFileKind::Copy, h.folder.path(), h.prompter));
  const auto bytes = test_support::ReadAll(h.folder.File("budout.tmp"));
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()),
            "3\n"
            "Home                          \n"
            " 60\n 85\n  1\n  0\n"
            "Food\t300.000000\t1\t0\t0.000000\t1\n"
            "Insurance\t1200.250000\t0\t1\t2.500000\t0\n"
            "Travel\t2000.000000\t0\t0\t1.000000\t1\n"
            "Dooone\n");

  model::Budget read;
  read.account = 3;
  ASSERT_TRUE(ReadBudgetFile(read, BudgetFileKind::Copy, h.folder.path(), h.prompter));
  EXPECT_TRUE(h.prompter.messages.empty());
  model::Budget expected = home;
  expected.account = 3;  // the file carries no account: the reader's stays
  EXPECT_EQ(model::EncodeBlock(read), model::EncodeBlock(expected));
}

TEST(BudgetFile, ReportsAMissingOrInvalidFileAndKeepsTheBudget) {
  struct Case {
    std::optional<std::string> content;
    const char* message;
  } cases[] = {
      {std::nullopt, "File Open Error: Cannot open the budget input file budout.tmp file."},
      {"1\nHome\n 60\n 85\n  1\n  0\nFood\t300\t1\t0\t0\t1\n",
       "Budget File Error: The budget input file budout.tmp doesn't seem to be a valid file."},
      {"1\nHome\n 60\n 85\n  1\n  0\nFood\tlots\t1\t0\t0\t1\nDooone\n",
       "Budget File Error: The budget input file budout.tmp doesn't seem to be a valid file."},
      {"2\nHome\n 60\n 85\n  1\n  0\nFood\t300\t1\t0\t0\t1\nDooone\n",
       "Budget File Error: The budget input file budout.tmp doesn't seem to be a valid file."},
      // An amount beyond a float's range would come back as "inf".
      {"1\nHome\n 60\n 85\n  1\n  0\nFood\t1e108\t1\t0\t0\t1\nDooone\n",
       "Budget File Error: The budget input file budout.tmp doesn't seem to be a valid file."},
  };
  for (const Case& c : cases) {
    test_support::DialogHarness h;
    if (c.content) {
      test_support::WriteAll(h.folder.File("budout.tmp"),
                             std::vector<std::uint8_t>(c.content->begin(), c.content->end()));
    }
    model::Budget budget = HomeBudget();
    EXPECT_FALSE(ReadBudgetFile(budget, BudgetFileKind::Copy, h.folder.path(), h.prompter));
    EXPECT_EQ(h.Messages(), std::vector<std::string>{c.message});
    EXPECT_EQ(model::EncodeBlock(budget), model::EncodeBlock(HomeBudget()));
  }
}

// Item names are sorted as they are stored and written, so a budget read from a file writes
// text that reads back the same.
TEST(BudgetFile, ItemNamesReadAsTheyAreWrittenBack) {
  using namespace std::string_literals;
  const std::string header = "2\nHome\n 60\n 85\n  1\n  0\n";
  const std::string written_header = "2\nHome                          \n 60\n 85\n  1\n  0\n";
  struct Case {
    std::string items;          // the two item lines read
    std::string written_items;  // the item lines written back
  } cases[] = {
      // Carriage returns are blanks once written, so they sort as blanks.
      {"\r\r\xff\xff\t1\t0\t0\t0\t0\n\x10\t2\t0\t0\t0\t0\n",
       "\x10\t2.000000\t0\t0\t0.000000\t0\n  \xff\xff\t1.000000\t0\t0\t0.000000\t0\n"},
      // A name ends at its first NUL.
      {"\r\xff\t1\t0\t0\t0\t0\n\x01\0\x7f\t2\t0\t0\t0\t0\n"s,
       "\x01\t2.000000\t0\t0\t0.000000\t0\n \xff\t1.000000\t0\t0\t0.000000\t0\n"},
  };
  for (const Case& c : cases) {
    model::Budget budget;
    ASSERT_EQ(ParseBudgetFileText(header + c.items + "Dooone\n", budget), BudgetFileStatus::Read);
    const std::string written = BudgetFileText(budget);
    EXPECT_EQ(written, written_header + c.written_items + "Dooone\n");
    model::Budget again;
    ASSERT_EQ(ParseBudgetFileText(written, again), BudgetFileStatus::Read);
    EXPECT_EQ(BudgetFileText(again), written);
  }
}

TEST(BudgetPage, ListsEachItemWithItsRateAndTheTotal) {
  EXPECT_EQ(BudgetPageText(HomeBudget()),
            "Name\tAmount \tMonthly\tTrack\tApplied Rate \tYearly Amount\n"
            "------------------------\n"
            "Food\t       300.00 \tYes\tNo\tInflation \t      3600.00 \n"
            "Insurance\t      1200.25 \tNo\tYes\t   2.500 \t      1200.25 \n"
            "Travel\t      2000.00 \tNo\tNo\tInf.+   1.000 \t      2000.00 \n"
            "Total Expenses\t      6800.25\n");
  EXPECT_EQ(BudgetListRows(HomeBudget())[2],
            "Travel\t      2000.00\tNo\tNo\tInf.+  1.000%\t      2000.00");
}

}  // namespace
}  // namespace tarvel::ui
