// The tab- and comma-delimited report parsers.
#include "exchange/report_parser.h"

#include <algorithm>
#include <array>
#include <optional>

#include "exchange/report_fields.h"
#include "exchange/report_text.h"

namespace tarvel::exchange {
namespace {

constexpr std::size_t kShortestLine = 7;
constexpr std::size_t kShortestName = 2;

constexpr std::array<std::string_view, 2> kTotalWords = {"TOTAL", "Total"};
constexpr std::array<std::string_view, 10> kHeadingWords = {
    "ASSETS",      "Assets",      "Acct",        "Investment Accounts",
    "INVESTMENTS", "Investments", "LIABILITIES", "Liabilities",
    "Accounts",    "Cash and"};
constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kHeadingPairs = {{
    {"Account", "Balance"},
    {"Bank", "Account"},
    {"Asset", "Account"},
    {"Credit", "Account"},
    {"Liability", "Account"},
    {"Investment", "Account"},
}};

ReportLine LineOf(std::string_view text, LineMark mark = LineMark::NoAmount) {
  ReportLine line;
  line.text = std::string(text);
  line.mark = mark;
  return line;
}

bool Holds(std::string_view line, std::string_view word) {
  return line.find(word) != std::string_view::npos;
}

// "Balance" not followed by "d" ("Balanced Fund" is an account, "Balance" a heading).
bool HoldsBalanceWord(std::string_view line) {
  for (std::size_t at = line.find("Balance"); at != std::string_view::npos;
       at = line.find("Balance", at + 1)) {
    if (at + 7 >= line.size() || line[at + 7] != 'd') return true;
  }
  return false;
}

// The mark of a line that holds a heading, total or skip word, with the word.
std::optional<std::pair<LineMark, std::string>> SkipMarkOf(std::string_view line) {
  for (std::string_view word : kTotalWords) {
    if (Holds(line, word)) return std::pair{LineMark::Total, std::string(word)};
  }
  for (std::string_view word : kHeadingWords) {
    if (Holds(line, word)) return std::pair{LineMark::Heading, std::string(word)};
  }
  for (const auto& [first, second] : kHeadingPairs) {
    if (Holds(line, first) && Holds(line, second)) {
      return std::pair{LineMark::Heading, std::string(first) + " " + std::string(second)};
    }
  }
  if (Holds(line, "LIABILI")) return std::pair{LineMark::SkipWord, std::string("LIABILI")};
  if (HoldsBalanceWord(line)) return std::pair{LineMark::SkipWord, std::string("Balance")};
  return std::nullopt;
}

// Takes characters off the end up to a letter, a digit, a closing parenthesis (the end of a
// negative amount) or, for comma files, a double quote.
std::string TrimLineEnd(std::string_view line, bool keep_quote) {
  std::string text(line);
  while (!text.empty()) {
    const char last = text.back();
    if (IsNameCharacter(static_cast<unsigned char>(last)) || last == ')' ||
        (keep_quote && last == '"')) {
      break;
    }
    text.pop_back();
  }
  return text;
}

// Names the line's account, or gives the reason it is skipped.
void FillAccount(ReportLine& line, std::string_view name, std::string_view amount,
                 char currency_symbol) {
  // A name holds no tab: the intermediate list and the account lists are tab-separated.
  std::string one_field(name);
  std::replace(one_field.begin(), one_field.end(), '\t', ' ');
  std::string cleaned = CleanAccountName(one_field);
  if (cleaned.size() > kMaxImportedNameLength) {
    cleaned = CleanAccountName(cleaned.substr(0, kMaxImportedNameLength));
  }
  if (cleaned.size() < kShortestName) {
    line.mark = LineMark::NoName;
    return;
  }
  line.name = std::move(cleaned);
  line.amount = CleanAmount(amount, currency_symbol);
  const auto value = AmountValue(line.amount);
  if (!value) {
    line.mark = LineMark::NoAmount;
    return;
  }
  line.value = *value;
  line.mark = LineMark::Account;
}

// Marks a line too short or holding a skip word; true when it is one.
bool MarkSkipped(ReportLine& line, std::string_view trimmed, std::string_view tested) {
  if (trimmed.size() < kShortestLine) {
    line.mark = LineMark::TooShort;
    return true;
  }
  if (const auto skip = SkipMarkOf(tested)) {
    line.mark = skip->first;
    line.word = skip->second;
    return true;
  }
  return false;
}

ReportLine ParseTabLine(std::string_view raw, char currency_symbol) {
  ReportLine line = LineOf(raw);
  std::string_view text = raw;
  if (text.starts_with('\t')) text.remove_prefix(1);
  std::string body = TrimLineEnd(text, false);
  if (body.starts_with('"')) body.front() = ' ';
  body.erase(0, std::min(body.find_first_not_of(' '), body.size()));
  if (MarkSkipped(line, body, body)) return line;
  const std::size_t first_tab = body.find('\t');
  const std::size_t last_tab = body.rfind('\t');
  const std::string_view whole = body;
  const std::string_view name = whole.substr(0, first_tab);
  const std::string_view amount =
      last_tab == std::string::npos ? std::string_view() : whole.substr(last_tab + 1);
  FillAccount(line, name, amount, currency_symbol);
  return line;
}

// A line without commas, as in "123" print files: the name, blanks, the amount.
std::vector<std::string> SplitAtLastBlanks(std::string_view line) {
  const std::size_t end = line.find_last_of(" \t");
  if (end == std::string_view::npos) return {std::string(line)};
  const std::size_t name_end = line.find_last_not_of(" \t", end);
  return {std::string(line.substr(0, name_end == std::string_view::npos ? 0 : name_end + 1)),
          std::string(line.substr(end + 1))};
}

ReportLine ParseCsvLine(std::string_view raw, char currency_symbol) {
  ReportLine line = LineOf(raw);
  const std::string trimmed = TrimLineEnd(raw, true);
  if (MarkSkipped(line, trimmed, raw)) return line;
  std::vector<std::string> fields = SplitCsvFields(trimmed);
  if (fields.size() == 1) fields = SplitAtLastBlanks(trimmed);
  if (fields.size() < 2) {
    line.mark = LineMark::NoAmount;
    return line;
  }
  FillAccount(line, fields.front(), fields.back(), currency_symbol);
  return line;
}

std::vector<std::string> SplitFields(std::string_view line, ReportKind kind) {
  if (kind == ReportKind::Comma) return SplitCsvFields(line);
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t end = line.find('\t'); end != std::string_view::npos;
       end = line.find('\t', start)) {
    fields.emplace_back(line.substr(start, end - start));
    start = end + 1;
  }
  fields.emplace_back(line.substr(start));
  return fields;
}

bool IsExportHeader(const std::vector<std::string>& fields) {
  return fields.size() >= 4 && fields.front() == "Age" && fields[fields.size() - 2] == "Equity" &&
         fields.back() == "Total";
}

// A file this planner exported: the header names the accounts, the first row holds the
// balances at the start age.
std::optional<ParsedReport> ParseExportedFile(std::string_view text, ReportKind kind,
                                              char currency_symbol) {
  std::string_view rest = text;
  std::string first;
  if (!NextReportLine(rest, first)) return std::nullopt;
  const std::vector<std::string> header = SplitFields(first, kind);
  if (!IsExportHeader(header)) return std::nullopt;
  ParsedReport report{kind, {}};
  report.Add(LineOf(first, LineMark::Heading));
  std::string row;
  for (bool first_row = true; NextReportLine(rest, row); first_row = false) {
    if (!first_row) {
      report.Add(LineOf(row, LineMark::LaterYear));
      continue;
    }
    const std::vector<std::string> values = SplitFields(row, kind);
    for (std::size_t column = 1; column + 2 < header.size(); ++column) {
      const std::string value = column < values.size() ? values[column] : std::string();
      ReportLine line = LineOf(header[column] + "\t" + value);
      FillAccount(line, header[column], value, currency_symbol);
      report.Add(std::move(line));
    }
  }
  return report;
}

}  // namespace

