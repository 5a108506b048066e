// The plot file a run writes (and the graph files saved from it), read back by the graph
// viewer and the scenario comparer: header, accounts, one block per shown year, trailer.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "graphs/chart_data.h"
#include "model/records.h"
#include "siblings/load_result.h"

namespace tarvel::siblings {

struct PlotFile {
  std::string path;
  std::string kind_line;  // "1 Groups" or the kind and group folder name
  std::string file_line;  // "File: ..." or the first report header line
  std::string date_line;
  std::string time_line;
  float years = 0;
  std::vector<std::string> account_names;
  std::vector<graphs::PeriodRecord> periods;    // one per shown year, the final record included
  std::vector<graphs::BalanceRecord> balances;  // start-of-year balances by account position
  std::vector<std::string> group_names;         // the 10 group names
  std::vector<std::uint16_t> account_groups;    // group index by account position
  std::vector<float> purchasing_power;          // by year index
  std::array<std::uint32_t, model::kColourCount> colours = model::kDefaultColours;

  // The scenario file named on the "File: " line (the line itself when it is a header).
  std::string ScenarioName() const;
  float StartAge() const { return periods.empty() ? 0 : periods.front()[0]; }
  float EndAge() const { return periods.empty() ? 0 : periods.back()[0]; }
};

using PlotFileLoad = LoadResult<PlotFile>;

// Reads a plot file or graph file. A missing, empty or cut-off file (no "Done" line), a block
// that is not numbers or a file without any year gives a message naming the file and line.
PlotFileLoad ReadPlotFile(const std::string& path);
PlotFileLoad ParsePlotText(const std::vector<std::string>& lines, const std::string& path);

}  // namespace tarvel::siblings
