// The yearly historical returns the historical sources draw on: one row per calendar year with
// the total returns of five asset classes and the year's inflation, all in percent.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvel::analysis {

inline constexpr char kHistoricalReturnsFile[] = "us-annual-returns.csv";

// The asset classes of the data, in column order.
enum class AssetClass { LargeCap = 0, SmallCap, Cash, LongBond, CorporateBond };
inline constexpr int kAssetClasses = 5;

struct HistoricalYear {
  int year = 0;
  float returns[kAssetClasses] = {};  // by AssetClass, percent
  float inflation = 0;                // percent
};

struct HistoricalReturns {
  std::vector<HistoricalYear> years;  // consecutive calendar years, oldest first

  int first_year() const { return years.empty() ? 0 : years.front().year; }
  int count() const { return static_cast<int>(years.size()); }
};

// Reads the CSV text "year,large_cap,small_cap,cash,long_bond,corp_bond,inflation" and one row
// per year. Nothing, with the reason in error, when a row is malformed or the years are not
// consecutive.
std::optional<HistoricalReturns> ParseHistoricalReturns(std::string_view text, std::string& error);

// Reads the file at path; the error names the file.
std::optional<HistoricalReturns> ReadHistoricalReturns(const std::filesystem::path& path,
                                                       std::string& error);

}  // namespace tarvel::analysis
