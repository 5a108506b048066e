// The JSON form of a scenario: exact round trips, defaults for left-out fields, account names
// in place of ids, and messages that name the JSON path of a bad value.
#include "exchange/scenario_json.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "model/records.h"
#include "model/scenario_codec.h"
#include "model/scenario_ops.h"

namespace tarvel::exchange {
namespace {

using model::Scenario;
using Json = nlohmann::ordered_json;

// A complete file of distinctive bytes: every reserved field, text tail and record holds
// data, decoded into a scenario the way a file is read.
std::unique_ptr<Scenario> PatternScenario(int event_count, std::uint32_t seed) {
  std::vector<std::uint8_t> bytes(model::CompleteScenarioSize(event_count));
  std::uint32_t state = seed;
  for (auto& byte : bytes) {
    state = state * 1664525u + 1013904223u;
    byte = static_cast<std::uint8_t>(state >> 24);
  }
  bytes[0] = static_cast<std::uint8_t>(event_count);
  bytes[1] = 0;
  const std::size_t account_count_at = model::kInitialValuesSize + model::kEventSize * event_count;
  bytes[account_count_at] = 7;  // a file holds at most 50 accounts
  bytes[account_count_at + 1] = 0;
  auto scenario = std::make_unique<Scenario>();
  EXPECT_TRUE(model::DecodeScenario(bytes, *scenario).valid);
  return scenario;
}

// Scenario -> JSON text -> scenario.
std::unique_ptr<Scenario> ThroughJsonText(const Scenario& scenario) {
  const std::string text = ScenarioToJson(scenario).dump(2);
  auto back = std::make_unique<Scenario>();
  const JsonLoad load = ScenarioFromJson(Json::parse(text), *back);
  EXPECT_TRUE(load.ok) << load.error;
  return back;
}

std::unique_ptr<Scenario> NewScenario() {
  auto scenario = std::make_unique<Scenario>();
  model::ClearScenario(*scenario);
  model::ApplyNewScenarioDefaults(*scenario);
  model::ApplyDividendDefaults(*scenario);
  return scenario;
}

JsonLoad Load(const std::string& text, Scenario& scenario) {
  return ScenarioFromJson(Json::parse(text), scenario);
}

std::string LoadError(const std::string& text) {
  auto scenario = std::make_unique<Scenario>();
  const JsonLoad load = Load(text, *scenario);
  EXPECT_FALSE(load.ok);
  return load.error;
}

TEST(ScenarioJson, CompleteFileComesBackByteForByte) {
  for (const int event_count : {0, 3, 150}) {
    const auto scenario = PatternScenario(event_count, 17u + event_count);
    const auto back = ThroughJsonText(*scenario);
    EXPECT_EQ(model::EncodeScenario(*back), model::EncodeScenario(*scenario)) << event_count;
  }
}

TEST(ScenarioJson, JsonComesBackIdentical) {
  const auto scenario = PatternScenario(12, 99u);
  const Json first = ScenarioToJson(*scenario);
  const auto back = ThroughJsonText(*scenario);
  EXPECT_EQ(ScenarioToJson(*back).dump(2), first.dump(2));
}

TEST(ScenarioJson, KeepsRecordsBeyondTheCounts) {
  auto scenario = NewScenario();
  scenario->accounts.count = 1;
  scenario->accounts.records[0].name.assign("Checking");
  scenario->accounts.records[7].name.assign("Old account");
  scenario->accounts.records[7].initial_amount = 12.5f;
  scenario->events[151].amount = 3.25f;
  scenario->events[151].kind = model::EventKind::Deposit;
  const Json json = ScenarioToJson(*scenario);
  EXPECT_EQ(json["spare_accounts"]["7"]["name"], "Old account");
  EXPECT_TRUE(json["spare_events"].contains("151"));
  const auto back = ThroughJsonText(*scenario);
  EXPECT_EQ(back->accounts.records[7].initial_amount, 12.5f);
  EXPECT_EQ(back->events[151].amount, 3.25f);
  EXPECT_EQ(back->events[151].kind, model::EventKind::Deposit);
}

TEST(ScenarioJson, FloatsKeepTheirExactBits) {
  auto scenario = NewScenario();
  std::uint32_t state = 7;
  for (int round = 0; round < 20; ++round) {
    for (auto& category : scenario->allocation.working) {
      for (float& value : category) {
        state = state * 1664525u + 1013904223u;
        std::memcpy(&value, &state, sizeof value);
      }
    }
    scenario->allocation.working[0][0] = -0.0f;
    const auto back = ThroughJsonText(*scenario);
    ASSERT_EQ(std::memcmp(&back->allocation.working, &scenario->allocation.working,
                          sizeof scenario->allocation.working),
              0);
  }
}

TEST(ScenarioJson, FloatsShowAsTheirShortestDecimal) {
  auto scenario = NewScenario();
  scenario->initial.inflation_rate = 0.1f;
  scenario->initial.tax_rate = 22.0f;
  const std::string text = ScenarioToJson(*scenario).dump();
  EXPECT_NE(text.find("\"inflation_rate\":0.1,"), std::string::npos) << text;
  EXPECT_NE(text.find("\"tax_rate\":22,"), std::string::npos) << text;
}

TEST(ScenarioJson, TextIsUtf8AndOddBytesKeepTheirHexForm) {
  auto scenario = NewScenario();
  scenario->accounts.count = 2;
  scenario->accounts.records[0].name.assign("Caf\xE9 \x80");
  scenario->accounts.records[1].name.assign("A\x81");
  scenario->accounts.records[1].name.bytes[5] = 'z';  // after the terminating NUL
  const Json json = ScenarioToJson(*scenario);
  EXPECT_EQ(json["accounts"][0]["name"], "Caf\u00e9 \u20ac");
  EXPECT_EQ(json["accounts"][1]["name"]["hex"], "41810000007a");
  const auto back = ThroughJsonText(*scenario);
  EXPECT_EQ(back->accounts.records[0].name, scenario->accounts.records[0].name);
  EXPECT_EQ(back->accounts.records[1].name, scenario->accounts.records[1].name);
}

TEST(ScenarioJson, LeftOutFieldsTakeTheNewScenarioDefaults) {
  auto scenario = std::make_unique<Scenario>();
  ASSERT_TRUE(Load("{}", *scenario).ok);
  EXPECT_EQ(model::EncodeScenario(*scenario), model::EncodeScenario(*NewScenario()));
}

TEST(ScenarioJson, ListedRecordsGetPositionalIdsSlotsAndNumbers) {
  auto scenario = std::make_unique<Scenario>();
  const JsonLoad load = Load(R"({"accounts": [{"name": "A"}, {"name": "B"}],
                                 "events": [{"kind": "Deposit"}, {"kind": "Withdrawal"}]})",
                             *scenario);
  ASSERT_TRUE(load.ok) << load.error;
  EXPECT_EQ(scenario->accounts.count, 2);
  EXPECT_EQ(scenario->accounts.records[1].id, 1);
  EXPECT_EQ(scenario->accounts.records[1].slot, 1);
  EXPECT_EQ(scenario->accounts.next_id, 2u);
  EXPECT_EQ(scenario->initial.event_count, 2);
  EXPECT_EQ(scenario->events[0].number, 1);
  EXPECT_EQ(scenario->events[1].number, 2);
  EXPECT_EQ(scenario->events[2].kind, model::EventKind::Empty);
}

