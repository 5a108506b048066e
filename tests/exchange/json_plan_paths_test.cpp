// A JSON scenario read from outside is refused when no plan can hold it: a value that is not
// a finite number is named by its JSON path, an end age not above the start age by the
// Initial Values message.
#include "exchange/json_plan_paths.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "exchange/scenario_json_limits.h"
#include "model/plan_checks.h"

namespace tarvel::exchange {
namespace {

// A small plan; %V% marks where a case puts its value.
std::string PlanJson(const std::string& initial, const std::string& account,
                     const std::string& event = "", const std::string& rest = "") {
  return R"({"initial": {"start_age": 60, "end_age": 70)" + initial +
         R"(}, "accounts": [{"name": "Savings", "type": "Investment", "initial_amount": 1000,
           "yearly_rate": 5)" +
         account + R"(}], "events": [{"kind": "Mortgage", "start_age": 62, "end_age": 70)" + event +
         "}]" + rest + "}";
}

JsonLoad Read(const std::string& text) {
  auto scenario = std::make_unique<model::Scenario>();
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  return ScenarioFromJsonBytes({bytes, text.size()}, *scenario);
}

std::string WithValue(std::string text, const std::string& value) {
  const std::size_t at = text.find("%V%");
  return text.replace(at, 3, value);
}

TEST(ScenarioFromJsonBytes, RefusesANumberThatIsNotAFiniteFloatNamingItsPath) {
  const struct {
    std::string json;
    const char* path;
  } fields[] = {
      {PlanJson(R"(, "tax_rate": %V%)", ""), "initial.tax_rate"},
      {PlanJson(R"(, "dividend_tax_rate": %V%)", ""), "initial.dividend_tax_rate"},
      {PlanJson("", R"(, "initial_amount": %V%)"), "accounts[0].initial_amount"},
      {PlanJson("", R"(, "random_max_rate": %V%)"), "accounts[0].random_max_rate"},
      {PlanJson("", R"(, "penalty_age": %V%)"), "accounts[0].penalty_age"},
      {PlanJson("", R"(, "allocation_percent": [1, %V%])"), "accounts[0].allocation_percent[1]"},
      {PlanJson("", "", R"(, "amount": %V%)"), "events[0].amount"},
      {PlanJson("", "", R"(, "property_taxes": %V%)"), "events[0].property_taxes"},
      {PlanJson("", "", "", R"(, "budgets": [{"item_count": 2, "amount": [5, %V%]}])"),
       "budgets[0].amount[1]"},
      {PlanJson("", "", "", R"(, "settings": {"rmd_life_expectancy": [[], [1, %V%]]})"),
       "settings.rmd_life_expectancy[1][1]"},
  };
  const struct {
    const char* value;
    const char* problem;
  } values[] = {{R"("inf")", "not a finite number"},
                {R"("-inf")", "not a finite number"},
                {R"("nan")", "not a finite number"},
                {R"("nan:7fc00001")", "not a finite number"},
                {"1e308", "number out of range for a 4-byte float"},
                {"-3.5e38", "number out of range for a 4-byte float"}};
  for (const auto& field : fields) {
    for (const auto& value : values) {
      const JsonLoad load = Read(WithValue(field.json, value.value));
      EXPECT_FALSE(load.ok);
      EXPECT_EQ(load.error, std::string(field.path) + ": " + value.problem) << value.value;
    }
    EXPECT_TRUE(Read(WithValue(field.json, "3")).ok) << field.path;
  }
}

TEST(ScenarioFromJsonBytes, RefusesAnEndAgeNotAboveTheStartAgeWithTheInitialValuesMessage) {
  const struct {
    const char* ages;
    const char* message;
  } cases[] = {
      {R"("start_age": 65, "end_age": 65)",
       "The end age is the same as the start age. Type an end age after 65."},
      {R"("start_age": 65, "end_age": 40)",
       "The end age comes before the start age. Type an end age after 65."},
      {R"("start_age": 65.2, "end_age": 65.8)",
       "The end age is the same as the start age. Type an end age after 65."},
  };
  for (const auto& c : cases) {
    const JsonLoad load = Read(std::string(R"({"initial": {)") + c.ages + "}}");
    EXPECT_FALSE(load.ok) << c.ages;
    EXPECT_EQ(load.error, c.message) << c.ages;
  }
  EXPECT_TRUE(Read(R"({"initial": {"start_age": 65, "end_age": 66}})").ok);
}

TEST(ScenarioFromJsonBytes, KeepsValuesThatAreNotFiniteWhereNoPlanReadsThem) {
  // Run-time fields and spare records keep any bits, so a file's exact form still reads.
  const std::string text = PlanJson("", R"(, "balance": "nan")", R"(, "working_amount_28": "inf")",
                                    R"(, "spare_accounts": {"5": {"initial_amount": "-inf"}})");
  const JsonLoad load = Read(text);
  EXPECT_TRUE(load.ok) << load.error;
}

}  // namespace
}  // namespace tarvel::exchange
