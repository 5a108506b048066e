// The table builders of the report families, shared by report_builder.cpp only.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "results/report_builder.h"

namespace tarvel::results::internal {

ReportTable NetWorthTable(const ReportSource& source);
ReportTable IncomingTable(const ReportSource& source);
ReportTable OutgoingTable(const ReportSource& source);
ReportTable AccountTable(const ReportSource& source, bool percentage);
ReportTable GroupTable(const ReportSource& source, bool percentage);
ReportTable AssetByAllocationTable(const ReportSource& source);
ReportTable AccountAssetAllocationTable(const ReportSource& source);

std::optional<ReportTable> EventTable(const ReportSource& source, int event_code,
                                      ReportProblem& problem);
std::optional<ReportTable> AccountsInOutTable(const ReportSource& source, ReportProblem& problem);

// Allocation categories shown as columns: a name of 2 or more characters, not "No Allocation".
std::vector<int> ShownCategories(const model::Scenario& scenario);
// The periods a report shows: all of them, or all but the final record.
int ShownPeriods(const engine::Run& run, bool with_last);

}  // namespace tarvel::results::internal