TEST(ScenarioJson, AccountNamesStandForTheirIds) {
  auto scenario = std::make_unique<Scenario>();
  const JsonLoad load = Load(R"({"accounts": [{"name": "Checking"}, {"name": "401k", "id": 9}],
      "events": [{"kind": "Transfer", "from_account": "401k", "to_account": "Checking"},
                 {"kind": "Mortgage", "payment_account": "Checking", "equity_account": null}],
      "budgets": [{"account": "401k"}]})",
                             *scenario);
  ASSERT_TRUE(load.ok) << load.error;
  EXPECT_EQ(scenario->events[0].word_22, 9);
  EXPECT_EQ(scenario->events[0].account_24, 0);
  EXPECT_EQ(scenario->events[1].word_158, 0);
  EXPECT_EQ(scenario->events[1].equity_account, model::kNoAccount);
  EXPECT_EQ(scenario->budgets[0].account, 9);
}

TEST(ScenarioJson, AccountCarriesItsSlotSettings) {
  auto scenario = std::make_unique<Scenario>();
  const JsonLoad load = Load(R"({"accounts": [{"name": "A"},
      {"name": "IRA", "slot": 4, "rmd_table": 10, "penalty_age": 59.5,
       "allocation_percent": [60, 40]}]})",
                             *scenario);
  ASSERT_TRUE(load.ok) << load.error;
  EXPECT_EQ(scenario->settings.rmd_table[4], 10);
  EXPECT_EQ(scenario->settings.penalty_age[4], 59.5f);
  EXPECT_EQ(scenario->allocation.percent[1][4], 40.0f);
  const Json json = ScenarioToJson(*scenario);
  EXPECT_EQ(json["accounts"][1]["rmd_table"], 10);
  EXPECT_FALSE(json.contains("settings"));
}

