// A report as a table of text before it is cut into page files: the column titles, one row
// per period (or per account) with its cells already printed, and how its pages are counted.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvel::results {

inline constexpr char kReportEndMarker[] = "Dooooone";
inline constexpr char kRunFileEndMarker[] = "Dooone";

struct ReportRow {
  std::string label;               // "%5.1f" age, "%5.1f-I", or an account name
  std::vector<std::string> cells;  // one text per column after the label
};

struct ReportTable {
  std::string label_title = " Age";
  std::vector<std::string> titles;  // one per cell column, as written on the title line
  std::vector<ReportRow> rows;
  int first_line_count = 7;  // lines a page counts before its first row
  std::string end_marker = kReportEndMarker;
  bool column_blocks = false;  // print pages carry at most 7 cell columns per page series
};

// "%13.2f": an amount cell.
std::string AmountCell(double amount);
// "%13.2f%": a share of a whole, or "0.00%" when part or whole is not above zero.
std::string PercentCell(double part, double whole);
// "%5.1f": the age label of a row.
std::string AgeLabel(float age);

}  // namespace tarvel::results
