// The mortgage schedule window ("moschedule") without its widgets: the rows of the edited
// mortgage in money text, the working file "psched.tmp", the column shares, and Print.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "model/money_format.h"
#include "model/records.h"
#include "platform/prompter.h"
#include "results/report_mortgage_schedule.h"
#include "results/report_print_request.h"

namespace tarvel::ui {

struct MortgageScheduleServices {
  std::filesystem::path workdir;
  platform::Prompter& prompter;
  results::ReportPrinter print;
  model::Currency currency;
};

inline constexpr char kMortgageScheduleTitle[] = "Mortgage Schedule";
// Each column's share of the window width less 20.
inline constexpr std::array<int, 10> kMortgageScheduleShares = {33, 77, 77, 85, 85,
                                                                85, 85, 85, 85, 90};

class MortgageSchedulePresenter {
 public:
  MortgageSchedulePresenter(MortgageScheduleServices services,
                            const model::FinancialEvent& mortgage, float scenario_start_age);

  // Computes the rows and writes "psched.tmp"; no rows, after telling the user, when the
  // file cannot be created.
  void Open();
  // Age, then the amounts in money text, by row.
  const std::vector<std::vector<std::string>>& rows() const { return rows_; }
  // Pixel widths of the columns for a window this wide.
  static std::vector<int> ColumnWidths(int window_width);
  // Print pages of the rows, printed as a report titled by the mortgage's description.
  void Print();

 private:
  MortgageScheduleServices services_;
  model::FinancialEvent mortgage_;
  float scenario_start_age_;
  std::vector<results::MortgageScheduleRow> schedule_;
  std::vector<std::vector<std::string>> rows_;
};

}  // namespace tarvel::ui
