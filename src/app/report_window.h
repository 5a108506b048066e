// The report window ("reportschedule"): one report's screen page in a banded list, with OK,
// Print, the Selected Age field with Print Selected Age, and Save As; and the desktop's host
// of the report and mortgage schedule windows.
#pragma once

#include <QDialog>
#include <memory>

#include "results/report_print_request.h"
#include "ui/reports/report_window_host.h"
#include "ui/reports/report_window_presenter.h"

class QHBoxLayout;
class QLineEdit;
class QTreeWidget;

namespace tarvel::app {

class PlannerSession;

// The list colours of the report windows: white rows and the lightened band colour.
QColor ReportBandColour(PlannerSession& session);
// Fills a list with rows of text: column 0 left-aligned, the others right-aligned, white and
// band rows alternating.
void FillBandedList(QTreeWidget& list, const std::vector<std::string>& titles,
                    const std::vector<std::vector<std::string>>& rows, const QColor& band);

class ReportWindow : public QDialog {
  Q_OBJECT

 public:
  ReportWindow(std::unique_ptr<ui::ReportWindowPresenter> presenter, const QColor& band,
               QWidget* parent = nullptr);
  ~ReportWindow() override;

  ui::ReportWindowPresenter& presenter() { return *presenter_; }
  QTreeWidget* list() const { return list_; }
  QLineEdit* selected_age() const { return selected_age_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildButtons(QHBoxLayout& row);
  void SizeColumns();

  std::unique_ptr<ui::ReportWindowPresenter> presenter_;
  QTreeWidget* list_ = nullptr;
  QLineEdit* selected_age_ = nullptr;
};

// Opens the windows for the report commands and the Mortgage editor.
class ReportWindows : public ui::ReportWindowHost {
 public:
  ReportWindows(PlannerSession& session, QWidget& parent, results::ReportPrinter print)
      : session_(session), parent_(parent), print_(std::move(print)) {}

  void OpenReportWindow(results::ReportKind kind) override;
  void OpenMortgageSchedule(const model::FinancialEvent& mortgage) override;
  // Where Print and Save As send their pages.
  void SetPrinter(results::ReportPrinter print) { print_ = std::move(print); }

 private:
  PlannerSession& session_;
  QWidget& parent_;
  results::ReportPrinter print_;
};

}  // namespace tarvel::app
