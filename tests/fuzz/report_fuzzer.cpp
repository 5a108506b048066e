// The account-balances report readers: any bytes decode and parse, as a tab or a comma
// report, without fault; every account line holds a kept name and the value of its amount,
// and the intermediate list made from them parses again to the same accounts.
#include <cmath>
#include <string>
#include <string_view>

#include "exchange/report_fields.h"
#include "exchange/report_parser.h"
#include "exchange/report_text.h"
#include "fuzz/fuzz_check.h"

namespace {

using namespace tarvel;

void CheckAccountLines(const exchange::ParsedReport& report) {
  for (const exchange::ReportLine* line : report.AccountLines()) {
    fuzz::Check(line->name.size() <= exchange::kMaxImportedNameLength, "account name is kept");
    fuzz::Check(line->name.find('\t') == std::string::npos, "account name is one field");
    fuzz::Check(std::isfinite(line->value), "account amount is a number");
    const auto value = exchange::AmountValue(line->amount);
    fuzz::Check(value && *value == line->value, "account value is its amount's");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = exchange::DecodeReportText({reinterpret_cast<const char*>(data), size});
  for (const std::string& line : exchange::SplitReportLines(text)) {
    fuzz::Check(line.size() <= exchange::kMaxReportLineLength, "report line is cut");
  }
  for (const auto kind : {exchange::ReportKind::Tab, exchange::ReportKind::Comma}) {
    const exchange::ParsedReport report = exchange::ParseReport(text, kind);
    CheckAccountLines(report);
    for (const exchange::ReportLine& line : report.lines) (void)exchange::MarkReason(line);
    (void)exchange::IntermediateText(report);
  }
  return 0;
}
