// `tarvel montecarlo`: the same options give the same bytes whatever the threads, the summary
// starts with the success probability, a ranked run re-run with `tarvel run` gives its final
// net worth, and bad options are refused.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "support/process_runner.h"
#include "support/temp_folder.h"

namespace {

using tarvel::test_support::Quoted;
using tarvel::test_support::RunTarvel;

std::string Sample(const std::string& name) {
  return Quoted(std::string(TARVEL_EXAMPLES_BUILD_DIR) + "/" + name + ".ret");
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The net-worth column of the last row of a `tarvel run --periods` CSV file.
double FinalNetWorth(const std::string& csv) {
  std::istringstream lines(ReadText(csv));
  std::string line, last;
  while (std::getline(lines, line)) last = line;
  std::istringstream fields(last);
  std::string field;
  for (int i = 0; i <= 7; ++i) std::getline(fields, field, ',');
  return std::stod(field);
}

TEST(MonteCarloCommand, SameOptionsGiveTheSameBytesWithAnyThreads) {
  const tarvel::test_support::TempFolder folder;
  for (const char* source : {"accounts", "bootstrap"}) {
    SCOPED_TRACE(source);
    std::string outputs[2][3];
    for (int t = 0; t < 2; ++t) {
      const std::string prefix = folder.File(std::to_string(t));
      const auto outcome =
          RunTarvel("montecarlo " + Sample("couple-saving") + " --runs 300 --seed 11 --source " +
                    source + " --threads " + (t == 0 ? "1" : "4") + " --csv " +
                    Quoted(prefix + ".csv") + " --json " + Quoted(prefix + ".json"));
      ASSERT_EQ(outcome.status, 0) << outcome.errors;
      outputs[t][0] = outcome.out;
      outputs[t][1] = ReadText(prefix + ".csv");
      outputs[t][2] = ReadText(prefix + ".json");
    }
    for (int k = 0; k < 3; ++k) EXPECT_EQ(outputs[0][k], outputs[1][k]) << k;
    EXPECT_EQ(outputs[0][0].rfind("success probability: ", 0), 0u) << outputs[0][0];
    EXPECT_EQ(outputs[0][1].rfind("age,p5,p10,p25,p50,p75,p90,p95,today_p5,", 0), 0u);
    const auto json = nlohmann::json::parse(outputs[0][2]);
    EXPECT_EQ(json["runs"], 300);
    EXPECT_EQ(json["seed"], 11);
    EXPECT_EQ(json["networth"]["p50"].size(), json["ages"].size());
    EXPECT_GE(json["success_probability"].get<double>(), 0.0);
  }
}

TEST(MonteCarloCommand, ARankedRunRunAgainGivesItsFinalNetWorth) {
  const tarvel::test_support::TempFolder folder;
  struct Case {
    const char* source;
    const char* key;        // the ranked run's field
    const char* run_flags;  // how `tarvel run` is told
  };
  for (const Case& c : {Case{"historical", "start_year", "--historical-start "},
                        Case{"accounts", "seed", "--random-accounts --seed "},
                        Case{"bootstrap", "seed", "--bootstrap --seed "}}) {
    SCOPED_TRACE(c.source);
    const std::string json_path = folder.File(std::string(c.source) + ".json");
    ASSERT_EQ(RunTarvel("montecarlo " + Sample("single-drawdown") + " --runs 30 --source " +
                        c.source + " --json " + Quoted(json_path))
                  .status,
              0);
    const auto json = nlohmann::json::parse(ReadText(json_path));
    for (const auto& ranked : {json["ranked_runs"].front(), json["ranked_runs"].back()}) {
      const std::string csv = folder.File("run.csv");
      const auto outcome = RunTarvel("run " + Sample("single-drawdown") + " " + c.run_flags +
                                     ranked[c.key].dump() + " --periods " + Quoted(csv));
      ASSERT_EQ(outcome.status, 0) << outcome.errors;
      EXPECT_NEAR(FinalNetWorth(csv), ranked["final_net_worth"].get<double>(), 0.005);
    }
  }
}

TEST(MonteCarloCommand, GraphDrawsTheFanChart) {
  const tarvel::test_support::TempFolder folder;
  const std::string png = folder.File("fan.png");
  const auto outcome = RunTarvel("graph " + Sample("single-drawdown") +
                                 " --kind fan --source historical --out " + Quoted(png));
  ASSERT_EQ(outcome.status, 0) << outcome.errors;
  EXPECT_EQ(ReadText(png).substr(1, 3), "PNG");
}

TEST(MonteCarloCommand, APlanWithoutRandomRangesIsWarnedAboutOnStderr) {
  // The sample has no random range on any account.
  const auto outcome = RunTarvel("montecarlo " + Sample("single-drawdown") + " --runs 20");
  EXPECT_EQ(outcome.status, 0) << outcome.errors;
  EXPECT_EQ(outcome.errors,
            "warning: No account has a random range; set one in the account dialog or use "
            "Historical\n");
  EXPECT_EQ(outcome.out.rfind("success probability: ", 0), 0u) << outcome.out;
  const auto varied = RunTarvel("montecarlo " + Sample("couple-saving") + " --runs 20");
  EXPECT_EQ(varied.status, 0);
  EXPECT_EQ(varied.errors, "");
}

TEST(MonteCarloCommand, TheSummaryIsInTodaysMoneyAndNominalOnRequest) {
  const tarvel::test_support::TempFolder folder;
  const std::string json_path = folder.File("analysis.json");
  const auto today =
      RunTarvel("montecarlo " + Sample("couple-saving") + " --runs 40 --json " + Quoted(json_path));
  const auto nominal = RunTarvel("montecarlo " + Sample("couple-saving") + " --runs 40 --nominal");
  ASSERT_EQ(today.status, 0) << today.errors;
  ASSERT_EQ(nominal.status, 0) << nominal.errors;
  const auto json = nlohmann::json::parse(ReadText(json_path));
  const auto median_at_end = [&](const char* table) {
    char text[32];
    std::snprintf(text, sizeof text, "%14.0f", json[table]["p50"].back().get<double>());
    return std::string(text);
  };
  EXPECT_NE(today.out.find("Net worth by age in today's money:"), std::string::npos) << today.out;
  EXPECT_NE(today.out.find(median_at_end("networth_today")), std::string::npos) << today.out;
  EXPECT_EQ(today.out.find(median_at_end("networth")), std::string::npos) << today.out;
  EXPECT_NE(nominal.out.find("(nominal):"), std::string::npos) << nominal.out;
  EXPECT_NE(nominal.out.find(median_at_end("networth")), std::string::npos) << nominal.out;
  EXPECT_EQ(nominal.out.find("today's money"), std::string::npos) << nominal.out;
}

TEST(MonteCarloCommand, MoreThreadsThanTheHardwareHasRunOnTheHardwaresAndSaySo) {
  const auto asked =
      RunTarvel("montecarlo " + Sample("couple-saving") + " --runs 50 --threads 5000");
  const auto one = RunTarvel("montecarlo " + Sample("couple-saving") + " --runs 50 --threads 1");
  ASSERT_EQ(asked.status, 0) << asked.errors;
  EXPECT_NE(asked.errors.find("warning: --threads 5000 is more than the "), std::string::npos)
      << asked.errors;
  EXPECT_NE(asked.errors.find("hardware threads of this computer"), std::string::npos);
  EXPECT_EQ(asked.out, one.out);
  EXPECT_EQ(one.errors, "");
}

TEST(MonteCarloCommand, TheJsonRecordsEveryOptionThatChangesTheFigures) {
  const tarvel::test_support::TempFolder folder;
  const std::string plain = folder.File("plain.json");
  const std::string chosen = folder.File("chosen.json");
  const std::string command = "montecarlo " + Sample("single-drawdown") + " --source historical";
  ASSERT_EQ(RunTarvel(command + " --today 2030-06-01 --json " + Quoted(plain)).status, 0);
  ASSERT_EQ(RunTarvel(command + " --today 2031-02-03 --wrap --no-historical-inflation " +
                      "--json " + Quoted(chosen))
                .status,
            0);
  const auto first = nlohmann::json::parse(ReadText(plain));
  const auto second = nlohmann::json::parse(ReadText(chosen));
  const struct {
    const char* key;
    nlohmann::json plain;
    nlohmann::json chosen;
  } cases[] = {
      {"wrap", false, true},
      {"historical_inflation", true, false},
      {"block_years", 5, 5},
      {"assumed_allocation", false, false},
      {"today", "2030-06-01", "2031-02-03"},
      {"source", "historical", "historical"},
      {"seed", 1, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(first[c.key], c.plain) << c.key;
    EXPECT_EQ(second[c.key], c.chosen) << c.key;
  }
}

// Only the red flags that break success are failures; a flag no run raised has no age.
TEST(MonteCarloCommand, FailureCausesSeparateFailuresFromWarnings) {
  const tarvel::test_support::TempFolder folder;
  const std::string json_path = folder.File("causes.json");
  ASSERT_EQ(
      RunTarvel("montecarlo " + Sample("couple-saving") + " --runs 40 --json " + Quoted(json_path))
          .status,
      0);
  const auto json = nlohmann::json::parse(ReadText(json_path));
  const auto& causes = json["failure_causes"];
  std::vector<std::string> failures;
  for (const auto& cause : causes["failures"]) failures.push_back(cause["red_flag"]);
  EXPECT_EQ(failures, (std::vector<std::string>{"Liquid accounts were depleted.",
                                                "Your net worth went negative."}));
  EXPECT_EQ(causes["warnings"].size(), 4u);
  int never_raised = 0;
  for (const char* part : {"failures", "warnings"}) {
    for (const auto& cause : causes[part]) {
      EXPECT_EQ(cause["median_first_age"].is_null(), cause["runs"] == 0) << cause.dump();
      never_raised += cause["runs"] == 0;
    }
  }
  EXPECT_GT(never_raised, 0);
}

TEST(MonteCarloCommand, BadOptionsAreRefusedWithAMessage) {
  struct Case {
    std::string arguments;
    int status;
    const char* message;
  };
  const Case cases[] = {
      {"montecarlo " + Sample("couple-saving") + " --source weather", 2, "--source must be"},
      {"montecarlo " + Sample("couple-saving") + " --runs 0", 2, "from 1 to 100,000"},
      {"montecarlo " + Sample("couple-saving") + " --runs 100001", 2, "from 1 to 100,000"},
      {"montecarlo " + Sample("couple-saving") + " --source bootstrap --block-years 0", 2,
       "at least 1 year"},
      {"montecarlo /nonexistent/plan.ret", 1, "plan.ret"},
      {"run " + Sample("couple-saving") + " --historical-start 1850", 2, "from 1928 to"},
      {"run " + Sample("couple-saving") + " --historical-start 1990 --random-accounts", 2,
       "cannot be used with random rates"},
      {"run " + Sample("couple-saving") + " --bootstrap", 2, "--bootstrap needs --seed"},
      {"graph " + Sample("couple-saving") + " --kind fan --source weather --out f.png", 2,
       "--source must be"},
      {"graph " + Sample("couple-saving") + " --kind fan --nominal --todays-money --out f.png", 2,
       "excludes"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    const auto outcome = RunTarvel(c.arguments);
    EXPECT_EQ(outcome.status, c.status);
    EXPECT_NE(outcome.errors.find(c.message), std::string::npos) << outcome.errors;
    EXPECT_TRUE(outcome.out.empty()) << outcome.out;
  }
}

}  // namespace
