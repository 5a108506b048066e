// The readable JSON form of a scenario: every field of every record, compact (fields at their
// defaults are left out) and exact (JSON -> scenario -> JSON and back lose no byte).
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "model/records.h"

namespace tarvel::exchange {

// The scenario as JSON. Accounts and events within their counts are lists; records beyond the
// counts, reserved bytes and run-time fields appear only where they differ from a new
// scenario, so nothing the scenario holds is lost.
nlohmann::ordered_json ScenarioToJson(const model::Scenario& scenario);

struct JsonLoad {
  bool ok = false;
  std::string error;  // names the JSON path: "events[3].kind: unknown event kind \"Depost\""
};

// Replaces the scenario with the JSON's content. Fields the JSON leaves out take the values
// of a new scenario (cleared, with the new-scenario defaults; dividends fully taxable and
// deposited to no account); account ids and settings slots
// default to the account's position, event numbers to the event's position + 1 and the next
// account id to the account count. Events may name accounts instead of giving their ids. On
// failure the scenario is left holding those defaults.
JsonLoad ScenarioFromJson(const nlohmann::ordered_json& json, model::Scenario& scenario);

}  // namespace tarvel::exchange
