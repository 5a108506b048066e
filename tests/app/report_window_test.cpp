// The report window and the mortgage schedule window on the couple's sample: the Reports
// menu opens a banded list of the report with its titles, its buttons ask printing for the
// pages just written, and the Mortgage editor's Schedule button shows the yearly rows.
#include "app/report_window.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

#include "app/dialog_driving_fixture.h"
#include "app/mortgage_schedule_window.h"
#include "ui/shell/command_ids.h"

namespace tarvel::app {
namespace {

class ReportWindowTest : public DialogDrivingFixture {
 protected:
  void StartRecording() {
    Start(true, "", &prompter_);
    window_->report_windows().SetPrinter(
        [this](const results::ReportPrintRequest& request) { requests_.push_back(request); });
  }
  ReportWindow* OpenReport(int command) {
    Action(command)->trigger();
    const auto windows = window_->findChildren<ReportWindow*>();
    return windows.isEmpty() ? nullptr : windows.last();
  }
  static void Click(QWidget& window, const char* name) {
    auto* button = window.findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
  }
  std::vector<results::ReportPrintRequest> requests_;
};

TEST_F(ReportWindowTest, ReportsMenuOpensTheBandedReportAndItsButtonsPrintIt) {
  StartRecording();
  ReportWindow* report = OpenReport(891);
  ASSERT_NE(report, nullptr);
  EXPECT_EQ(report->objectName(), "reportschedule");
  EXPECT_EQ(report->windowTitle(), "Net Worth Report");
  QTreeWidget* list = report->list();
  EXPECT_EQ(list->headerItem()->text(0), "Age");
  EXPECT_EQ(list->headerItem()->text(1), "Net Worth");
  EXPECT_EQ(list->topLevelItemCount(), static_cast<int>(session_->last_run().periods.size()));
  EXPECT_NE(list->topLevelItem(0)->background(1), list->topLevelItem(1)->background(1));
  Click(*report, "print");
  report->selected_age()->setText(list->topLevelItem(2)->text(0));
  Click(*report, "print_selected_age");
  ASSERT_EQ(requests_.size(), 2u);
  EXPECT_EQ(requests_[0].report_kind, 1);
  EXPECT_EQ(requests_[0].title, "Net Worth");
  EXPECT_GE(requests_[0].page_count, 1);
  EXPECT_EQ(requests_[1].report_kind, 9);
  EXPECT_TRUE(prompter_.messages.empty());
  report->close();

  ReportWindow* table = OpenReport(909);
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->selected_age(), nullptr);
  EXPECT_EQ(table->list()->headerItem()->text(0), "Account Name");
  ASSERT_NE(OpenReport(917), nullptr);
  EXPECT_EQ(OpenReport(917)->windowTitle(), "Asset By Allocation Report");
}

TEST_F(ReportWindowTest, MortgageEditorScheduleShowsTheYearlyRows) {
  StartRecording();
  int rows = -1;
  OnNextDialog([&](TemplateDialog& dialog) {
    for (const Entry& entry : std::vector<Entry>{{102, "40"},
                                                 {103, "70"},
                                                 {104, "300000"},
                                                 {105, "60000"},
                                                 {106, "6"},
                                                 {107, "30"},
                                                 {114, "50"}}) {
      Enter(dialog, entry);
    }
    QTimer::singleShot(0, [&] {
      auto* schedule = qobject_cast<MortgageScheduleWindow*>(QApplication::activeModalWidget());
      if (schedule == nullptr) return;
      rows = schedule->list()->topLevelItemCount();
      Click(*schedule, "print");
      schedule->accept();
    });
    Press(dialog, 115);
    Press(dialog, 110);
  });
  Action(ui::kMortgageCommand)->trigger();
  EXPECT_TRUE(prompter_.messages.empty());
  EXPECT_EQ(rows, 11);  // ages 40 to the sale at 50
  ASSERT_EQ(requests_.size(), 1u);
  EXPECT_EQ(requests_[0].report_kind, 12);
}

}  // namespace
}  // namespace tarvel::app
