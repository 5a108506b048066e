// The accounts file: the account part of a scenario (account table, per-account settings,
// dividend settings, allocation categories and percentages) carried to another scenario.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/file_result.h"
#include "model/records.h"

namespace tarvel::model {

inline constexpr std::size_t kAccountsFileSize = 13008;

std::vector<std::uint8_t> EncodeAccountsFile(const Scenario& scenario);
// Replaces the account part with the bytes; blocks cut short take their defaults. False
// (scenario untouched) when the account count read lies outside 0..50.
bool DecodeAccountsFile(std::span<const std::uint8_t> bytes, Scenario& scenario);

// Save Accounts: replaces the file whole. Exists (nothing written) when the file is there
// and overwriting was not agreed; CannotWrite when the bytes did not reach the disk.
FileResult WriteAccountsFile(const std::string& path, const Scenario& scenario,
                             Overwrite overwrite);
// Read Accounts: on success the scenario is marked modified; events keep their account ids.
// CannotOpen or Invalid leave the scenario untouched.
FileResult ReadAccountsFile(const std::string& path, Scenario& scenario);

}  // namespace tarvel::model
