// `tarvel export` and `tarvel import` run as programs: the couple's balances exported and
// read back into a new scenario, an update that leaves unknown accounts out, the dry run's
// preview, and usage errors.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "model/scenario_codec.h"
#include "support/process_runner.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using tarvel::test_support::ReadText;

class ImportExportCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("tarvel-exchange-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  tarvel::test_support::ProcessOutcome Tarvel(const std::string& arguments) const {
    return tarvel::test_support::RunTarvel(arguments);
  }
  std::string At(const std::string& name) const { return "'" + (folder_ / name).string() + "'"; }
  static std::string Sample() {
    return "'" + (fs::path(TARVEL_EXAMPLES_BUILD_DIR) / "couple-saving.ret").string() + "'";
  }

  fs::path folder_;
};

TEST_F(ImportExportCommand, ExportedBalancesComeBackAsTheAccountsOfANewScenario) {
  ASSERT_EQ(Tarvel("export " + Sample() + " --csv " + At("out.csv")).status, 0);
  const std::string exported = ReadText(folder_ / "out.csv");
  EXPECT_EQ(exported.substr(0, exported.find('\n')),
            "Age,Checking,Brokerage,Roth IRA,401(k),Car,Home,Equity,Total");
  ASSERT_EQ(
      Tarvel("import " + Sample() + " " + At("out.csv") + " --new --out " + At("new.ret")).status,
      0);
  ASSERT_EQ(Tarvel("export " + At("new.ret") + " --tab " + At("again.tve")).status, 0);
  const std::string again = ReadText(folder_ / "again.tve");
  // Same names, and the first row holds the same starting balances (a new scenario has its
  // own ages, and the imported accounts their own rates).
  const auto names_and_balances = [](std::string text, char separator) {
    for (char& c : text) {
      if (c == separator) c = '|';
    }
    const std::size_t header_end = text.find('\n');
    const std::size_t row_start = text.find('|', header_end);
    return text.substr(0, header_end) +
           text.substr(row_start, text.find('\n', row_start) - row_start);
  };
  EXPECT_EQ(names_and_balances(again, '\t'), names_and_balances(exported, ','));

  // The new scenario's minimum-distribution tables start filled.
  std::ifstream in(folder_ / "new.ret", std::ios::binary);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
  auto made = std::make_unique<tarvel::model::Scenario>();
  ASSERT_TRUE(tarvel::model::DecodeScenario(bytes, *made).valid);
  for (int table = 0; table < tarvel::model::kRmdTables; ++table) {
    EXPECT_GE(made->settings.rmd_start_age[table], 73);
    EXPECT_GT(made->settings.rmd_life_expectancy[table][29], 0.0f);
  }
}

TEST_F(ImportExportCommand, AnUpdateReportsUnknownAccountsAndAddsThemOnlyWhenAsked) {
  std::ofstream(folder_ / "bank.csv") << "\"Checking\",\"$1,000.00\"\n\"Boat Fund\",\"250.00\"\n";
  const auto dry = Tarvel("import " + Sample() + " " + At("bank.csv") + " --update --dry-run");
  EXPECT_EQ(dry.status, 0);
  EXPECT_EQ(dry.out,
            "\"Checking\",\"$1,000.00\"\tmatched: Checking\t$1,000.00\n"
            "\"Boat Fund\",\"250.00\"\tnew: Boat Fund\t$250.00\n");
  EXPECT_FALSE(fs::exists(folder_ / "x.ret"));

  const auto left =
      Tarvel("import " + Sample() + " " + At("bank.csv") + " --update --out " + At("left.ret"));
  EXPECT_EQ(left.status, 0);
  EXPECT_EQ(left.errors, "Account Boat Fund is not an existing account; it was not added.\n");
  const auto added = Tarvel("import " + Sample() + " " + At("bank.csv") +
                            " --update --add-new --out " + At("added.ret"));
  EXPECT_EQ(added.status, 0);
  EXPECT_EQ(added.errors, "");
  ASSERT_EQ(Tarvel("export " + At("added.ret") + " --csv " + At("added.csv")).status, 0);
  EXPECT_NE(ReadText(folder_ / "added.csv").find("Boat Fund"), std::string::npos);
}

TEST_F(ImportExportCommand, BadInputAndUsageHaveTheirStatuses) {
  std::ofstream(folder_ / "none.csv") << "\"Nobody\",\"1.00\"\n";
  const struct {
    std::string arguments;
    int status;
  } cases[] = {
      {"export " + Sample() + " " + At("o.csv"), 2},
      {"import " + Sample() + " " + At("none.csv") + " --out " + At("o.ret"), 2},
      {"import " + Sample() + " " + At("none.csv") + " --update", 2},
      {"import " + Sample() + " " + At("missing.csv") + " --update --out " + At("o.ret"), 1},
      {"import " + Sample() + " " + At("none.csv") + " --update --out " + At("o.ret"), 1},
  };
  for (const auto& c : cases) {
    const auto outcome = Tarvel(c.arguments);
    EXPECT_EQ(outcome.status, c.status) << c.arguments << "\n" << outcome.errors;
  }
  EXPECT_FALSE(fs::exists(folder_ / "o.ret"));
}

}  // namespace
