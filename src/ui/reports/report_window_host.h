// What the report commands and the Mortgage editor ask of the desktop: the report window of
// one report, and the mortgage schedule window of the mortgage being edited.
#pragma once

#include "model/records.h"
#include "results/report_catalogue.h"

namespace tarvel::ui {

class ReportWindowHost {
 public:
  virtual ~ReportWindowHost() = default;
  // Shows the window of the report over the last run ("reportschedule").
  virtual void OpenReportWindow(results::ReportKind kind) = 0;
  // Shows the yearly schedule of the mortgage ("moschedule") until it is closed.
  virtual void OpenMortgageSchedule(const model::FinancialEvent& mortgage) = 0;
};

}  // namespace tarvel::ui
