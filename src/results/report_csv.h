// A report table as comma-separated values: the titles, then one line per row, every text
// trimmed of its padding and quoted when it holds a comma or a quote.
#pragma once

#include <filesystem>
#include <string>

#include "results/report_table.h"

namespace tarvel::results {

std::string ReportCsv(const ReportTable& table);
// False when the file cannot be written.
bool WriteReportCsv(const ReportTable& table, const std::filesystem::path& path);

}  // namespace tarvel::results
