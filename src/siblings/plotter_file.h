// "plotter.dat", the amortisation schedule the loan editor and the mortgage calculator hand
// to the schedule plotter: print flags, the 16 program colours, titles, the loan's details
// and one line per completed year.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/records.h"
#include "siblings/load_result.h"

namespace tarvel::siblings {

struct ScheduleYear {
  int year = 0;
  double principal = 0;
  double interest = 0;
  double total_interest = 0;
  double balance = 0;
};

struct PlotterFile {
  bool banner = false;
  bool logo = false;
  bool watermark = false;
  bool plot = false;  // draw the balance graph beside the table
  std::array<std::uint32_t, model::kColourCount> colours = model::kDefaultColours;
  std::array<std::string, 3> titles;   // program title, schedule title, "DATE"
  std::array<std::string, 4> details;  // amount, rate, payment, term
  std::vector<std::string> columns;    // the column header's names
  std::vector<ScheduleYear> years;
};

using PlotterLoad = LoadResult<PlotterFile>;

PlotterLoad ReadPlotterFile(const std::string& path);
PlotterLoad ParsePlotterText(const std::vector<std::string>& lines, const std::string& path);

}  // namespace tarvel::siblings
