// Builds the table of any report of the catalogue from the last run: its period results and
// balances, the scenario's names, and the run files in the working directory.
#pragma once

#include <filesystem>
#include <optional>

#include "engine/run.h"
#include "model/records.h"
#include "results/report_catalogue.h"
#include "results/report_pages.h"
#include "results/report_table.h"

namespace tarvel::results {

struct ReportSource {
  const model::Scenario& scenario;
  const engine::Run& run;
  std::filesystem::path workdir;  // where the run files are and the page files go
};

// Nothing, with the problem filled in, when a run file the report reads is missing.
std::optional<ReportTable> BuildReportTable(ReportKind kind, const ReportSource& source,
                                            ReportProblem& problem);

// Builds the report and writes its page files for the screen or the printer.
struct ReportPages {
  int pages = 0;  // 0 when nothing could be written
  ReportProblem problem;
};
ReportPages WriteReportPages(ReportKind kind, const ReportSource& source, PageOptions options);

}  // namespace tarvel::results
