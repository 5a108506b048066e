// The scenario file's bytes: the blocks in their fixed order, with defaults for the blocks
// an older, shorter file lacks.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "model/records.h"

namespace tarvel::model {

// Size of a complete file holding event_count events.
std::size_t CompleteScenarioSize(int event_count);

// Every block, whole, in file order.
std::vector<std::uint8_t> EncodeScenario(const Scenario& scenario);

struct ScenarioLoad {
  bool valid = false;          // false: block 1, an event record or block 3 was short
  bool colours_read = false;   // block 16 was complete (valid or not)
  bool colours_valid = false;  // ... and no two neighbouring colours were equal
  bool window_read = false;    // block 10 was complete
  bool budgets_read = false;   // block 11 was complete
  // The block (4..17, numbered in file order) the file ends inside, whose missing part and
  // later blocks took their defaults; 0 when the file ends at a block boundary, as the
  // shorter files of earlier versions do.
  int cut_block = 0;
};

// Replaces the scenario with the bytes' content: clears it, reads the blocks, gives the
// missing ones their defaults and makes the data repairs a load makes (event numbers,
// settings slots, group bounds, colours). A short colours block keeps the colours the
// scenario held before the call (the caller puts the program colours there), with colour 16
// set to the scroll-bar colour. An invalid file (also: an event count outside 0..150) leaves
// a cleared scenario with an event count of 0. Never reads past the bytes.
ScenarioLoad DecodeScenario(std::span<const std::uint8_t> bytes, Scenario& scenario);

}  // namespace tarvel::model
