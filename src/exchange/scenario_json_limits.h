// Reading a scenario's JSON form from outside bytes with bounded memory: the size and the
// shape of the text are checked in one pass that keeps no values before anything is built
// from it, so a file of 100 MB or with a million events is refused with a clear message.
#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <span>

#include "exchange/scenario_json.h"

namespace tarvel::exchange {

// A complete scenario with every field written is far below a megabyte.
inline constexpr std::size_t kMaxScenarioJsonBytes = 8u << 20;
// No list of a scenario is longer than its 153 income and expense lists.
inline constexpr std::size_t kMaxJsonListItems = 1000;
inline constexpr std::size_t kMaxJsonDepth = 16;
inline constexpr std::size_t kMaxJsonValues = 500000;

// Parses the bytes into json after checking the limits above; the error of a refused or
// broken text says what is wrong ("holds 1000000 events; a scenario holds at most 150").
JsonLoad ParseScenarioJson(std::span<const std::uint8_t> bytes, nlohmann::ordered_json& json);

// Parses and reads the scenario in one step, refusing one that cannot be a plan (a value
// that is not a finite number, an end age not above the start age) as the scenario file's
// reader does; the error names the first such value by its JSON path.
JsonLoad ScenarioFromJsonBytes(std::span<const std::uint8_t> bytes, model::Scenario& scenario);

}  // namespace tarvel::exchange