TEST(ScenarioJson, KindNamesTheSharedEventFields) {
  auto scenario = std::make_unique<Scenario>();
  const JsonLoad load = Load(R"({"events": [
      {"kind": "Mortgage", "property_taxes": 4800, "down_payment": 80000, "years": 30},
      {"kind": "Loan", "word_26": 64536, "monthly_purchases": 250},
      {"kind": "Transfer", "marker": 72, "beneficiary_age": 58, "method": 1}]})",
                             *scenario);
  ASSERT_TRUE(load.ok) << load.error;
  EXPECT_EQ(scenario->events[0].value_134, 4800.0f);
  EXPECT_EQ(scenario->events[0].value_32, 80000.0f);
  EXPECT_EQ(scenario->events[0].word_44, 30);
  EXPECT_EQ(scenario->events[1].value_134, 250.0f);
  EXPECT_EQ(scenario->events[2].value_10, 58.0f);
  EXPECT_EQ(scenario->events[2].word_26, 1);
  const Json json = ScenarioToJson(*scenario);
  EXPECT_EQ(json["events"][0]["property_taxes"], 4800);
  EXPECT_EQ(json["events"][1]["monthly_purchases"], 250);
}

TEST(ScenarioJson, BadValuesNameTheirPath) {
  EXPECT_EQ(LoadError(R"({"events": [{}, {}, {}, {"kind": "Depost"}]})"),
            "events[3].kind: unknown event kind \"Depost\"");
  EXPECT_EQ(LoadError(R"({"initial": {"start_age": "45"}})"),
            "initial.start_age: expected a number, \"nan\", \"inf\" or \"-inf\", not \"45\"");
  EXPECT_EQ(LoadError(R"({"accounts": [{"type": "Savings"}]})"),
            "accounts[0].type: unknown account type \"Savings\"");
  EXPECT_EQ(LoadError(R"({"initial": {"birth_month": 40000}})"),
            "initial.birth_month: expected a whole number from -32768 to 32767");
  EXPECT_EQ(LoadError(R"({"initial": {"start_agee": 45}})"),
            "initial: unknown field \"start_agee\"");
  EXPECT_EQ(LoadError(R"({"events": [{"kind": "Deposit", "account": "Nowhere"}]})"),
            "events[0].account: no account is named \"Nowhere\"");
  EXPECT_EQ(LoadError(R"({"accounts": [{"name": "A"}, {"name": "A"}],
                          "events": [{"kind": "Deposit", "account": "A"}]})"),
            "events[0].account: more than one account is named \"A\"");
  EXPECT_EQ(LoadError(R"({"accounts": [{"name": "a name far longer than thirty bytes"}]})"),
            "accounts[0].name: text longer than 29 bytes");
  EXPECT_EQ(LoadError(R"({"accounts": [{"name": "\u4e2d"}]})"),
            "accounts[0].name: character U+4E2D has no Windows-1252 byte");
  EXPECT_EQ(LoadError(R"({"events": [{"kind": "Deposit", "amount": 1, "apply_rate": 2,
                                      "value_10": 3}]})"),
            "events[0].apply_rate: given twice, also as \"value_10\"");
  EXPECT_EQ(LoadError(R"({"spare_accounts": {"50": {}}})"),
            "spare_accounts.50: expected a position from 0 to 49");
  EXPECT_EQ(LoadError(R"([1, 2])"), "a JSON scenario must be an object");
}

TEST(ScenarioJson, FailedLoadLeavesANewScenario) {
  auto scenario = PatternScenario(3, 5u);
  EXPECT_FALSE(Load(R"({"accounts": 3})", *scenario).ok);
  EXPECT_EQ(model::EncodeScenario(*scenario), model::EncodeScenario(*NewScenario()));
}

}  // namespace
}  // namespace tarvel::exchange
