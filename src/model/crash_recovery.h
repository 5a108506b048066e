// Crash recovery: while the scenario has unsaved edits the planner keeps a copy of it in the
// working directory ("recovery.ret", with the scenario's names in "recovery.txt"). A save or
// a clean exit removes the copy; a copy still there at the next start, newer than its
// scenario file, is what a crash left behind and is offered back.
#pragma once

#include <ctime>
#include <optional>
#include <string>

#include "model/program.h"
#include "model/records.h"

namespace tarvel::model {

inline constexpr char kRecoveryFileName[] = "recovery.ret";
inline constexpr char kRecoveryNoteName[] = "recovery.txt";

// Writes the copy and its note through the durable writer; false when it could not be made.
bool WriteRecoveryFile(const Program& program, const Scenario& scenario);
void RemoveRecoveryFile(const std::string& folder);

struct RecoveryOffer {
  std::string open_name;  // the scenario the unsaved edits belong to
  std::string save_name;
  std::time_t written = 0;  // when the copy was made
};

// The copy left in the working directory when it is newer than its scenario file (or the
// scenario file is gone); nothing otherwise.
std::optional<RecoveryOffer> FindRecovery(const std::string& folder);
// Replaces the scenario with the copy, under the names it had, marked modified. False
// (scenario and names unchanged) when the copy cannot be read.
bool TakeRecovery(const RecoveryOffer& offer, Program& program, Scenario& scenario);
// Keeps a refused copy aside as "recovery-YYYYMMDD-HHMMSS.ret" (and ".txt"), named by the
// time it was written, so that the next start does not offer it again.
bool SetRecoveryAside(const std::string& folder, const RecoveryOffer& offer);

}  // namespace tarvel::model
