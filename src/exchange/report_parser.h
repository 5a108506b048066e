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

// A report keeps its first skipped lines and its account lines up to a limit in full; past
// them lines are only counted, so that a huge file takes little memory.
inline constexpr std::size_t kKeptSkippedLines = 100;
inline constexpr std::size_t kMostAccountLines = 10000;

struct ParsedReport {
  ReportKind kind = ReportKind::Tab;
  std::vector<ReportLine> lines;  // the lines kept, in file order
  std::size_t account_lines = 0;  // every account line read, kept or not
  std::size_t skipped_lines = 0;  // every skipped line read, kept or not

  std::vector<const ReportLine*> AccountLines() const;
  std::size_t SkippedNotKept() const;
  std::size_t AccountsNotKept() const;
  // Adds a parsed line, or counts it when the report holds as many of its kind as it keeps.
  void Add(ReportLine line);
};

// The refusal of a report with more than kMostAccountLines account lines.
std::string TooManyAccountLinesText(const std::string& path);

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
