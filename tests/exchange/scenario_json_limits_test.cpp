// Hostile JSON scenarios (huge, a million events, deeply nested, endless lists) are refused
// with a message that says why, before any value is built; a sound scenario passes.

#include "exchange/scenario_json_limits.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/scenario_builder.h"

namespace tarvel::exchange {
namespace {

std::string Repeated(const std::string& piece, std::size_t count, const std::string& separator) {
  std::string text;
  text.reserve((piece.size() + separator.size()) * count);
  for (std::size_t i = 0; i < count; ++i) text += (i == 0 ? "" : separator) + piece;
  return text;
}

struct HostileCase {
  const char* name;
  std::string text;
  const char* message;  // part of the refusal; empty: accepted
};

class ScenarioJsonLimitsTest : public ::testing::TestWithParam<HostileCase> {};

TEST_P(ScenarioJsonLimitsTest, RefusesWhatNoScenarioHolds) {
  const HostileCase& c = GetParam();
  auto scenario = test_support::MakeClearedScenario();
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(c.text.data());
  const JsonLoad load = ScenarioFromJsonBytes({bytes, c.text.size()}, *scenario);
  if (*c.message == '\0') {
    EXPECT_TRUE(load.ok) << load.error;
  } else {
    EXPECT_FALSE(load.ok);
    EXPECT_NE(load.error.find(c.message), std::string::npos) << load.error;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScenarioJsonLimitsTest,
    ::testing::Values(
        HostileCase{"Sound", R"({"initial": {"start_age": 45}, "events": []})", ""},
        HostileCase{"OverTheSizeLimit", "{" + std::string(kMaxScenarioJsonBytes, ' ') + "}",
                    "is larger than 8 MB"},
        HostileCase{"MillionEvents", R"({"events": [)" + Repeated("{}", 1000000, ",") + "]}",
                    "holds more than 150 events"},
        HostileCase{"OneEventTooMany",
                    R"({"events": [)" + Repeated(R"({"kind": "Deposit"})", 151, ",") + "]}",
                    "holds more than 150 events"},
        HostileCase{"EndlessList", R"({"accounts": [)" + Repeated("0", 5000, ",") + "]}",
                    "\"accounts\" holds more than 1000 items"},
        HostileCase{"DeepNesting", Repeated("[", 100000, "") + Repeated("]", 100000, ""),
                    "nested more than 16 levels"},
        HostileCase{"CutShort", R"({"events": [{"kind": )", "not valid JSON"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarvel::exchange
