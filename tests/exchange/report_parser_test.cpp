// The report decoding, field clean-ups and the tab and comma parsers over report files.
#include "exchange/report_parser.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "exchange/report_fields.h"
#include "exchange/report_text.h"

namespace tarvel::exchange_test {
namespace {

using exchange::LineMark;

std::string DataFile(const std::string& name) {
  return (std::filesystem::path(TARVEL_SOURCE_DATA_DIR).parent_path() / "tests" / "exchange" /
          "data" / name)
      .string();
}

TEST(CleanAmount, KeepsANumberAndDropsWhatDecoratesIt) {
  struct Case {
    const char* text;
    const char* cleaned;
  };
  const Case cases[] = {
      {"1,234.56", "1234.56"},
      {"  $1,234.56", "1234.56"},
      {"(500.00)", "-500.00"},
      {"$(1,500.25)", "-1500.25"},
      {"\xA3"
       "12,000.00",
       "12000.00"},  // pound byte
      {"\x80"
       "2,500",
       "2500"},  // euro byte
      {"\xA5"
       "300",
       "300"},  // yen byte
      {"1,000.00-", "-1000.00"},
      {"-75.10 ", "-75.10"},
      {"42.", "42"},
      {"0", "0"},
      {"n/a", ""},
      {"12abc34", ""},
      {"1.2.3", ""},
      {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(exchange::CleanAmount(c.text), c.cleaned) << c.text;
  }
  EXPECT_EQ(exchange::CleanAmount("#99.50", '#'), "99.50");
}

TEST(CleanAccountName, TrimsQuotesTrailingMarksAndLeadingBlanks) {
  struct Case {
    const char* text;
    const char* cleaned;
  };
  const Case cases[] = {
      {"\"Checking\"", "Checking"}, {"   Savings Plus  ...", "Savings Plus"},
      {"401(k)", "401(k)"},         {"Growth Fund)", "Growth Fund"},
      {"Caf\xE9", "Caf\xE9"},       {"\"\"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(exchange::CleanAccountName(c.text), c.cleaned) << c.text;
  }
}

TEST(DecodeReportText, TurnsUtf8AndWindows1252IntoWindows1252Lines) {
  struct Case {
    std::string bytes;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {"\xEF\xBB\xBF"
       "Caf\xC3\xA9\r\nFund\r\n",
       {"Caf\xE9", "Fund"}},  // UTF-8 with a mark, CRLF
      {"\xE2\x82\xAC"
       "5\n\xE4\xB8\xAD",
       {"\x80"
        "5",
        "?"}},  // UTF-8, no mark, LF
      {"Caf\xE9\r\n\r\n\xA3"
       "1",
       {"Caf\xE9", "",
        "\xA3"
        "1"}},  // Windows-1252 as it is
      {std::string(130, 'x'), {std::string(119, 'x')}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(exchange::SplitReportLines(exchange::DecodeReportText(c.bytes)), c.lines);
  }
}

struct Expected {
  LineMark mark;
  std::string name;
  double value = 0;
};

void ExpectLines(const exchange::ParsedReport& report, const std::vector<Expected>& expected) {
  ASSERT_EQ(report.lines.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(report.lines[i].text);
    EXPECT_EQ(report.lines[i].mark, expected[i].mark);
    EXPECT_EQ(report.lines[i].name, expected[i].name);
    EXPECT_DOUBLE_EQ(report.lines[i].value, expected[i].value);
  }
}

exchange::ParsedReport ParseFile(const std::string& name, exchange::ReportKind kind) {
  const auto text = exchange::ReadReportFile(DataFile(name));
  EXPECT_TRUE(text.has_value()) << name;
  return exchange::ParseReport(text.value_or(""), kind);
}

TEST(ParseTabReport, ReadsAccountsAndSkipsHeadingsTotalsAndSkipWords) {
  const auto report = ParseFile("balances_1252_crlf.tvi", exchange::ReportKind::Tab);
  ExpectLines(report, {
                          {LineMark::Heading, ""},
                          {LineMark::TooShort, ""},
                          {LineMark::Heading, ""},
                          {LineMark::TooShort, ""},
                          {LineMark::Heading, ""},
                          {LineMark::Account, "Checking", 1234.56},
                          {LineMark::Account, "Savings Plus", 12000.0},
                          {LineMark::Account, "Caf\xE9 Fund", 250.75},
                          {LineMark::Total, ""},
                          {LineMark::Heading, ""},
                          {LineMark::Account, "Brokerage IRA", -500.0},
                          {LineMark::Account, "Balanced Fund", 8000.0},
                          {LineMark::SkipWord, ""},
                          {LineMark::NoAmount, "Petty"},
                          {LineMark::Total, ""},
                          {LineMark::Heading, ""},
                          {LineMark::Heading, ""},
                          {LineMark::Total, ""},
                      });
  EXPECT_EQ(exchange::IntermediateText(report),
            "Checking\t1234.56\nSavings Plus\t12000.00\nCaf\xE9 Fund\t250.75\n"
            "Brokerage IRA\t-500.00\nBalanced Fund\t8000\nDoooone\n");
}

TEST(ParseCsvReport, ReadsQuotedFieldsCurrencySymbolsAndAByteOrderMark) {
  const auto report = ParseFile("balances_utf8_bom.csv", exchange::ReportKind::Comma);
  ExpectLines(report, {
                          {LineMark::Heading, ""},
                          {LineMark::Heading, ""},
                          {LineMark::Account, "Checking", 1234.56},
                          {LineMark::Account, "Smith, Joint Savings", 2500.0},
                          {LineMark::Account, "Caf\xE9 Fund", 250.75},
                          {LineMark::Account, "Brokerage IRA", -500.0},
                          {LineMark::Account, "Emergency Fund", -1000.0},
                          {LineMark::Total, ""},
                          {LineMark::NoAmount, "Mortgage"},
                      });
  // A comma file's intermediate list has no end line.
  EXPECT_FALSE(exchange::IntermediateText(report).ends_with("Doooone\n"));
}

TEST(ParseCsvReport, ReadsPrintFilesWithoutCommas) {
  const auto report = ParseFile("balances_print.prn", exchange::ReportKind::Comma);
  ExpectLines(report, {
                          {LineMark::Account, "Checking", 1234.56},
                          {LineMark::Account, "Savings Plus", 12000.0},
                          {LineMark::Total, ""},
                      });
}

// A print file's name runs to the blanks before its amount; tabs inside it become blanks, so
// the intermediate list keeps one name and one amount per line.
TEST(ParseCsvReport, ReadsTabsInsideANameAsBlanks) {
  const auto report = exchange::ParseCsvReport("Rainy\tDay Fund\t\t1500.00\n");
  ExpectLines(report, {{LineMark::Account, "Rainy Day Fund", 1500.0}});
  EXPECT_EQ(exchange::IntermediateText(report), "Rainy Day Fund\t1500.00\n");
}

TEST(ParseReport, TakesAnExportedFilesFirstRowAsTheBalances) {
  const char text[] =
      "Age,Checking,\"Smith, Joint\",Home,Equity,Total\n"
      "60.00,100.50,200.00,300.00,300.00,600.50\n"
      "61.00,110.00,210.00,310.00,310.00,630.00\n";
  ExpectLines(exchange::ParseCsvReport(text), {
                                                  {LineMark::Heading, ""},
                                                  {LineMark::Account, "Checking", 100.5},
                                                  {LineMark::Account, "Smith, Joint", 200.0},
                                                  {LineMark::Account, "Home", 300.0},
                                                  {LineMark::LaterYear, ""},
                                              });
}

TEST(ParseReport, KeepsTheFirstSkippedLinesAndCountsTheRest) {
  std::string text;
  for (int i = 0; i < 250; ++i) {
    text += "TOTAL," + std::to_string(i) + ".00\n";
    if (i == 200) text += "Checking,5.00\n";
  }
  const exchange::ParsedReport report = exchange::ParseCsvReport(text);
  ASSERT_EQ(report.lines.size(), exchange::kKeptSkippedLines + 1);
  EXPECT_EQ(report.lines.back().name, "Checking");  // an account line past them is kept
  EXPECT_EQ(report.SkippedNotKept(), 150u);
  EXPECT_EQ(report.AccountsNotKept(), 0u);
  EXPECT_EQ(report.skipped_lines, 250u);
}

TEST(ParseReport, CountsAccountLinesPastTheMost) {
  std::string text;
  for (std::size_t i = 0; i < exchange::kMostAccountLines + 3; ++i) text += "Checking,5.00\n";
  const exchange::ParsedReport report = exchange::ParseCsvReport(text);
  EXPECT_EQ(report.lines.size(), exchange::kMostAccountLines);
  EXPECT_EQ(report.AccountsNotKept(), 3u);
}

TEST(ReadReportFile, RefusesFoldersAndBinaryFilesSayingWhy) {
  const std::string folder = std::filesystem::temp_directory_path().string();
  std::string problem;
  EXPECT_FALSE(exchange::ReadReportFile(folder, problem));
  EXPECT_EQ(problem, "Cannot open " + folder + ": Is a directory.");
  const std::string binary =
      (std::filesystem::temp_directory_path() / "tarvel-report.bin").string();
  {
    std::ofstream out(binary, std::ios::binary);
    out << "Checking,5.00\n" << std::string(1, '\0') << "\x01\x02";
  }
  EXPECT_FALSE(exchange::ReadReportFile(binary, problem));
  EXPECT_EQ(problem, binary + " is not a text report.");
  std::filesystem::remove(binary);
  const auto text = exchange::ReadReportFile(DataFile("balances_1252_crlf.tvi"), problem);
  EXPECT_TRUE(text.has_value()) << problem;
}

TEST(LooksLikeBinary, ControlCharactersOtherThanLineEndsAndTabsInTheFirstBlock) {
  EXPECT_FALSE(exchange::LooksLikeBinary("Name\tAmount\r\nChecking\t1.00\f\n\xA3\x80"));
  EXPECT_TRUE(exchange::LooksLikeBinary(std::string("PK\x03\x04", 4)));
  EXPECT_TRUE(exchange::LooksLikeBinary(std::string("a\0b", 3)));
  const std::string late = std::string(exchange::kTextCheckBytes, 'a') + '\x01';
  EXPECT_FALSE(exchange::LooksLikeBinary(late));
}

}  // namespace
}  // namespace tarvel::exchange_test
