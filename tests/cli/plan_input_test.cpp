// Every command refuses a scenario no plan can hold, naming the value, and opens a scenario
// file cut short inside a block with a warning on standard error.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "model/plan_checks.h"
#include "support/process_runner.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using Outcome = tarvel::test_support::ProcessOutcome;
using tarvel::test_support::Quoted;
using tarvel::test_support::ReadText;
using tarvel::test_support::RunTarvel;

const fs::path kSample = fs::path(TARVEL_EXAMPLES_BUILD_DIR) / "single-drawdown.ret";
// Offsets in a scenario file: the start and end age in block 1, the first account's initial
// amount in the account table after the sample's events.
constexpr std::size_t kStartAgeAt = 26;
constexpr std::size_t kEndAgeAt = 30;

class PlanInput : public ::testing::Test {
 protected:
  // The sample scenario with a float put at offset.
  fs::path SampleWith(const std::string& name, std::size_t offset, float value) {
    std::string bytes = ReadText(kSample);
    std::memcpy(bytes.data() + offset, &value, sizeof value);
    return Write(name, bytes);
  }
  fs::path Write(const std::string& name, const std::string& bytes) {
    const fs::path path = folder_.File(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  float SampleFloat(std::size_t offset) const {
    const std::string bytes = ReadText(kSample);
    float value = 0;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
  }
  std::size_t FirstAccountAmountAt() const {
    const std::string bytes = ReadText(kSample);
    const auto events = static_cast<unsigned char>(bytes[0]) + 256 * bytes[1];
    return 80 + 160 * static_cast<std::size_t>(events) + 2 + 42;
  }
  std::string At(const std::string& name) const { return Quoted(folder_.File(name)); }

  tarvel::test_support::TempFolder folder_;
};

TEST_F(PlanInput, EveryCommandRefusesAnEndAgeNotAboveTheStartAge) {
  const fs::path input = SampleWith("ages.ret", kEndAgeAt, SampleFloat(kStartAgeAt));
  const std::string file = Quoted(input);
  const std::string message = tarvel::model::EndAgeOrderText(SampleFloat(kStartAgeAt),
                                                             SampleFloat(kStartAgeAt));
  const std::string commands[] = {
      "run " + file,
      "convert " + file + " " + At("out.json"),
      "report " + file + " --out " + At("out.txt"),
      "export " + file + " " + At("out.csv") + " --csv",
      "graph " + file + " --out " + At("out.png"),
      "print " + file + " --schedule --out " + At("out.pdf"),
      "montecarlo " + file + " --runs 10",
      "import " + file + " " + At("balances.csv") + " --update --dry-run",
  };
  for (const std::string& command : commands) {
    const Outcome outcome = RunTarvel(command, {folder_.path(), {}});
    EXPECT_EQ(outcome.status, 1) << command;
    EXPECT_NE(outcome.errors.find(input.string() + ": " + message + "\n"), std::string::npos)
        << command << "\n"
        << outcome.errors;
  }
  for (const char* name : {"out.json", "out.txt", "out.csv", "out.png", "out.pdf"}) {
    EXPECT_FALSE(fs::exists(folder_.File(name))) << name;
  }
}

TEST_F(PlanInput, ANumberThatIsNotFiniteIsRefusedNamingItsField) {
  const struct {
    std::size_t offset;
    float value;
    const char* place;
  } cases[] = {
      {kStartAgeAt, NAN, "Initial Values, start age"},
      {FirstAccountAmountAt(), INFINITY, "account 1 \"Checking\", initial amount"},
      {FirstAccountAmountAt(), NAN, "account 1 \"Checking\", initial amount"},
  };
  for (const auto& c : cases) {
    const fs::path input = SampleWith("bad.ret", c.offset, c.value);
    const Outcome outcome = RunTarvel("run " + Quoted(input) + " --workdir " + At(""));
    EXPECT_EQ(outcome.status, 1) << c.place;
    EXPECT_EQ(outcome.errors, input.string() + ": " + c.place + ": not a finite number\n");
  }
}

TEST_F(PlanInput, JsonWithANumberThatIsNotFiniteIsNotConverted) {
  for (const char* value : {R"("inf")", R"("-inf")", R"("nan")", "1e308"}) {
    const fs::path input = Write("plan.json", std::string(R"({"accounts": [{"name": "A",
        "type": "Investment", "initial_amount": )") +
                                                  value + "}]}");
    const Outcome outcome = RunTarvel("convert " + Quoted(input) + " " + At("plan.ret"));
    EXPECT_EQ(outcome.status, 1) << value;
    EXPECT_EQ(outcome.errors.rfind(input.string() + ": accounts[0].initial_amount: ", 0), 0u)
        << outcome.errors;
    EXPECT_FALSE(fs::exists(folder_.File("plan.ret")));
  }
  const fs::path ages = Write("ages.json", R"({"initial": {"start_age": 70, "end_age": 60}})");
  const Outcome outcome = RunTarvel("convert " + Quoted(ages) + " " + At("plan.ret"));
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.errors, ages.string() + ": " + tarvel::model::EndAgeOrderText(70, 60) + "\n");
}

TEST_F(PlanInput, AFileCutInsideABlockRunsWithAWarningAndAnOlderLayoutSilently) {
  const std::string sample = ReadText(kSample);
  const std::size_t events = static_cast<unsigned char>(sample[0]);
  const std::size_t account_table_end = 80 + 160 * events + 4124;
  const std::size_t dividends_start = account_table_end + 740 + 246 + 1938 + 3 * 60 + 152 + 6990;
  const struct {
    std::size_t length;
    std::string warning;
  } cases[] = {
      {account_table_end, ""},
      {dividends_start, ""},
      {dividends_start + 1100 + 786 + 5060 + 10060 + 164, ""},
      {dividends_start + 40,
       "ends inside its dividend settings; default values were filled in for the dividend "
       "settings, allocation categories, asset allocations, mortgage equity accounts, colours, "
       "and income and expense lists.\n"},
      {sample.size() - 1,
       "ends inside its income and expense lists; default values were filled in for the "
       "income and expense lists.\n"},
  };
  for (const auto& c : cases) {
    const fs::path input = Write("cut.ret", sample.substr(0, c.length));
    const Outcome outcome =
        RunTarvel("run " + Quoted(input) + " --workdir " + At("") + " --schedule " + At("cut.sch"));
    EXPECT_EQ(outcome.status, 0) << c.length << outcome.errors;
    EXPECT_EQ(outcome.errors,
              c.warning.empty() ? "" : "Warning: " + input.string() + " " + c.warning)
        << c.length;
  }
}

}  // namespace
