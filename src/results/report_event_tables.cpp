// Reports over the run files: the incoming and outgoing event reports from the event file,
// and the accounts' incoming and outgoing amounts from the account files.
#include <algorithm>
#include <map>

#include "model/money_format.h"
#include "model/whole_age.h"
#include "model/working_file_names.h"
#include "results/report_builders_internal.h"
#include "results/report_run_files.h"

namespace tarvel::results::internal {
namespace {

constexpr int kEventFirstCount = 6;
constexpr int kInOutFirstCount = 6;
constexpr std::size_t kMostEventColumns = 50;
constexpr char kNoAmount[] = "0.00";

// Index of a name in the list, added at its end when new; npos once the list is full.
std::size_t ColumnOf(std::vector<std::string>& names, const std::string& name,
                     std::size_t capacity) {
  const auto found = std::find(names.begin(), names.end(), name);
  if (found != names.end()) return static_cast<std::size_t>(found - names.begin());
  if (names.size() >= capacity) return std::string::npos;
  names.push_back(name);
  return names.size() - 1;
}

// Amounts summed per row key and column; a cell with no amount shows "0.00".
class AmountGrid {
 public:
  void Add(std::size_t row, std::size_t column, double amount) { sums_[{row, column}] += amount; }
  bool Has(std::size_t row, std::size_t column) const { return sums_.contains({row, column}); }
  double Sum(std::size_t row, std::size_t column) const {
    const auto found = sums_.find({row, column});
    return found == sums_.end() ? 0.0 : found->second;
  }
  std::string Cell(std::size_t row, std::size_t column) const {
    return Has(row, column) ? AmountCell(Sum(row, column)) : std::string(kNoAmount);
  }

 private:
  std::map<std::pair<std::size_t, std::size_t>, double> sums_;
};

// The row of an age among the rows so far, added in order of first appearance.
std::size_t RowOf(std::vector<std::string>& labels, const std::string& label) {
  return ColumnOf(labels, label, std::string::npos);
}

void AddFlows(const std::vector<AccountAmount>& records, const std::vector<std::string>& names,
              const std::vector<float>& ages, int side, AmountGrid& grid) {
  for (const AccountAmount& record : records) {
    const auto column = std::find(names.begin(), names.end(), record.account);
    const auto age =
        std::find(ages.begin(), ages.end(), static_cast<float>(model::WholeAge(record.age)));
    if (column == names.end() || age == ages.end()) continue;
    const auto row = static_cast<std::size_t>(age - ages.begin()) * 2 + side;
    grid.Add(row, static_cast<std::size_t>(column - names.begin()), record.amount);
  }
}

}  // namespace

std::optional<ReportTable> EventTable(const ReportSource& source, int event_code,
                                      ReportProblem& problem) {
  const auto records = ReadEventFile(source.workdir / model::kEventRunFileName);
  if (!records) {
    problem.text = std::string("Cannot open ") + model::kEventRunFileName;
    return std::nullopt;
  }
  std::vector<std::string> names;
  std::vector<std::string> ages;
  AmountGrid grid;
  for (const EventAmount& record : *records) {
    if (record.code != event_code || !(record.amount > 0)) continue;
    const std::size_t column = ColumnOf(names, record.name, kMostEventColumns);
    if (column == std::string::npos) continue;
    grid.Add(RowOf(ages, AgeLabel(record.age)), column, record.amount);
  }
  ReportTable table;
  table.first_line_count = kEventFirstCount;
  table.end_marker = kRunFileEndMarker;
  table.column_blocks = true;
  for (const std::string& name : names) table.titles.push_back(model::Format("%15s", name.c_str()));
  for (std::size_t row = 0; row < ages.size(); ++row) {
    ReportRow line{ages[row], {}};
    for (std::size_t column = 0; column < names.size(); ++column) {
      line.cells.push_back(grid.Cell(row, column));
    }
    table.rows.push_back(std::move(line));
  }
  return table;
}

std::optional<ReportTable> AccountsInOutTable(const ReportSource& source, ReportProblem& problem) {
  const auto flows = ReadAccountFlows(source.workdir / model::kIncomingRunFileName,
                                      source.workdir / model::kOutgoingRunFileName);
  if (!flows) {
    problem.text = std::string("Cannot open ") + model::kIncomingRunFileName;
    return std::nullopt;
  }
  std::vector<float> ages;
  std::vector<std::string> labels;
  for (int period = 0; period < ShownPeriods(source.run, false); ++period) {
    const float age = source.run.periods[static_cast<std::size_t>(period)][0];
    ages.push_back(static_cast<float>(model::WholeAge(age)));
    labels.push_back(AgeLabel(age));
  }
  AmountGrid grid;
  AddFlows(flows->incoming, flows->account_names, ages, 0, grid);
  AddFlows(flows->outgoing, flows->account_names, ages, 1, grid);

  ReportTable table;
  table.first_line_count = kInOutFirstCount;
  table.end_marker = kRunFileEndMarker;
  table.column_blocks = true;
  table.titles = flows->account_names;
  table.titles.push_back("Total");
  const std::size_t accounts = flows->account_names.size();
  for (std::size_t row = 0; row < ages.size() * 2; ++row) {
    ReportRow line{labels[row / 2] + (row % 2 == 0 ? "-I" : "-O"), {}};
    double total = 0;
    for (std::size_t column = 0; column < accounts; ++column) {
      line.cells.push_back(grid.Cell(row, column));
      total += grid.Sum(row, column);
    }
    line.cells.push_back(AmountCell(total));
    table.rows.push_back(std::move(line));
  }
  return table;
}

}  // namespace tarvel::results::internal
