// Mortgage schedule window behaviour.
#include "ui/reports/mortgage_schedule_presenter.h"

#include "results/report_catalogue.h"
#include "results/report_pages.h"

namespace tarvel::ui {
namespace {

// The columns share the whole width, so the last one is never cut off.
constexpr int kShareTotal = [] {
  int total = 0;
  for (const int share : kMortgageScheduleShares) total += share;
  return total;
}();
constexpr int kWindowMargin = 20;

}  // namespace

MortgageSchedulePresenter::MortgageSchedulePresenter(MortgageScheduleServices services,
                                                     const model::FinancialEvent& mortgage,
                                                     float scenario_start_age)
    : services_(std::move(services)),
      mortgage_(mortgage),
      scenario_start_age_(scenario_start_age) {}

void MortgageSchedulePresenter::Open() {
  schedule_ = results::MortgageScheduleRows(mortgage_, scenario_start_age_);
  rows_.clear();
  if (!results::WriteMortgageScheduleFile(schedule_,
                                          services_.workdir / results::kMortgageScheduleFileName)) {
    schedule_.clear();
    services_.prompter.Ask({"Cannot open temporary print file - psched.tmp", "FILE OPEN ERROR",
                            platform::Buttons::Ok, platform::Icon::Warning});
    return;
  }
  for (const results::MortgageScheduleRow& row : schedule_) {
    std::vector<std::string> cells{model::Format("%3d", row.age)};
    const auto amounts = row.Amounts();
    for (std::size_t i = 0; i < amounts.size(); ++i) {
      cells.push_back(model::FormatMoney(model::Format(i < 2 ? "%14.2f" : "%16.2f", amounts[i]),
                                         services_.currency));
    }
    rows_.push_back(std::move(cells));
  }
}

std::vector<int> MortgageSchedulePresenter::ColumnWidths(int window_width) {
  std::vector<int> widths;
  const double unit = static_cast<double>(window_width - kWindowMargin) / kShareTotal;
  for (const int share : kMortgageScheduleShares) {
    widths.push_back(std::max(1, static_cast<int>(share * unit)));
  }
  return widths;
}

void MortgageSchedulePresenter::Print() {
  if (schedule_.empty()) return;
  const results::PagesWritten pages = results::WriteReportPages(
      results::MortgageScheduleTable(schedule_), services_.workdir, {results::PageTarget::Print});
  if (!pages.ok()) {
    services_.prompter.Ask(
        {pages.problem, "FILE OPEN ERROR", platform::Buttons::Ok, platform::Icon::Warning});
    return;
  }
  if (services_.print) {
    services_.print(
        {results::kMortgageSchedulePrintKind, pages.pages, mortgage_.description.str(), {}});
  }
}

}  // namespace tarvel::ui
