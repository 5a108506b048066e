// The report parsers: each line of a tab- or comma-delimited account-balances report is an
// account line (name and amount) or is skipped for a stated reason. The account lines make
// the intermediate list "name<TAB>amount" that the account loaders apply.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvel::exchange {

enum class ReportKind { Tab, Comma };

enum class LineMark {
  Account,    // a name and an amount
  TooShort,   // fewer than 7 characters
  Heading,    // a heading word ("Assets", "Accounts", "Bank" with "Account"...)
  Total,      // a total line
  SkipWord,   // a word no account line holds ("LIABILI", "Balance" without "d")
  NoName,     // the name has fewer than 2 characters
  NoAmount,   // no number where the amount stands
  LaterYear,  // a row after the first of a file this planner exported
};

struct ReportLine {
  std::string text;  // the line as read (Windows-1252)
  LineMark mark = LineMark::NoAmount;
  std::string word;    // the heading or skip word found
  std::string name;    // cleaned, at most 28 characters
  std::string amount;  // cleaned amount text
  double value = 0;
};

struct ParsedReport {
  ReportKind kind = ReportKind::Tab;
  std::vector<ReportLine> lines;

  std::vector<const ReportLine*> AccountLines() const;
};

// Longest account name kept.
inline constexpr std::size_t kMaxImportedNameLength = 28;

// text: the decoded report (see DecodeReportText). A file this planner exported (a header
// "Age", the account names, "Equity", "Total") gives its accounts with the first row's
// balances.
ParsedReport ParseTabReport(std::string_view text, char currency_symbol = '$');
ParsedReport ParseCsvReport(std::string_view text, char currency_symbol = '$');
ParsedReport ParseReport(std::string_view text, ReportKind kind, char currency_symbol = '$');

// The intermediate list: "name<TAB>amount\n" per account line; a tab report ends with
// "Doooone\n".
std::string IntermediateText(const ParsedReport& report);

// The fields of a comma-delimited line: a field in double quotes may hold commas, and a
// doubled quote inside it stands for one quote.
std::vector<std::string> SplitCsvFields(std::string_view line);

// "heading", "total", "skip word"... for the import preview.
std::string MarkReason(const ReportLine& line);

}  // namespace tarvel::exchange
