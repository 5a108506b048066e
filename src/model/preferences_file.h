// The preferences file "prefinf.dat": the 152-byte window and page setup block, read at
// start-up for the window position, size and preference values, written at exit.
#pragma once

#include <string>

#include "model/program.h"
#include "model/records.h"

namespace tarvel::model {

inline constexpr char kPreferencesFileName[] = "prefinf.dat";

// Resets the start-up preferences, then takes the window geometry and the values at
// offsets 8..24 from the file when it can be read. Left or top outside 0..300 becomes 0.
// Ends with the toolbar and colour banding switched on. False when there was no file.
bool ReadPreferences(const std::string& folder, Program& program, Scenario& scenario);
// The scenario's window block with the current geometry and preference values.
WindowSetup PreferencesBlock(const Program& program, const Scenario& scenario);
bool WritePreferences(const std::string& folder, const Program& program, const Scenario& scenario);

}  // namespace tarvel::model
