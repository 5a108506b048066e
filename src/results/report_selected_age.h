// The pages of "Print Selected Age": for one whole age, the accounts grouped by type with the
// money that entered them, then the same for the money that left them, in one page series.
#pragma once

#include "results/report_builder.h"

namespace tarvel::results {

// The incoming section ("Accounts by Type\tIncoming") then the outgoing section.
std::optional<ReportTable> SelectedAgeTable(const ReportSource& source, int age, bool incoming,
                                            ReportProblem& problem);

// Both sections as print pages, the outgoing one numbered on from the incoming one.
ReportPages WriteSelectedAgePages(const ReportSource& source, int age, PageOptions options);

}  // namespace tarvel::results
