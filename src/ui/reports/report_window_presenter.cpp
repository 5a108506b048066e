// Report window behaviour over the page files of the working directory.
#include "ui/reports/report_window_presenter.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "model/money_format.h"
#include "results/report_builder.h"
#include "results/report_csv.h"
#include "results/report_selected_age.h"
#include "results/report_table.h"

namespace tarvel::ui {
namespace {

constexpr char kAgeSample[] = "99999.9";
constexpr char kAmountSample[] = "999999999.00";
constexpr char kAgeError[] = "This age must be between 1.0 and 120.0.";

std::vector<std::string> SplitAtTabs(const std::string& line) {
  std::vector<std::string> cells;
  std::istringstream in(line);
  std::string cell;
  while (std::getline(in, cell, '\t')) cells.push_back(cell);
  if (!line.empty() && line.back() == '\t') cells.emplace_back();
  return cells;
}

std::string Lowered(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

ScreenPage ParseScreenPage(const std::string& text) {
  ScreenPage page;
  std::istringstream in(text);
  std::string line;
  if (std::getline(in, line)) page.titles = SplitAtTabs(line);
  std::getline(in, line);  // the separator
  std::getline(in, line);  // the empty line
  while (std::getline(in, line)) {
    if (line == results::kReportEndMarker || line == results::kRunFileEndMarker) break;
    page.rows.push_back(SplitAtTabs(line));
  }
  return page;
}

ReportWindowPresenter::ReportWindowPresenter(ReportWindowServices services,
                                             results::ReportKind kind)
    : services_(std::move(services)),
      kind_(kind),
      title_(results::ReportWindowTitle(kind, services_.scenario)) {}

results::ReportSource ReportWindowPresenter::Source() const {
  return results::ReportSource{services_.scenario, services_.last_run(), services_.workdir};
}

void ReportWindowPresenter::Tell(const std::string& text, const std::string& caption) {
  services_.prompter.Ask({text, caption, platform::Buttons::Ok, platform::Icon::Warning});
}

bool ReportWindowPresenter::Open() {
  const results::ReportPages pages =
      results::WriteReportPages(kind_, Source(), {results::PageTarget::Screen});
  if (pages.pages == 0) {
    Tell(pages.problem.text, pages.problem.caption);
    return false;
  }
  if (services_.note_pages) services_.note_pages(pages.pages);
  std::ifstream in(services_.workdir / "spage1", std::ios::binary);
  if (!in) {
    Tell("Cannot open spage", "FILE OPEN ERROR");
    return false;
  }
  std::ostringstream text;
  text << in.rdbuf();
  page_ = ParseScreenPage(text.str());
  return true;
}

std::vector<std::string> ReportWindowPresenter::ColumnSamples() const {
  std::vector<std::string> samples;
  for (std::size_t column = 0; column < page_.titles.size(); ++column) {
    const std::string_view sample = column == 0 ? kAgeSample : kAmountSample;
    const std::string& title = page_.titles[column];
    samples.emplace_back(title.size() > sample.size() ? std::string_view(title) : sample);
  }
  return samples;
}

int ReportWindowPresenter::WritePrintPages() {
  const results::PageTarget target = kind_ == results::ReportKind::AccountAssetAllocation
                                         ? results::PageTarget::Screen
                                         : results::PageTarget::Print;
  const results::ReportPages pages =
      results::WriteReportPages(kind_, Source(), {target, services_.report_graphs});
  if (pages.pages == 0) {
    Tell(pages.problem.text, pages.problem.caption);
    return 0;
  }
  if (services_.note_pages) services_.note_pages(pages.pages);
  return pages.pages;
}

void ReportWindowPresenter::Print() {
  const int pages = WritePrintPages();
  if (pages == 0 || !services_.print) return;
  services_.print({results::PrintedReportKind(kind_),
                   pages,
                   results::PrintedReportTitle(kind_, services_.scenario),
                   {}});
}

void ReportWindowPresenter::PrintSelectedAge(const std::string& typed_age) {
  const std::string text = typed_age.substr(0, 9);
  char* end = nullptr;
  const double age = std::strtod(text.c_str(), &end);
  if (end == text.c_str() || !(age >= 1.0 && age <= 120.0)) {
    Tell(kAgeError, "AGE ERROR");
    return;
  }
  const int whole = static_cast<int>(age);
  const results::ReportPages pages =
      results::WriteSelectedAgePages(Source(), whole, {results::PageTarget::Print});
  if (pages.pages == 0) {
    Tell(pages.problem.text, pages.problem.caption);
    return;
  }
  if (services_.note_pages) services_.note_pages(pages.pages);
  if (!services_.print) return;
  services_.print({results::kSelectedAgePrintKind,
                   pages.pages,
                   model::Format("Accounts Incoming/Outgoing -- Age %d", whole),
                   {}});
}

void ReportWindowPresenter::SaveAs() {
  platform::FileDialog dialog;
  dialog.title = "Save Report As";
  dialog.filters = {{"PDF Files (*.PDF)", "*.pdf;*.PDF"}, {"CSV Files (*.CSV)", "*.csv;*.CSV"}};
  dialog.default_extension = "pdf";
  const std::optional<std::string> path = services_.prompter.ChooseFileToSave(dialog);
  if (!path) return;
  const std::string extension = Lowered(std::filesystem::path(*path).extension().string());
  if (extension == ".csv") {
    results::ReportProblem problem;
    const auto table = results::BuildReportTable(kind_, Source(), problem);
    if (!table) {
      Tell(problem.text, problem.caption);
    } else if (!results::WriteReportCsv(*table, *path)) {
      Tell("Cannot open " + *path, "FILE ERROR");
    }
    return;
  }
  const int pages = WritePrintPages();
  if (pages == 0 || !services_.print) return;
  services_.print({results::PrintedReportKind(kind_), pages,
                   results::PrintedReportTitle(kind_, services_.scenario), *path});
}

}  // namespace tarvel::ui
