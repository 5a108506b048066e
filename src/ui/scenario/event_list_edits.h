// What the Scenario folder does to the event table: copying an event to the end, removing a
// copy again, deleting an event with what hangs on it, and inactivating or activating it.
#pragma once

#include <cstdint>

#include "model/records.h"

namespace tarvel::ui {

// Appends a duplicate of the event at slot, carrying the number of the slot it lands in (so
// numbers stay distinct), and counts it. Returns that number. The caller checks for room.
std::uint16_t AppendEventCopy(model::Scenario& scenario, int slot);

// Removes the event with this number, wherever runs have moved it; false when there is none.
bool RemoveEventNumbered(model::Scenario& scenario, std::uint16_t number);

// What a deletion changed besides the event table.
struct DeletionEffects {
  bool deleted = false;
  bool budget_deactivated = false;       // a budget withdrawal turned its budget off
  bool allocation_option_freed = false;  // the allocation options can be chosen again
};

// Deletes the event at slot. The minimum-distribution entry stays; a budget withdrawal turns
// its budget off; the allocation options event clears the allocation method; a mortgage
// takes the equity loans on its property with it (and no other loan).
DeletionEffects DeleteEventWithCascade(model::Scenario& scenario, int slot);

// Inactivates an active event (start age + 1000) or activates an inactive one; a start age of
// exactly 1000 counts as active.
void ToggleEventActive(model::Scenario& scenario, int slot);

}  // namespace tarvel::ui
