// `tarvel run --random-accounts | --random-groups [--seed N]`: repeatable random runs from a
// seed, the rate lines and statistics they write, and the usage errors of the flags.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/process_runner.h"

namespace {

namespace fs = std::filesystem;

constexpr char kScenarioJson[] = R"({
  "initial": {"start_age": 60, "end_age": 70, "inflation_rate": 0, "tax_rate": 0,
              "dividend_tax_rate": 0},
  "accounts": [
    {"name": "Stock fund", "type": "Investment", "initial_amount": 100000, "yearly_rate": 7,
     "access_order": "1", "random_min_rate": -15, "random_max_rate": 25, "group": 0},
    {"name": "Bond fund", "type": "Investment", "initial_amount": 50000, "yearly_rate": 4,
     "access_order": "2", "random_min_rate": 1, "random_max_rate": 6, "group": 1}
  ],
  "groups": {"names": ["Stocks", "Bonds"], "random_min_rate": [-10, 2],
             "random_max_rate": [20, 5], "random_method": 1},
  "events": []
})";

class RandomRunCli : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tarvel_random_cli_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    std::ofstream(dir_ / "random.json") << kScenarioJson;
    ASSERT_EQ(Tarvel("convert " + Path("random.json") + " " + Path("random.ret")), 0);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  int Tarvel(const std::string& arguments) const {
    return tarvel::test_support::RunTarvel(arguments).status;
  }
  // A detailed run into a results file; returns the exit status.
  int Run(const std::string& flags, const std::string& schedule) const {
    return Tarvel("run " + Path("random.ret") + " --workdir " + dir_.string() +
                  " --detailed --today 2024-03-05 --schedule " + Path(schedule) + " " + flags);
  }
  std::vector<std::string> Lines(const std::string& name) const {
    std::ifstream in(dir_ / name);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
  int CountStarting(const std::string& name, const std::string& prefix) const {
    const auto lines = Lines(name);
    return static_cast<int>(std::count_if(
        lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; }));
  }

  fs::path dir_;
};

TEST_F(RandomRunCli, TheSameSeedGivesTheSameScheduleAndAnotherSeedAnotherOne) {
  ASSERT_EQ(Run("--random-accounts --seed 7", "a.sch"), 0);
  ASSERT_EQ(Run("--random-accounts --seed 7", "b.sch"), 0);
  ASSERT_EQ(Run("--random-accounts --seed 8", "c.sch"), 0);
  EXPECT_EQ(Lines("a.sch"), Lines("b.sch"));
  EXPECT_NE(Lines("a.sch"), Lines("c.sch"));
}

TEST_F(RandomRunCli, EachFlagSelectsItsSourceAndWritesItsStatistics) {
  ASSERT_EQ(Run("--random-accounts --seed 3", "a.sch"), 0);
  EXPECT_EQ(CountStarting("a.sch", "  Uniform random account rates in effect."), 10);
  EXPECT_EQ(CountStarting("a.sch", "      Stock fund rate="), 10);
  EXPECT_EQ(CountStarting("a.sch", "Average Bond fund Rate = "), 1);
  // Without --seed the source is seeded from the clock.
  ASSERT_EQ(Run("--random-groups", "g.sch"), 0);
  EXPECT_EQ(CountStarting("g.sch", "  Uniform random group rates in effect."), 10);
  EXPECT_EQ(CountStarting("g.sch", "      Stocks rate="), 10);
  EXPECT_EQ(CountStarting("g.sch", "Average Stocks Rate    = "), 1);
  ASSERT_EQ(Run("", "plain.sch"), 0);
  EXPECT_EQ(CountStarting("plain.sch", "Rate Statistics:"), 0);
}

TEST_F(RandomRunCli, ConflictingOrIncompleteFlagsAreUsageErrors) {
  EXPECT_EQ(Run("--random-accounts --random-groups", "x.sch"), 2);
  EXPECT_EQ(Run("--seed 5", "x.sch"), 2);
  EXPECT_EQ(Run("--random-accounts --seed five", "x.sch"), 2);
  EXPECT_EQ(Run("--random-accounts --seed -1", "x.sch"), 2);
}

}  // namespace
