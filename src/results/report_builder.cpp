// Chooses the builder of each report and writes its pages.
#include "results/report_builder.h"

#include "results/report_builders_internal.h"
#include "results/report_graphs.h"

namespace tarvel::results {
namespace {

constexpr int kIncomingCode = 2;
constexpr int kOutgoingCode = 6;

// The two small graphs above the table are printed with these reports only.
// Only the reports whose page 1 carries the two graphs lose lines to them.
bool CarriesReportGraphs(ReportKind kind) { return HasReportGraphs(PrintedReportKind(kind)); }

}  // namespace

std::optional<ReportTable> BuildReportTable(ReportKind kind, const ReportSource& source,
                                            ReportProblem& problem) {
  using namespace internal;
  switch (kind) {
    case ReportKind::NetWorth:
      return NetWorthTable(source);
    case ReportKind::Incoming:
      return IncomingTable(source);
    case ReportKind::Outgoing:
      return OutgoingTable(source);
    case ReportKind::Accounts:
    case ReportKind::AccountAllocations:
      return AccountTable(source, IsPercentageForm(kind));
    case ReportKind::Groups:
    case ReportKind::GroupAllocations:
      return GroupTable(source, IsPercentageForm(kind));
    case ReportKind::IncomingEvents:
      return EventTable(source, kIncomingCode, problem);
    case ReportKind::OutgoingEvents:
      return EventTable(source, kOutgoingCode, problem);
    case ReportKind::AccountsInOut:
      return AccountsInOutTable(source, problem);
    case ReportKind::AccountAssetAllocation:
      return AccountAssetAllocationTable(source);
    case ReportKind::AssetByAllocation:
      return AssetByAllocationTable(source);
  }
  return std::nullopt;
}

ReportPages WriteReportPages(ReportKind kind, const ReportSource& source, PageOptions options) {
  ReportPages result;
  const std::optional<ReportTable> table = BuildReportTable(kind, source, result.problem);
  if (!table) return result;
  options.report_graphs = options.report_graphs && CarriesReportGraphs(kind);
  const PagesWritten written = WriteReportPages(*table, source.workdir, options);
  result.pages = written.pages;
  if (!written.ok()) result.problem.text = written.problem;
  return result;
}

}  // namespace tarvel::results
