// Pieces of the run driver shared by its source files; not used outside the driver.
#pragma once

#include <array>
#include <string>

#include "engine/run.h"
#include "model/records.h"

namespace tarvel::engine::internal {

inline constexpr int kLoopSeparatorWidth = 184;
inline constexpr int kSummarySeparatorWidth = 185;
inline constexpr int kFinalSeparatorWidth = 175;

enum class Preparation { kGoOn, kAbandoned, kFinished };

// Keeps a problem for the caller to show.
// A file that could not be opened or written, with its path and the system's reason.
void ReportFileProblem(Run& run, RunProblemKind kind, std::string file, const FileHandle& handle);
// Closes every file of the run, reporting each one that could not be written whole.
void CloseRunFiles(Run& run);
// Closes one file, reporting it when it could not be written whole.
void CloseRunFile(Run& run, FileHandle& file);
// By position: whether some active Mortgage names the account's id as its equity account.
std::array<bool, model::kMaxAccounts> MortgageEquityAccounts(const RunState& state);

// Preparation steps up to the opening of the run files.
Preparation PrepareRun(const model::Scenario& scenario, Run& run);

// The age a row or period line shows: the fractional start age in the first shown year
// of a birthday scenario, else the current age.
float ShownAge(const model::Scenario& scenario, const Run& run);
// The export line, the plot balance lines, the balance row and columns 0 to 6 of the
// current year index. The final record's plot line carries the equity adjustment.
void WriteYearStart(const model::Scenario& scenario, Run& run, bool final_record);
// The summary row of the current age with its category series entry.
void WriteSummaryRow(const model::Scenario& scenario, Run& run);
// Net worth in dollars of the start age; stored at the year index, and its row.
void WritePurchasingPower(const model::Scenario& scenario, Run& run);
void EmitSeparator(Run& run, int width);
// The purchasing power of the years whose rows a text-free run left for the end of the run.
void DeflateDeferredPurchasingPower(Run& run);

}  // namespace tarvel::engine::internal
