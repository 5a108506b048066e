// Opening a scenario file's bytes as a plan: decoded with the defaults an older, shorter file
// needs, refused when it holds values no plan can have, and told when the file ends inside a
// block. The desktop, the command line and the sibling programs open scenario files through it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/records.h"
#include "model/scenario_codec.h"

namespace tarvel::model {

// At most this many refused values are told; one more line counts the rest.
inline constexpr std::size_t kRefusalsTold = 10;

struct ScenarioOpening {
  ScenarioLoad load;
  // What no plan can hold, one line each in plain words (record text in Windows-1252);
  // a valid file with refusals is not opened.
  std::vector<std::string> refusals;

  bool usable() const { return load.valid && refusals.empty(); }
};

// Decodes the bytes into the scenario (see DecodeScenario) and checks them as a plan.
ScenarioOpening OpenScenarioBytes(std::span<const std::uint8_t> bytes, Scenario& scenario);

// The warning for a file that ends inside a block, naming what took its defaults; empty for a
// file that ends at a block boundary. "plan.ret ends inside its dividend settings; default
// values were filled in for the dividend settings, allocation categories, ..."
std::string CutShortWarning(const std::string& file, const ScenarioLoad& load);

}  // namespace tarvel::model
