// Accounts by type with their amounts at one age, sub-totalled per type.
#include "results/report_selected_age.h"

#include <array>

#include "model/money_format.h"
#include "model/whole_age.h"
#include "model/working_file_names.h"
#include "results/report_run_files.h"

namespace tarvel::results {
namespace {

constexpr int kSelectedAgeFirstCount = 6;

struct TypeName {
  model::AccountType type;
  const char* name;
};

constexpr std::array kTypeOrder = {TypeName{model::AccountType::Investment, "Investment"},
                                   TypeName{model::AccountType::TaxFree, "Tax-Free"},
                                   TypeName{model::AccountType::Retirement, "Retirement"},
                                   TypeName{model::AccountType::Asset, "Asset"},
                                   TypeName{model::AccountType::Equity, "Equity"}};

double AmountAt(const std::vector<AccountAmount>& records, std::string_view account, int age) {
  double sum = 0;
  for (const AccountAmount& record : records) {
    if (record.account == account && model::WholeAge(record.age) == age) sum += record.amount;
  }
  return sum;
}

}  // namespace

std::optional<ReportTable> SelectedAgeTable(const ReportSource& source, int age, bool incoming,
                                            ReportProblem& problem) {
  const auto flows = ReadAccountFlows(source.workdir / model::kIncomingRunFileName,
                                      source.workdir / model::kOutgoingRunFileName);
  if (!flows) {
    problem.text = std::string("Cannot open ") + model::kIncomingRunFileName;
    return std::nullopt;
  }
  const std::vector<AccountAmount>& records = incoming ? flows->incoming : flows->outgoing;
  ReportTable table;
  table.label_title = "Accounts by Type";
  table.titles = {incoming ? "Incoming" : "Outgoing"};
  table.first_line_count = kSelectedAgeFirstCount;
  double total = 0;
  for (const TypeName& type : kTypeOrder) {
    double subtotal = 0;
    for (const model::Account& account : source.run.state.Accounts()) {
      if (account.type != type.type) continue;
      const double amount = AmountAt(records, account.name.view(), age);
      subtotal += amount;
      table.rows.push_back({"", {account.name.str(), AmountCell(amount)}});
    }
    table.rows.push_back(
        {"", {model::Format("Sub Total -- %s Accounts", type.name), AmountCell(subtotal)}});
    total += subtotal;
  }
  table.rows.push_back({"", {"Total", AmountCell(total)}});
  return table;
}

ReportPages WriteSelectedAgePages(const ReportSource& source, int age, PageOptions options) {
  ReportPages result;
  options.report_graphs = false;
  for (const bool incoming : {true, false}) {
    const std::optional<ReportTable> table =
        SelectedAgeTable(source, age, incoming, result.problem);
    if (!table) return ReportPages{0, result.problem};
    options.first_page = result.pages + 1;
    const PagesWritten written = WriteReportPages(*table, source.workdir, options);
    if (!written.ok()) return ReportPages{0, ReportProblem{written.problem}};
    result.pages = written.pages;
  }
  return result;
}

}  // namespace tarvel::results
