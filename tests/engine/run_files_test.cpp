// The files a run writes: the plot file's header, yearly blocks and trailer, the event,
// incoming and outgoing files with their end markers, and the results file of mode 1.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/run_scenario.h"
#include "engine_test_support.h"

namespace tarvel::engine_test {
namespace {

using model::AccountType;

struct RunFilesTest : ::testing::Test {
  std::unique_ptr<model::Scenario> scenario = MakeScenario(30, 33);
  TestClock clock{{2024, 3, 5}, {14, 7, 9}};
  std::unique_ptr<results::ScheduleRun> run = MakeRun(clock);
  std::filesystem::path workdir =
      MakeWorkdir(::testing::UnitTest::GetInstance()->current_test_info()->name());

  void SetUp() override {
    AddAccount(*scenario, AccountType::Investment, 1000, 10, "Savings");
    AddAccount(*scenario, AccountType::Asset, 500, 0, "Car");
    scenario->groups.names[0].assign("Cash");
    model::RecomputeInitialTotals(*scenario);
    run->options.write_run_files = true;
    run->options.workdir = workdir;
    run->options.scenario_file_name = "plan.ret";
  }
  void TearDown() override { std::filesystem::remove_all(workdir); }
};

TEST_F(RunFilesTest, PlotFileNamesTheAccountsInTheOrderOfTheirBalanceLines) {
  // Table order Savings, Car; access order puts Car first for this run and every later one.
  scenario->accounts.records[0].access_order.assign("B");
  scenario->accounts.records[1].access_order.assign("A");
  ASSERT_TRUE(engine::RunScenario(*scenario, *run));
  const auto lines = ReadLines(workdir / "plotinf01.tmp");
  ASSERT_GT(lines.size(), 10u);
  EXPECT_EQ(lines[6], "Car");
  EXPECT_EQ(lines[7], "Savings");
  EXPECT_EQ(lines[8], "500.00");
  EXPECT_EQ(lines[9], "1000.00");
}

TEST_F(RunFilesTest, PlotFileHasHeaderBlocksAndTrailer) {
  ASSERT_TRUE(engine::RunScenario(*scenario, *run));
  const auto lines = ReadLines(workdir / "plotinf01.tmp");
  const std::vector<std::string> header = {"1 Groups",
                                           "File: plan.ret",
                                           "Date: March 5, 2024",
                                           "Time: 2:07:09 PM ",
                                           "4.00",
                                           "2",
                                           "Savings",
                                           "Car",
                                           "1000.00",
                                           "500.00"};
  ASSERT_GT(lines.size(), header.size());
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 10), header);
  EXPECT_EQ(lines[10],
            "30.0 1000.00 0.00 0.00 500.00 0.00 1500.00 100.00 0.00 100.00 0.00 0.00 0.00 "
            "0.00 0.00 0.00 0.00 0.00 0.00 0.00");
  // Four blocks of three lines (ages 30, 31, 32 and the final record at 33), then the
  // trailer: 10 group names, 2 group indexes, 4 purchasing-power values, 16 colours, "Done".
  ASSERT_EQ(lines.size(), 8u + 4 * 3 + 10 + 2 + 4 + 16 + 1);
  EXPECT_EQ(lines[17], "1331.00");  // the final record's block
  EXPECT_EQ(lines[20], "Cash");
  EXPECT_EQ(lines[30], "0");
  EXPECT_EQ(lines[35], "1831.000000");
  EXPECT_EQ(lines[36], "8e1c52");
  EXPECT_EQ(lines.back(), "Done");
}

TEST_F(RunFilesTest, PeriodLineShowsTheFourByteValuesOfThePeriodRecord) {
  // Amounts whose sums round differently as four-byte floats than in double precision.
  scenario = MakeScenario(30, 31);
  AddAccount(*scenario, AccountType::Investment, 2000000, 0, "Savings");
  AddAccount(*scenario, AccountType::TaxFree, 0.01f, 0, "Roth");
  AddAccount(*scenario, AccountType::Asset, 1, -1, "Car");
  model::RecomputeInitialTotals(*scenario);
  model::FinancialEvent& spend =
      test_support::AddEvent(*scenario, model::EventKind::Withdrawal, 30, 30);
  spend.description.assign("Spend");
  spend.amount = 1000000.0625f;
  spend.flag_14 = 1;
  spend.account_24 = model::kNoAccount;
  ASSERT_TRUE(engine::RunScenario(*scenario, *run));
  const auto lines = ReadLines(workdir / "plotinf01.tmp");
  ASSERT_GT(lines.size(), 13u);
  std::string expected =
      model::Format("%.1f", run->periods[0][engine::IndexOf(engine::PeriodColumn::Age)]);
  for (int column = 1; column < engine::kPeriodColumns; ++column) {
    expected += model::Format(" %.2f", run->periods[0][column]);
  }
  EXPECT_EQ(lines[12], expected);
  EXPECT_EQ(model::Format("%.2f", run->periods[0][engine::IndexOf(engine::PeriodColumn::NetWorth)]),
            "2000001.00");
  EXPECT_EQ(model::Format("%.2f", run->periods[0][engine::IndexOf(engine::PeriodColumn::Outgoing)]),
            "1000000.06");
}

