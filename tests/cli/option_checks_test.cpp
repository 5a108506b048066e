// The command line's manners, over every command: an option value outside its range or form,
// or an option that does not apply, is a usage error (2); a file or run problem is a runtime
// error (1); each says what is wrong in one message.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/process_runner.h"
#include "support/temp_folder.h"

namespace tarvel {
namespace {

using test_support::ProcessOutcome;
using test_support::RunTarvelIn;
using test_support::TempFolder;

std::string Sample() {
  return test_support::Quoted(std::string(TARVEL_EXAMPLES_BUILD_DIR) + "/couple-saving.ret");
}

struct StatusCase {
  std::string arguments;
  int status;
  std::string message;  // a part of stderr
};

class CommandLine : public ::testing::Test {
 protected:
  ProcessOutcome Tarvel(const std::string& arguments) {
    return RunTarvelIn(folder_.path(), temp_.path(), runtime_.path(), arguments);
  }
  std::string At(const std::string& name) const { return folder_.File(name); }

  void ExpectStatuses(const std::vector<StatusCase>& cases) {
    for (const StatusCase& c : cases) {
      SCOPED_TRACE(c.arguments);
      const ProcessOutcome outcome = Tarvel(c.arguments);
      EXPECT_EQ(outcome.status, c.status) << outcome.errors;
      EXPECT_NE(outcome.errors.find(c.message), std::string::npos) << outcome.errors;
    }
  }

