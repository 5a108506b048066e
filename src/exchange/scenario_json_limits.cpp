// Checks the size and shape of a scenario's JSON text before it is parsed into values.
#include "exchange/scenario_json_limits.h"

#include <string>
#include <vector>

#include "exchange/json_plan_paths.h"
#include "exchange/scenario_baseline.h"
#include "model/money_format.h"
#include "model/record_counts.h"

namespace tarvel::exchange {
namespace {

using json = nlohmann::ordered_json;

// Counts values, depth and list lengths as the parser meets them and stops at the first
// limit passed. Only one counter per open list or object is kept.
class ShapeCheck : public nlohmann::json_sax<json> {
 public:
  std::string problem;

  bool null() override { return Value(); }
  bool boolean(bool) override { return Value(); }
  bool number_integer(number_integer_t) override { return Value(); }
  bool number_unsigned(number_unsigned_t) override { return Value(); }
  bool number_float(number_float_t, const string_t&) override { return Value(); }
  bool string(string_t&) override { return Value(); }
  bool binary(binary_t&) override { return Value(); }
  bool start_object(std::size_t) override { return Enter(false); }
  bool end_object() override { return Close(); }
  bool start_array(std::size_t) override { return Enter(true); }
  bool end_array() override { return Close(); }
  bool key(string_t& name) override {
    if (!open_.empty()) open_.back().key = name.substr(0, 40);
    return true;
  }
  bool parse_error(std::size_t, const std::string&,
                   const nlohmann::detail::exception& error) override {
    const std::string text = error.what();
    const auto end = text.find("] ");
    problem = "not valid JSON: " + (end == std::string::npos ? text : text.substr(end + 2));
    return false;
  }

 private:
  struct Level {
    bool list = false;
    std::size_t items = 0;
    std::string key;  // the key of the value being read, in an object
  };

  // The name of the list now open: the key its parent gave it.
  std::string ListName() const {
    if (open_.size() < 2) return "the top-level list";
    const std::string& key = open_[open_.size() - 2].key;
    return key.empty() ? std::string("a list") : "\"" + key + "\"";
  }

  bool Value() {
    if (++values_ > kMaxJsonValues) {
      problem =
          model::Format("holds more than %zu values; a scenario holds far fewer.", kMaxJsonValues);
      return false;
    }
    if (open_.empty() || !open_.back().list) return true;
    const std::size_t items = ++open_.back().items;
    // The events are the list under the top-level key "events".
    if (open_.size() == 2 && open_[0].key == "events" &&
        items > static_cast<std::size_t>(model::kMaxEvents)) {
      problem = model::Format("holds more than %d events; a scenario holds at most %d.",
                              model::kMaxEvents, model::kMaxEvents);
      return false;
    }
    if (items > kMaxJsonListItems) {
      problem = model::Format("%s holds more than %zu items; no list of a scenario is that long.",
                              ListName().c_str(), kMaxJsonListItems);
      return false;
    }
    return true;
  }

  bool Enter(bool list) {
    if (!Value()) return false;
    if (open_.size() >= kMaxJsonDepth) {
      problem =
          model::Format("is nested more than %zu levels deep; a scenario is not.", kMaxJsonDepth);
      return false;
    }
    open_.push_back({list, 0, {}});
    return true;
  }

  bool Close() {
    open_.pop_back();
    return true;
  }

  std::vector<Level> open_;
  std::size_t values_ = 0;
};

}  // namespace

JsonLoad ParseScenarioJson(std::span<const std::uint8_t> bytes, json& out) {
  if (bytes.size() > kMaxScenarioJsonBytes) {
    return {false, model::Format("is larger than %zu MB; a scenario's JSON form is far smaller.",
                                 kMaxScenarioJsonBytes >> 20)};
  }
  ShapeCheck check;
  if (!json::sax_parse(bytes.begin(), bytes.end(), &check)) return {false, check.problem};
  try {
    out = json::parse(bytes.begin(), bytes.end());
  } catch (const json::exception& error) {
    return {false, std::string("not valid JSON: ") + error.what()};
  }
  return {true, {}};
}

JsonLoad ScenarioFromJsonBytes(std::span<const std::uint8_t> bytes, model::Scenario& scenario) {
  json parsed;
  JsonLoad load = ParseScenarioJson(bytes, parsed);
  if (!load.ok) return load;
  load = ScenarioFromJson(parsed, scenario);
  if (!load.ok) return load;
  load.error = FirstPlanProblem(scenario);
  load.ok = load.error.empty();
  if (!load.ok) scenario = *json_internal::MakeBaseline(0, 0);
  return load;
}

}  // namespace tarvel::exchange
