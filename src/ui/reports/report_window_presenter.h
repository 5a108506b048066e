// The report window ("reportschedule") without its widgets: writes and reads the screen page
// of one report, sizes its columns, and prints the report, the pages of one selected age, or
// saves the report as CSV or PDF.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "engine/run.h"
#include "model/records.h"
#include "platform/prompter.h"
#include "results/report_builder.h"
#include "results/report_catalogue.h"
#include "results/report_print_request.h"

namespace tarvel::ui {

struct ReportWindowServices {
  const model::Scenario& scenario;
  std::function<const engine::Run&()> last_run;  // the run the report shows
  std::filesystem::path workdir;                 // where the run and page files are
  platform::Prompter& prompter;
  results::ReportPrinter print;
  // Told the number of page files written, so that they can be removed at exit.
  std::function<void(int pages)> note_pages;
  bool report_graphs = false;  // the print option of two graphs above the table
};

// The text the report window reads: the column titles of its first line and the rows of
// the lines after the separator, split at tabs, up to the end marker.
struct ScreenPage {
  std::vector<std::string> titles;
  std::vector<std::vector<std::string>> rows;
};
ScreenPage ParseScreenPage(const std::string& text);

class ReportWindowPresenter {
 public:
  ReportWindowPresenter(ReportWindowServices services, results::ReportKind kind);

  // Writes and reads the screen page; false, after telling the user, when it failed.
  bool Open();

  results::ReportKind kind() const { return kind_; }
  const std::string& title() const { return title_; }
  const ScreenPage& page() const { return page_; }
  bool offers_selected_age() const { return results::OffersSelectedAge(kind_); }
  // The text each column is sized for: the longer of its title and a sample value.
  std::vector<std::string> ColumnSamples() const;

  // "Print": the print pages to the print dialog.
  void Print();
  // "Print Selected Age": the age typed (1 to 120); the incoming, then the outgoing pages.
  void PrintSelectedAge(const std::string& typed_age);
  // "Save As...": a CSV table, or the print pages into a PDF file.
  void SaveAs();

 private:
  results::ReportSource Source() const;
  void Tell(const std::string& text, const std::string& caption);
  // Print pages of the report (909 prints its screen pages); 0 after telling the user.
  int WritePrintPages();

  ReportWindowServices services_;
  results::ReportKind kind_;
  std::string title_;
  ScreenPage page_;
};

}  // namespace tarvel::ui