void ParsedReport::Add(ReportLine line) {
  const bool account = line.mark == LineMark::Account;
  const std::size_t count = account ? ++account_lines : ++skipped_lines;
  if (count <= (account ? kMostAccountLines : kKeptSkippedLines)) lines.push_back(std::move(line));
}

std::size_t ParsedReport::SkippedNotKept() const {
  return skipped_lines > kKeptSkippedLines ? skipped_lines - kKeptSkippedLines : 0;
}

std::size_t ParsedReport::AccountsNotKept() const {
  return account_lines > kMostAccountLines ? account_lines - kMostAccountLines : 0;
}

std::string TooManyAccountLinesText(const std::string& path) {
  return path + " holds more than " + std::to_string(kMostAccountLines) +
         " account lines; it is not an account-balances report.";
}

std::vector<const ReportLine*> ParsedReport::AccountLines() const {
  std::vector<const ReportLine*> accounts;
  for (const ReportLine& line : lines) {
    if (line.mark == LineMark::Account) accounts.push_back(&line);
  }
  return accounts;
}

std::vector<std::string> SplitCsvFields(std::string_view line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (std::size_t at = 0; at < line.size(); ++at) {
    const char c = line[at];
    if (quoted) {
      if (c == '"' && at + 1 < line.size() && line[at + 1] == '"') {
        fields.back() += '"';
        ++at;
      } else if (c == '"') {
        quoted = false;
      } else {
        fields.back() += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

ParsedReport ParseReport(std::string_view text, ReportKind kind, char currency_symbol) {
  if (auto exported = ParseExportedFile(text, kind, currency_symbol)) return *exported;
  ParsedReport report{kind, {}};
  std::string line;
  for (std::string_view rest = text; NextReportLine(rest, line);) {
    report.Add(kind == ReportKind::Tab ? ParseTabLine(line, currency_symbol)
                                       : ParseCsvLine(line, currency_symbol));
  }
  return report;
}

ParsedReport ParseTabReport(std::string_view text, char currency_symbol) {
  return ParseReport(text, ReportKind::Tab, currency_symbol);
}

ParsedReport ParseCsvReport(std::string_view text, char currency_symbol) {
  return ParseReport(text, ReportKind::Comma, currency_symbol);
}

std::string IntermediateText(const ParsedReport& report) {
  std::string text;
  for (const ReportLine* line : report.AccountLines()) {
    text += line->name + "\t" + line->amount + "\n";
  }
  if (report.kind == ReportKind::Tab) text += "Doooone\n";
  return text;
}

std::string MarkReason(const ReportLine& line) {
  switch (line.mark) {
    case LineMark::Account:
      return "";
    case LineMark::TooShort:
      return "too short";
    case LineMark::Heading:
      return "heading";
    case LineMark::Total:
      return "total";
    case LineMark::SkipWord:
      return "skip word \"" + line.word + "\"";
    case LineMark::NoName:
      return "no name";
    case LineMark::NoAmount:
      return "no amount";
    case LineMark::LaterYear:
      return "later year";
  }
  return "";
}

}  // namespace tarvel::exchange