TEST_F(RunFilesTest, PlotHeaderUsesTheGroupFolderAndPrintedHeaderLines) {
  scenario->groups.folder_name.assign("Family");
  scenario->report_headers.lines[1].assign("Prepared for J.");
  scenario->report_headers.print[1] = 1;
  ASSERT_TRUE(engine::RunScenario(*scenario, *run));
  const auto lines = ReadLines(workdir / "plotinf01.tmp");
  EXPECT_EQ(lines[0], "1 Family");
  EXPECT_EQ(lines[2], "Date: Prepared for J.");
}

TEST_F(RunFilesTest, EventAndAmountFilesEndWithTheirMarker) {
  ASSERT_TRUE(engine::RunScenario(*scenario, *run));
  const auto incoming = ReadLines(workdir / "infile.tmp");
  ASSERT_GE(incoming.size(), 4u);
  EXPECT_EQ(incoming[0], "2");
  EXPECT_EQ(incoming[1], "Savings");
  EXPECT_EQ(incoming[3], " 30.0\tSavings\t       100.00");
  EXPECT_EQ(incoming.back(), "Dooone");
  EXPECT_EQ(ReadLines(workdir / "outfile.tmp").back(), "Dooone");
  const auto big = ReadLines(workdir / "bigfile.tmp");
  EXPECT_EQ(big[0], " 30.0\tInterest/Dividends Earned\t2\t       100.00");
  EXPECT_EQ(big[7], " 30.0\tPenalties\t6\t         0.00");
  EXPECT_EQ(big.back(), "Dooone");
}

TEST_F(RunFilesTest, EventsBegunEarlierWriteTheirLinesFromTheirFirstYear) {
  // Savings id 0, Car id 1, Home id 2; every event starts before the start age of 30.
  AddAccount(*scenario, AccountType::Equity, 0, 0, "Home");
  model::RecomputeInitialTotals(*scenario);
  auto add = [&](model::EventKind kind, float amount,
                 std::uint16_t account) -> model::FinancialEvent& {
    model::FinancialEvent& event = test_support::AddEvent(*scenario, kind, 27, 32);
    event.description.assign("Early");
    event.amount = amount;
    event.account_24 = account;
    event.word_44 = model::kChosenAccountMarker;
    return event;
  };
  add(model::EventKind::Deposit, 100, 0);
  add(model::EventKind::Withdrawal, 50, 0);
  model::FinancialEvent& car = add(model::EventKind::Loan, 400, 1);
  car.rate_40 = 6;
  car.word_44 = 5;
  model::FinancialEvent& card = add(model::EventKind::Loan, 300, 0);
  card.word_26 = model::kCreditCardMarker;
  card.monthly_payment = 20;
  card.rate_40 = 12;
  model::FinancialEvent& house = add(model::EventKind::Mortgage, 1000, 0);
  house.value_32 = 200;
  house.rate_40 = 6;
  house.word_44 = 30;
  house.value_60 = 3;
  house.equity_account = 2;
  house.end_age = 80;
  add(model::EventKind::Transfer, 10, 1).word_22 = 0;

  ASSERT_TRUE(engine::RunScenario(*scenario, *run));
  // The event records and the deposit's incoming lines start with the events at 27; nothing
  // is paid out of the accounts, and no category record or yearly result is written, before
  // the shown start age.
  const std::pair<const char*, float> first_ages[] = {
      {"bigfile.tmp", 27.0f}, {"infile.tmp", 27.0f}, {"outfile.tmp", 30.0f}};
  for (const auto& [name, expected_first] : first_ages) {
    float first = 1000;
    for (const std::string& line : ReadLines(workdir / name)) {
      if (line.find('\t') != std::string::npos) first = std::min(first, std::stof(line));
    }
    EXPECT_EQ(first, expected_first) << name;
  }
  for (const std::string& line : ReadLines(workdir / "bigfile.tmp")) {
    if (line.find("\tInterest/Dividends Earned\t") != std::string::npos)
      EXPECT_GE(std::stof(line), 30.0f) << line;
  }
  EXPECT_EQ(run->periods.front()[engine::IndexOf(engine::PeriodColumn::Age)], 30.0f);
}

