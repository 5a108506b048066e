// `tarvel run`: the results file, the period CSV and the run files of a sample scenario,
// the results printed when no output is chosen, and the exit statuses for a bad file and a
// malformed date.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "exchange/windows_1252.h"
#include "support/process_runner.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

using Outcome = tarvel::test_support::ProcessOutcome;

fs::path Workdir(const std::string& name) {
  const fs::path path =
      fs::temp_directory_path() / ("tarvel_run_cli_" + name + "_" + std::to_string(::getpid()));
  fs::remove_all(path);
  fs::create_directories(path);
  return path;
}

// `tarvel run ARGUMENTS`.
Outcome RunCli(const std::string& arguments) {
  return tarvel::test_support::RunTarvel("run " + arguments);
}

std::vector<std::string> ReadLines(const fs::path& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

const fs::path kSample = fs::path(TARVEL_EXAMPLES_BUILD_DIR) / "single-drawdown.ret";

TEST(RunCommand, WritesTheResultsFilePeriodsAndRunFiles) {
  const fs::path dir = Workdir("sample");
  const Outcome outcome = RunCli(kSample.string() + " --workdir " + dir.string() + " --schedule " +
                                 (dir / "out.sch").string() + " --periods " +
                                 (dir / "p.csv").string() + " --today 2024-03-05");
  ASSERT_EQ(outcome.status, 0) << outcome.errors;
  const auto periods = ReadLines(dir / "p.csv");
  ASSERT_GT(periods.size(), 2u);
  EXPECT_EQ(periods[0],
            "index,age,investment,taxfree,retirement,assets,equity,networth,incoming,deposits,"
            "taxable_income,nontaxable_income,outgoing,withdrawals,taxes,interest_paid,"
            "penalties,loans,income_equity,income_assets,other_outgoing,purchasing_power");
  EXPECT_EQ(periods[1].rfind("0,", 0), 0u);
  EXPECT_EQ(std::count(periods[1].begin(), periods[1].end(), ','), 21);
  const auto schedule = ReadLines(dir / "out.sch");
  EXPECT_NE(std::find(schedule.begin(), schedule.end(), "Financial Events:"), schedule.end());
  EXPECT_EQ(std::find(schedule.begin(), schedule.end(), "??"), schedule.end());
  EXPECT_EQ(ReadLines(dir / "plotinf01.tmp").back(), "Done");
  EXPECT_EQ(ReadLines(dir / "plotinf01.tmp")[1], "File: single-drawdown.ret");
  EXPECT_EQ(ReadLines(dir / "plotinf01.tmp")[2], "Date: March 5, 2024");
  EXPECT_EQ(ReadLines(dir / "bigfile.tmp").back(), "Dooone");
  fs::remove_all(dir);
}

TEST(RunCommand, TheSameDayGivesTheSameFiles) {
  const fs::path dir = Workdir("repeat");
  const std::string arguments = kSample.string() + " --workdir " + dir.string() +
                                " --detailed --accounts --today 2024-03-05 --schedule ";
  ASSERT_EQ(RunCli(arguments + (dir / "a.sch").string()).status, 0);
  ASSERT_EQ(RunCli(arguments + (dir / "b.sch").string()).status, 0);
  EXPECT_EQ(ReadLines(dir / "a.sch"), ReadLines(dir / "b.sch"));
  const auto lines = ReadLines(dir / "a.sch");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "End Of Year Account Summary:"), lines.end());
  fs::remove_all(dir);
}

TEST(RunCommand, ABadFileEndsWithStatusOneAndOneLine) {
  const fs::path dir = Workdir("bad");
  std::ofstream(dir / "bad.ret") << "not a scenario";
  const Outcome outcome = RunCli((dir / "bad.ret").string());
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(std::count(outcome.errors.begin(), outcome.errors.end(), '\n'), 1);
  EXPECT_EQ(RunCli((dir / "missing.ret").string()).status, 1);
  fs::remove_all(dir);
}

TEST(RunCommand, AMalformedDateIsAUsageError) {
  const fs::path dir = Workdir("date");
  EXPECT_EQ(RunCli(kSample.string() + " --today 2024-02-30").status, 2);
  fs::remove_all(dir);
}

// Without --schedule, --periods or --quiet the results file's text goes to the terminal in
// UTF-8; an account name with a Windows-1252 letter shows that it is converted.
TEST(RunCommand, PrintsTheResultsFileUnlessAnOutputIsChosen) {
  using tarvel::test_support::RunTarvelIn;
  tarvel::test_support::TempFolder folder, temp, capture;
  tarvel::test_support::WriteText(folder.File("cafe.json"),
                                  R"({"initial": {"start_age": 60, "end_age": 63},
          "accounts": [{"name": "Caf\u00e9", "type": "Investment", "initial_amount": 1000}],
          "events": [{"kind": "Deposit", "description": "Savings", "start_age": 60,
                      "end_age": 62, "amount": 100, "account": "Caf\u00e9"}]})");
  const auto run = [&](const std::string& arguments) {
    return RunTarvelIn(folder.path(), temp.path(), capture.path(), arguments);
  };
  ASSERT_EQ(run("convert cafe.json cafe.ret").status, 0);
  const std::string day = " --today 2024-03-05";
  ASSERT_EQ(run("run cafe.ret --schedule saved.sch" + day).status, 0);
  const std::string saved = tarvel::test_support::ReadText(folder.File("saved.sch"));
  ASSERT_NE(saved.find("Caf\xE9"), std::string::npos);

  const auto printed = run("run cafe.ret" + day);
  EXPECT_EQ(printed.status, 0) << printed.errors;
  EXPECT_EQ(printed.out, tarvel::exchange::Utf8From1252(saved));
  EXPECT_NE(printed.out.find("Caf\u00e9"), std::string::npos);
  for (const char* option : {" --quiet", " --periods p.csv", " --schedule s.sch"}) {
    const auto quiet = run(std::string("run cafe.ret") + option + day);
    EXPECT_EQ(quiet.status, 0) << option << quiet.errors;
    EXPECT_EQ(quiet.out, "") << option;
  }
}

}  // namespace