  TempFolder folder_, temp_, runtime_;
};

TEST_F(CommandLine, OptionValuesOutOfRangeOrFormAreUsageErrors) {
  const std::string s = Sample();
  const std::string seed = "--seed must be a whole number from 0 to 18446744073709551615, not ";
  ExpectStatuses({
      {"run " + s + " --historical-start 1800", 2, "--historical-start must be a year from"},
      {"run " + s + " --bootstrap --seed 1 --block-years 0", 2, "--block-years must be"},
      {"run " + s + " --random-accounts --seed 3.7", 2, seed + "\"3.7\"."},
      {"run " + s + " --random-accounts --seed 1e5", 2, seed + "\"1e5\"."},
      {"run " + s + " --random-accounts --seed abc", 2, seed + "\"abc\"."},
      {"run " + s + " --random-accounts --seed -1", 2, seed + "\"-1\"."},
      {"run " + s + " --random-accounts --seed 18446744073709551616", 2, seed},
      {"graph " + s + " --pie 200 --out a.png", 2, "--pie 200 is not an age of the run."},
      {"graph " + s + " --zoom 10-200 --out a.png", 2, "--zoom"},
      {"graph " + s + " --zoom 60-61 --out a.png", 2, "--zoom 60-61 is not a range"},
      {"graph " + s + " --size 5x5 --out a.png", 2, "--size"},
      {"graph " + s + " --kind fan --seed 2.5 --out a.png", 2, seed + "\"2.5\"."},
      {"montecarlo " + s + " --seed 1e5", 2, seed + "\"1e5\"."},
      {"montecarlo " + s + " --runs 0", 2, "from 1 to 100,000"},
      {"rule72t --age 50 --beneficiary-age 50 --balance 1000 --rate 0", 2,
       "Rates must be between 0.0% and 100.0%"},
      {"rule72t --age inf --beneficiary-age 50 --balance 1000 --rate 4", 2,
       "--age: \"inf\" is not a number."},
      {"report " + s + " --kind weather --out r.txt", 2, "--kind must be"},
      {"print " + s + " --schedule --out a.png", 2, "--out must name a .pdf file"},
      {"convert " + s + " out.txt", 2, ""},
      {"export " + s + " o.csv", 2, "Give one of --csv and --tab."},
      {"import " + s + " r.csv --update", 2, "--out is needed."},
      {"run " + s + " --today 2024-13-01", 2, "--today needs a date"},
  });
}

TEST_F(CommandLine, OptionsThatDoNotApplyAreRefused) {
  const std::string s = Sample();
  ExpectStatuses({
      {"run " + s + " --block-years 3", 2, "--block-years needs --bootstrap."},
      {"run " + s + " --no-historical-inflation", 2,
       "--no-historical-inflation needs --historical-start or --bootstrap."},
      {"graph " + s + " --runs 100 --out a.png", 2, "--runs needs --kind fan."},
      {"graph " + s + " --source groups --out a.png", 2, "--source needs --kind fan."},
      {"graph " + s + " --nominal --out a.png", 2, "--nominal needs --kind fan."},
      {"graph " + s + " --kind fan --source historical --runs 10 --out a.png", 2,
       "--runs needs a --source other than historical."},
      {"graph " + s + " --kind fan --block-years 3 --out a.png", 2,
       "--block-years needs --kind fan --source bootstrap."},
      {"graph " + s + " --kind fan --zoom 60-70 --out a.png", 2,
       "--zoom needs a --kind other than fan."},
      {"graph " + s + " --kind fan --pie 60 --out a.png", 2,
       "--pie needs a --kind other than fan."},
      {"montecarlo " + s + " --block-years 3", 2, "--block-years needs --source bootstrap."},
      {"montecarlo " + s + " --source bootstrap --wrap", 2, "--wrap needs --source historical."},
      {"montecarlo " + s + " --no-historical-inflation", 2,
       "--no-historical-inflation needs --source historical or bootstrap."},
  });
}

TEST_F(CommandLine, CalculatorsRefuseWhatTheirDialogsRefuseAsUsageErrors) {
  ExpectStatuses({
      {"calc tradeoff --income1 inf --periods 3", 2, "--income1: \"inf\" is not a number."},
      {"calc tradeoff --fixed-cost2 nan --periods 3", 2, "--fixed-cost2: \"nan\" is not"},
      {"calc mortgage --amount 1e999 --rate 6 --years 30", 2, "--amount: \"1e999\""},
      {"calc taxes --amount 1000 --years 2 --rate 10 --tax 150", 2,
       "The Tax Rate must be between 0.00   % and 100.00 %."},
      {"calc tradeoff --tax 150 --periods 3", 2,
       "The Tax Rate must be between 0.00   % and 100.00 %."},
      {"calc refinance --start-age 40 --amount 100000 --rate 8 --years 30 "
       "--refinance-age 70 --new-rate 6 --new-years 30",
       2,
       "The age at refinancing must be less than 70, the age the original mortgage is "
       "paid off."},
      {"calc refinance --start-age 40 --amount 100000 --rate 8 --years 30 "
       "--refinance-age 69 --new-rate 6 --new-years 30",
       0, ""},
      {"calc effective --rate 200", 2, "Rate Error!"},
  });
}

TEST_F(CommandLine, FileAndRunProblemsAreRuntimeErrors) {
  const std::string s = Sample();
  std::filesystem::create_directory(At("folder.pdf"));
  test_support::WriteText(At("x.bin"), std::string("PK\x03\x04\0\0binary", 12));
  test_support::WriteText(At("headings.csv"), "ASSETS,1.00\nTotal Accounts,2.00\n");
  ExpectStatuses({
      {"run missing.ret", 1, "Cannot open missing.ret: No such file or directory."},
      {"montecarlo missing.ret", 1, "Cannot open missing.ret"},
      {"graph " + s + " --out nowhere/a.png", 1,
       "Cannot write nowhere/a.png: No such file or directory"},
      {"graph " + s + " --out folder.pdf", 1, "Cannot write folder.pdf: Is a directory"},
      {"print " + s + " --schedule --out nowhere/p.pdf", 1,
       "Cannot write nowhere/p.pdf: No such file or directory"},
      {"report " + s + " --out folder.pdf", 1, "Cannot write folder.pdf: Is a directory"},
      {"import " + s + " . --update --out o.ret", 1, "Cannot open .: Is a directory."},
      {"import " + s + " x.bin --new --dry-run", 1, "x.bin is not a text report."},
      {"import " + s + " headings.csv --new --out o.ret", 1,
       "Found 0 accounts in the file headings.csv."},
  });
  EXPECT_FALSE(std::filesystem::exists(At("o.ret")));
}

TEST_F(CommandLine, TheLargestSeedIsAccepted) {
  const ProcessOutcome outcome =
      Tarvel("run " + Sample() + " --random-accounts --seed 18446744073709551615 --quiet");
  EXPECT_EQ(outcome.status, 0) << outcome.errors;
}

TEST_F(CommandLine, ADryRunNamesTheFirstHundredSkippedLinesAndCountsTheRest) {
  std::string report = "Checking,100.00\n";
  for (int i = 0; i < 1250; ++i) report += "Total Assets," + std::to_string(i) + ".00\n";
  test_support::WriteText(At("long.csv"), report);
  const ProcessOutcome outcome = Tarvel("import " + Sample() + " long.csv --new --dry-run");
  EXPECT_EQ(outcome.status, 0) << outcome.errors;
  EXPECT_EQ(std::count(outcome.out.begin(), outcome.out.end(), '\n'), 102);
  EXPECT_TRUE(outcome.out.starts_with("Checking,100.00\tnew: Checking")) << outcome.out;
  EXPECT_TRUE(outcome.out.ends_with("\n... and 1,150 more lines skipped\n")) << outcome.out;
}

TEST_F(CommandLine, OutputPathsKeepTheirBytes) {
  const std::string s = Sample();
  const std::string name = "caf\xe9";
  const std::vector<std::string> commands = {
      "graph " + s + " --out " + name + ".png",
      "graph " + s + " --out " + name + ".svg",
      "graph " + s + " --kind fan --runs 20 --out " + name + "-fan.pdf",
      "print " + s + " --schedule --out " + name + "-print.pdf",
      "report " + s + " --out " + name + "-report.pdf",
  };
  const std::vector<std::string> files = {name + ".png", name + ".svg", name + "-fan.pdf",
                                          name + "-print.pdf", name + "-report.pdf"};
  for (std::size_t i = 0; i < commands.size(); ++i) {
    SCOPED_TRACE(commands[i]);
    const ProcessOutcome outcome = Tarvel(commands[i]);
    EXPECT_EQ(outcome.status, 0) << outcome.errors;
    EXPECT_GT(std::filesystem::file_size(At(files[i])), 0u);
  }
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder_.path())) {
    ++entries;
  }
  EXPECT_EQ(entries, static_cast<int>(files.size()));
}

}  // namespace
}  // namespace tarvel
