// The plot file read by the graph pages and the graph viewer: its header and its trailer.
// The yearly blocks between them are written by the run driver.
#pragma once

#include <cstdio>
#include <span>
#include <string_view>
#include <vector>

#include "model/records.h"
#include "platform/clock.h"

namespace tarvel::engine {

// Graph kind, group folder name, "File: ", "Date: " and "Time: " lines. Each of the last
// three shows the report header line instead when that line is printed.
void WritePlotHeader(std::FILE* file, const model::Scenario& scenario,
                     std::string_view scenario_file_name, const platform::Date& date,
                     const platform::TimeOfDay& time);

// The number of years ("%.2f"), the account count and one line per account name, for the
// accounts in the order of the balance lines.
void WritePlotAccounts(std::FILE* file, std::span<const model::Account> accounts, float years);

// Group names, each account's group index (accounts in balance-line order), the purchasing-power
// series, the 16 program colours and the line "Done".
void WritePlotTrailer(std::FILE* file, const model::Scenario& scenario,
                      std::span<const model::Account> accounts,
                      const std::vector<float>& purchasing_power);

}  // namespace tarvel::engine
