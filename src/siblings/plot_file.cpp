// Parses the plot file front to back: the header and account names, then year blocks while
// the lines are numbers of the block's shape, then the trailer counted back from "Done".
#include "siblings/plot_file.h"

#include <cmath>
#include <cstdlib>

#include "siblings/text_lines.h"

namespace tarvel::siblings {
namespace {

constexpr int kHeaderLines = 4;
constexpr int kGroupCount = 10;
constexpr int kMostAccounts = model::kMaxAccounts;

std::string AtLine(std::size_t index, const std::string& why) {
  return "line " + std::to_string(index + 1) + " " + why;
}

// A year block starting at index: one balance per account, then the 20 period values.
bool ReadBlock(const std::vector<std::string>& lines, std::size_t index, int accounts,
               PlotFile& plot) {
  if (index + static_cast<std::size_t>(accounts) >= lines.size()) return false;
  graphs::BalanceRecord balances{};
  for (int account = 0; account < accounts; ++account) {
    const auto value = NumberOf(lines[index + static_cast<std::size_t>(account)]);
    if (!value) return false;
    balances[static_cast<std::size_t>(account)] = static_cast<float>(*value);
  }
  const auto values = NumbersOf(lines[index + static_cast<std::size_t>(accounts)]);
  if (!values || values->size() != graphs::kPeriodColumns) return false;
  graphs::PeriodRecord period{};
  for (int column = 0; column < graphs::kPeriodColumns; ++column) {
    period[static_cast<std::size_t>(column)] = static_cast<float>((*values)[column]);
  }
  plot.balances.push_back(balances);
  plot.periods.push_back(period);
  return true;
}

std::string ReadTrailer(const std::vector<std::string>& lines, std::size_t index, std::size_t done,
                        int accounts, PlotFile& plot) {
  const std::size_t colours_start = done - model::kColourCount;
  const std::size_t fixed = kGroupCount + static_cast<std::size_t>(accounts);
  if (done < model::kColourCount || colours_start < index + fixed) {
    return AtLine(index, "starts a trailer that is too short");
  }
  for (int group = 0; group < kGroupCount; ++group) plot.group_names.push_back(lines[index++]);
  for (int account = 0; account < accounts; ++account, ++index) {
    const auto group = NumberOf(lines[index]);
    if (!group || *group < 0 || *group >= kGroupCount) return AtLine(index, "is not a group index");
    plot.account_groups.push_back(static_cast<std::uint16_t>(*group));
  }
  for (; index < colours_start; ++index) {
    const auto value = NumberOf(lines[index]);
    if (!value) return AtLine(index, "is not a purchasing-power value");
    plot.purchasing_power.push_back(static_cast<float>(*value));
  }
  for (int entry = 0; entry < model::kColourCount; ++entry, ++index) {
    char* end = nullptr;
    const unsigned long colour = std::strtoul(lines[index].c_str(), &end, 16);
    if (lines[index].empty() || *end != '\0') return AtLine(index, "is not a colour");
    plot.colours[static_cast<std::size_t>(entry)] = static_cast<std::uint32_t>(colour);
  }
  return {};
}

// The index of the last "Done" line, or the line count when there is none.
std::size_t FindDone(const std::vector<std::string>& lines) {
  for (std::size_t index = lines.size(); index > 0; --index) {
    if (lines[index - 1].rfind("Done", 0) == 0) return index - 1;
    if (!lines[index - 1].empty()) break;
  }
  return lines.size();
}

}  // namespace

std::string PlotFile::ScenarioName() const {
  constexpr std::string_view kPrefix = "File: ";
  if (file_line.rfind(kPrefix, 0) == 0) return file_line.substr(kPrefix.size());
  return file_line;
}

PlotFileLoad ParsePlotText(const std::vector<std::string>& lines, const std::string& path) {
  const auto damaged = [&](const std::string& why) {
    return PlotFileLoad::Failed(DamagedMessage(path, why));
  };
  if (lines.empty()) return damaged("it is empty");
  const std::size_t done = FindDone(lines);
  if (done == lines.size()) return damaged("it ends before its \"Done\" line");
  if (lines.size() < kHeaderLines + 2) return damaged("its header is cut short");
  PlotFile plot;
  plot.path = path;
  plot.kind_line = lines[0];
  plot.file_line = lines[1];
  plot.date_line = lines[2];
  plot.time_line = lines[3];
  const auto years = NumberOf(lines[4]);
  if (!years) return damaged(AtLine(4, "is not the number of years"));
  plot.years = static_cast<float>(*years);
  const auto accounts = NumberOf(lines[5]);
  if (!accounts || *accounts < 0 || *accounts > kMostAccounts ||
      *accounts != std::floor(*accounts)) {
    return damaged(AtLine(5, "is not an account count from 0 to 50"));
  }
  const int account_count = static_cast<int>(*accounts);
  std::size_t index = kHeaderLines + 2;
  if (index + static_cast<std::size_t>(account_count) > done) {
    return damaged("its account names are cut short");
  }
  for (int account = 0; account < account_count; ++account) {
    plot.account_names.push_back(lines[index++]);
  }
  while (index < done && ReadBlock(lines, index, account_count, plot)) {
    index += static_cast<std::size_t>(account_count) + 1;
  }
  if (plot.periods.empty()) return damaged(AtLine(index, "should start the first year"));
  const std::string trailer = ReadTrailer(lines, index, done, account_count, plot);
  if (!trailer.empty()) return damaged(trailer);
  return {std::move(plot), {}};
}

PlotFileLoad ReadPlotFile(const std::string& path) {
  const auto lines = ReadLines(path);
  if (!lines) return PlotFileLoad::Failed(CannotOpenMessage(path));
  return ParsePlotText(*lines, path);
}

}  // namespace tarvel::siblings
