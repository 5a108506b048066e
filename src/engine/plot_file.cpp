// The plot file read by the graph pages and the graph viewer: its header and its trailer.
#include "engine/plot_file.h"

#include <algorithm>
#include <array>
#include <string>

#include "engine/run_files.h"
#include "model/fixed_format.h"
#include "model/record_counts.h"

namespace tarvel::engine {
namespace {

constexpr int kPlotGraphKind = 1;
constexpr std::array<const char*, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// The report header line when it is printed, else the given text.
std::string HeaderOr(const model::Scenario& scenario, int line, std::string text) {
  if (scenario.report_headers.print[line] != 0) {
    return scenario.report_headers.lines[line].str();
  }
  return text;
}

std::string DateText(const platform::Date& date) {
  const int month = std::clamp(date.month, 1, 12);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%s %d, %d", kMonthNames[month - 1], date.day, date.year);
  return buffer;
}

std::string TimeText(const platform::TimeOfDay& time) {
  const int hour12 = time.hour % 12 == 0 ? 12 : time.hour % 12;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%d:%02d:%02d %s ", hour12, time.minute, time.second,
                time.hour < 12 ? "AM" : "PM");
  return buffer;
}

}  // namespace

void WritePlotHeader(std::FILE* file, const model::Scenario& scenario,
                     std::string_view scenario_file_name, const platform::Date& date,
                     const platform::TimeOfDay& time) {
  const std::string folder = scenario.groups.folder_name.str();
  if (folder.size() < 3) {
    std::fprintf(file, "%d Groups\n", kPlotGraphKind);
  } else {
    std::fprintf(file, "%d %s\n", kPlotGraphKind, folder.c_str());
  }
  const std::string name = HeaderOr(scenario, 0, std::string(scenario_file_name));
  std::fprintf(file, "File: %s\n", name.c_str());
  std::fprintf(file, "Date: %s\n", HeaderOr(scenario, 1, DateText(date)).c_str());
  std::fprintf(file, "Time: %s\n", HeaderOr(scenario, 2, TimeText(time)).c_str());
}

void WritePlotAccounts(std::FILE* file, std::span<const model::Account> accounts, float years) {
  std::fprintf(file, "%.2f\n", years);
  std::fprintf(file, "%d\n", static_cast<int>(accounts.size()));
  for (const model::Account& account : accounts) {
    std::fprintf(file, "%s\n", account.name.str().c_str());
  }
}

void WritePlotTrailer(std::FILE* file, const model::Scenario& scenario,
                      std::span<const model::Account> accounts,
                      const std::vector<float>& purchasing_power) {
  for (const auto& name : scenario.groups.names) std::fprintf(file, "%s\n", name.str().c_str());
  for (const model::Account& account : accounts) {
    std::fprintf(file, "%d\n", static_cast<int>(account.group));
  }
  for (float value : purchasing_power) WriteFixed(file, value, model::kSixPlaces, '\n');
  for (std::uint32_t colour : scenario.colours.colours) {
    std::fprintf(file, "%lx\n", static_cast<unsigned long>(colour));
  }
  std::fprintf(file, "Done\n");
}

}  // namespace tarvel::engine