TEST_F(RunFilesTest, RunFilesCanBeSwitchedOff) {
  run->options.write_run_files = false;
  ASSERT_TRUE(engine::RunScenario(*scenario, *run));
  EXPECT_FALSE(std::filesystem::exists(workdir / "plotinf01.tmp"));
  EXPECT_FALSE(std::filesystem::exists(workdir / "bigfile.tmp"));
  EXPECT_EQ(run->periods.size(), 4u);
}

TEST_F(RunFilesTest, ResultsFileStartsWithTheListingAndKeepsSeparators) {
  run->options.mode = engine::OutputMode::ResultsFile;
  run->options.saving = true;
  run->options.output_file = workdir / "plan.sch";
  ASSERT_TRUE(engine::RunScenario(*scenario, *run));
  const auto lines = ReadLines(workdir / "plan.sch");
  ASSERT_FALSE(lines.empty());
  EXPECT_NE(lines[0].find("Initial Rates"), std::string::npos) << lines[0];
  EXPECT_NE(std::find(lines.begin(), lines.end(), std::string(184, '-')), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), std::string(175, '-')), lines.end());
  EXPECT_EQ(std::find(lines.begin(), lines.end(), "??"), lines.end());  // saving: no heading
}

TEST_F(RunFilesTest, AnUnopenableResultsFileAbandonsTheRun) {
  run->options.mode = engine::OutputMode::ResultsFile;
  run->options.output_file = workdir / "missing" / "plan.sch";
  EXPECT_FALSE(engine::RunScenario(*scenario, *run));
  ASSERT_EQ(run->problems.size(), 1u);
  EXPECT_EQ(run->problems[0].kind, engine::RunProblemKind::ResultsFileNotOpened);
  EXPECT_EQ(run->problems[0].file, (workdir / "missing" / "plan.sch").string());
  EXPECT_FALSE(std::filesystem::exists(workdir / "plotinf01.tmp"));
}

TEST_F(RunFilesTest, AnUnopenableRunFileIsReportedAndTheRunGoesOn) {
  std::filesystem::create_directory(workdir / "bigfile.tmp");  // a folder cannot be written
  ASSERT_TRUE(engine::RunScenario(*scenario, *run));
  ASSERT_EQ(run->problems.size(), 1u);
  EXPECT_EQ(run->problems[0].kind, engine::RunProblemKind::RunFileNotOpened);
  EXPECT_EQ(run->problems[0].file, "bigfile.tmp");
  EXPECT_EQ(ReadLines(workdir / "plotinf01.tmp").back(), "Done");
}

TEST_F(RunFilesTest, ListingOnlyStopsAfterPreparation) {
  run->options.listing_only = true;
  EXPECT_FALSE(engine::RunScenario(*scenario, *run));
  EXPECT_TRUE(run->problems.empty());
  EXPECT_TRUE(run->periods.empty());
  run = MakeRun(clock);
  run->options.scenario_print = true;
  EXPECT_TRUE(engine::RunScenario(*scenario, *run));
  EXPECT_TRUE(run->periods.empty());
}

}  // namespace
}  // namespace tarvel::engine_test

namespace tarvel::engine_test {
namespace {

// A device that takes no byte stands for a full disk: each file the run writes in place is
// checked up to its closing, and the one cut short is named with the system's reason.
TEST_F(RunFilesTest, AFileCutShortFailsTheRunNamingTheFileAndTheReason) {
  using engine::OutputMode;
  struct Case {
    OutputMode mode;
    char separator;
  };
  for (const Case& each : {Case{OutputMode::PrintFile, 0}, Case{OutputMode::ResultsList, ','}}) {
    auto full = MakeRun(clock);
    full->options.workdir = workdir;
    full->options.mode = each.mode;
    full->options.output_file = "/dev/full";
    full->options.export_separator = each.separator;
    full->options.export_file = "/dev/full";
    EXPECT_FALSE(engine::RunScenario(*scenario, *full));
    ASSERT_FALSE(full->problems.empty());
    EXPECT_EQ(engine::RunProblemText(full->problems.back()),
              "Cannot write /dev/full: No space left on device");
  }
}

TEST_F(RunFilesTest, AResultsFileInPlaceOfAFolderIsRefusedAndTheFolderKept) {
  using engine::OutputMode;
  std::filesystem::create_directories(workdir / "d.sch");
  run->options.mode = OutputMode::ResultsFile;
  run->options.output_file = workdir / "d.sch";
  EXPECT_FALSE(engine::RunScenario(*scenario, *run));
  ASSERT_EQ(run->problems.size(), 1u);
  EXPECT_EQ(engine::RunProblemText(run->problems[0]),
            "Cannot write " + (workdir / "d.sch").string() + ": Is a directory");
  EXPECT_TRUE(std::filesystem::is_directory(workdir / "d.sch"));
}

}  // namespace
}  // namespace tarvel::engine_test
