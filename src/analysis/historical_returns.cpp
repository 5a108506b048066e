// Reading the table of historical yearly returns.
#include "analysis/historical_returns.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>

namespace tarvel::analysis {
namespace {

constexpr std::string_view kHeader = "year,large_cap,small_cap,cash,long_bond,corp_bond,inflation";
constexpr int kFields = 7;

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.back() == '\r' || text.back() == ' ')) text.remove_suffix(1);
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  return text;
}

bool ParseNumber(std::string_view text, double& value) {
  text = Trimmed(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

// The seven fields of a row, or false.
bool ParseRow(std::string_view line, double (&fields)[kFields]) {
  for (int i = 0; i < kFields; ++i) {
    const std::size_t comma = line.find(',');
    const bool last = i == kFields - 1;
    if (last != (comma == std::string_view::npos)) return false;
    if (!ParseNumber(line.substr(0, comma), fields[i])) return false;
    if (!last) line.remove_prefix(comma + 1);
  }
  return true;
}

}  // namespace

std::optional<HistoricalReturns> ParseHistoricalReturns(std::string_view text, std::string& error) {
  HistoricalReturns table;
  int line_number = 0;
  bool header_seen = false;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = Trimmed(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++line_number;
    if (line.empty()) continue;
    if (!header_seen) {
      header_seen = true;
      if (line != kHeader) {
        error = "line 1 is not the header \"" + std::string(kHeader) + "\"";
        return std::nullopt;
      }
      continue;
    }
    double fields[kFields];
    if (!ParseRow(line, fields) || fields[0] != std::floor(fields[0])) {
      error = "line " + std::to_string(line_number) + " is not a year and six percentages";
      return std::nullopt;
    }
    HistoricalYear year;
    year.year = static_cast<int>(fields[0]);
    for (int c = 0; c < kAssetClasses; ++c) year.returns[c] = static_cast<float>(fields[c + 1]);
    year.inflation = static_cast<float>(fields[kFields - 1]);
    if (!table.years.empty() && year.year != table.years.back().year + 1) {
      error = "line " + std::to_string(line_number) + " does not follow the year before it";
      return std::nullopt;
    }
    table.years.push_back(year);
  }
  if (table.years.empty()) {
    error = "it holds no years";
    return std::nullopt;
  }
  return table;
}

std::optional<HistoricalReturns> ReadHistoricalReturns(const std::filesystem::path& path,
                                                       std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "Cannot open the historical returns " + path.string() + ".";
    return std::nullopt;
  }
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string reason;
  auto table = ParseHistoricalReturns(text, reason);
  if (!table)
    error = "The historical returns " + path.string() + " cannot be read: " + reason + ".";
  return table;
}

}  // namespace tarvel::analysis
