// The results folder page on a real run: its rows, cells and colours through the model and
// the painted list, and the Go To, double-click and check-box paths through real widgets.
#include "app/results_folder_page.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/results_list_model.h"
#include "app/results_list_view.h"
#include "engine/run_scenario.h"
#include "model/scenario_ops.h"
#include "support/fake_launcher.h"
#include "support/fake_prompter.h"
#include "support/scenario_builder.h"
#include "support/temp_folder.h"

namespace tarvel::app {
namespace {

constexpr std::uint32_t kRedFlagColour = 0x0000E0;  // 0x00BBGGRR: a strong red

// A shell that runs a scenario built in the test with the real engine.
class EngineHost : public ui::ResultsFolderHost {
 public:
  EngineHost() : scenario_(test_support::MakeClearedScenario()) {
    auto& initial = scenario_->initial;
    initial.start_age = 50;
    initial.end_age = 60;
    initial.inflation_rate = 0;
    initial.tax_rate = 0;
    initial.dividend_tax_rate = 0;
    test_support::AddAccount(*scenario_, model::AccountType::Investment, 20000, 5, "Savings");
    auto& withdrawal = test_support::AddEvent(*scenario_, model::EventKind::Withdrawal, 52, 60);
    withdrawal.amount = 8000;
    withdrawal.account_24 = model::kNoAccount;
    withdrawal.description.assign("Living");
    model::RecomputeInitialTotals(*scenario_);
    scenario_->colours.colours[14] = kRedFlagColour;
    scenario_->colours.colours[15] = 0xC8C8C8;
    RunScenario(engine::RunOptions{});
  }

  const results::ScheduleRun& RunScenario(const engine::RunOptions& options) override {
    runs.push_back(options);
    run_ = std::make_unique<results::ScheduleRun>();
    run_->options = options;
    run_->options.workdir = folder_.path();
    run_->options.write_run_files = false;
    engine::RunScenario(*scenario_, *run_);
    return *run_;
  }
  const results::ScheduleRun& LastRun() const override { return *run_; }
  float StartAge() const override { return scenario_->initial.start_age; }
  float EndAge() const override { return scenario_->initial.end_age; }
  std::uint32_t Colour(int index) const override { return scenario_->colours.colours[index]; }
  bool ShowsPurchasingPower() const override { return false; }
  void ResetRateStatistics() override {}
  bool EditorIsOpen() override { return false; }
  bool EditInitialValues() override { return false; }
  void EditEvent(int slot) override { edited_events.push_back(slot); }
  void PrintResults() override {}
  void ShowHelp(int) override {}
  void MarkAge(int age) override { marked_ages.push_back(age); }
  void RefreshEventList() override {}
  void CloseResultsFolder() override {}
  void EditAccounts() override {}

  const test_support::TempFolder& folder() const { return folder_; }

  std::vector<engine::RunOptions> runs;
  std::vector<int> edited_events;
  std::vector<int> marked_ages;

 private:
  test_support::TempFolder folder_;
  std::unique_ptr<model::Scenario> scenario_;
  std::unique_ptr<results::ScheduleRun> run_;
};

class ResultsFolderPageTest : public ::testing::Test {
 protected:
  ResultsFolderPageTest() {
    page_.resize(1000, 600);
    page_.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&page_));
  }

  const results::ScheduleLines& Lines() const { return host_.LastRun().results().lines; }
  int RowContaining(const std::string& part) const {
    const auto& lines = Lines();
    const auto found = std::find_if(lines.begin(), lines.end(), [&](std::string_view line) {
      return line.find(part) != std::string_view::npos;
    });
    return found == lines.end() ? -1 : static_cast<int>(found - lines.begin());
  }
  int SummaryRow(int age) const { return host_.LastRun().results().age_line[age]; }
  QVariant Data(int row, int role) { return page_.model().data(Index(row), role); }
  QModelIndex Index(int row) { return page_.model().index(row, 0); }
  int TopRow() { return page_.list().indexAt(QPoint(2, 2)).row(); }
  QPushButton* Button(ui::ResultsCommand command) {
    return page_.findChild<QPushButton*>(QStringLiteral("control%1").arg(int(command)));
  }

  EngineHost host_;
  test_support::FakePrompter prompter_;
  test_support::FakeLauncher launcher_;
  ui::Keywords keywords_;
  ui::ResultsFolder folder_{host_, prompter_, launcher_, keywords_};
  ResultsFolderPage page_{folder_};
};

TEST_F(ResultsFolderPageTest, ShowsEveryLineOfTheRunAsOneRow) {
  ASSERT_GT(Lines().size(), 20u);
  EXPECT_EQ(page_.model().rowCount(), static_cast<int>(Lines().size()));
  const QHeaderView& header = page_.list().header();
  ASSERT_EQ(header.count(), 8);
  EXPECT_EQ(page_.model().headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Age");
  EXPECT_EQ(page_.model().headerData(7, Qt::Horizontal, Qt::DisplayRole).toString(), "Net Worth");
  EXPECT_GT(header.sectionSize(1), header.sectionSize(0));
}

TEST_F(ResultsFolderPageTest, ASummaryRowFillsTheEightColumns) {
  const int row = SummaryRow(50);
  ASSERT_GE(row, 0);
  EXPECT_EQ(Data(row, ResultsListModel::RowKindRole).toInt(), int(ui::RowKind::Summary));
  const QStringList cells = Data(row, ResultsListModel::CellsRole).toStringList();
  ASSERT_EQ(cells.size(), 8);
  EXPECT_TRUE(cells[0].startsWith("50.0"));
  EXPECT_EQ(cells[1], "$20,000.00");  // the Investment column
  for (const QString& cell : cells) EXPECT_FALSE(cell.isEmpty());
  EXPECT_EQ(cells[7], "$20,000.00");  // the net worth
}

TEST_F(ResultsFolderPageTest, RedFlagLinesUseColourFourteenAndRowsAlternateWithTheBand) {
  const int red_flag = RowContaining("Liquid accounts were depleted.");
  ASSERT_GE(red_flag, 0);
  EXPECT_EQ(Data(red_flag, Qt::ForegroundRole).value<QColor>(), QColor(0xE0, 0, 0));
  EXPECT_EQ(Data(SummaryRow(50), Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
  EXPECT_EQ(Data(0, Qt::BackgroundRole).value<QColor>(), QColor(Qt::white));
  EXPECT_EQ(Data(1, Qt::BackgroundRole).value<QColor>(), QColor(0xDA, 0xDA, 0xDA));
}

TEST_F(ResultsFolderPageTest, TheRedFlagLineIsPaintedInItsColour) {
  const int red_flag = RowContaining("Liquid accounts were depleted.");
  ASSERT_GE(red_flag, 0);
  page_.ScrollToRow(red_flag, ui::RowPlacement::AtTop);
  const QRect row_rect = page_.list().visualRect(Index(red_flag));
  const QImage image = page_.list().viewport()->grab(row_rect).toImage();
  int red_pixels = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (pixel.red() > 150 && pixel.green() < 80 && pixel.blue() < 80) ++red_pixels;
    }
  }
  EXPECT_GT(red_pixels, 10);
}

TEST_F(ResultsFolderPageTest, ThePagesOwnScrollBarPutsTheAgeAtItsThumbAtTheTop) {
  QScrollBar& ages = page_.age_scroll_bar();
  EXPECT_EQ(ages.minimum(), 50);
  EXPECT_EQ(ages.maximum(), 60);
  ages.setSliderPosition(53);
  ages.triggerAction(QAbstractSlider::SliderMove);
  EXPECT_EQ(folder_.target_age(), 53);
  EXPECT_EQ(TopRow(), SummaryRow(53));
  ages.triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(TopRow(), SummaryRow(54));
}

TEST_F(ResultsFolderPageTest, GoToChecksTheAgeAndPutsItsRowAtTheTop) {
  auto* edit = page_.findChild<QLineEdit*>("control120");
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->maxLength(), 9);
  edit->setText("200");
  QTest::mouseClick(Button(ui::ResultsCommand::GoTo), Qt::LeftButton);
  ASSERT_EQ(prompter_.messages.size(), 1u);
  EXPECT_EQ(prompter_.messages[0].caption, "AGE ERROR");

  edit->setText("55");
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(prompter_.messages.size(), 1u);
  EXPECT_EQ(TopRow(), SummaryRow(55));

  QTest::mouseClick(Button(ui::ResultsCommand::Top), Qt::LeftButton);
  EXPECT_EQ(TopRow(), 0);
}

TEST_F(ResultsFolderPageTest, DoubleClickOnASummaryRowMovesToItsAge) {
  const int row = SummaryRow(57);
  page_.ScrollToRow(row, ui::RowPlacement::Visible);
  const QRect rect = page_.list().visualRect(Index(row));
  QTest::mouseDClick(page_.list().viewport(), Qt::LeftButton, {}, rect.center());
  EXPECT_EQ(host_.marked_ages, std::vector<int>{57});
  EXPECT_EQ(page_.findChild<QLineEdit*>("control120")->text(), " 57");
  EXPECT_EQ(TopRow(), row);
}

TEST_F(ResultsFolderPageTest, ShowAccountsReRunsWithTheAccountLines) {
  const auto rows_before = page_.model().rowCount();
  auto* box = page_.findChild<QCheckBox*>("control118");
  ASSERT_NE(box, nullptr);
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
  EXPECT_TRUE(box->isChecked());
  ASSERT_FALSE(host_.runs.empty());
  EXPECT_TRUE(host_.runs.back().show_accounts);
  EXPECT_GT(page_.model().rowCount(), rows_before);
  EXPECT_EQ(page_.model().rowCount(), static_cast<int>(Lines().size()));
}

TEST_F(ResultsFolderPageTest, SaveWritesTheScheduleAndThePrintFileAndKeepsTheList) {
  const std::string path = host_.folder().File("plan.sch");
  prompter_.save_choices = {path};
  const int rows = page_.model().rowCount();
  QTest::mouseClick(Button(ui::ResultsCommand::Save), Qt::LeftButton);

  const std::string schedule = test_support::ReadText(path);
  EXPECT_NE(schedule.find("Living"), std::string::npos);  // the event listing
  EXPECT_NE(schedule.find(std::string(Lines()[SummaryRow(55)]) + "\n"), std::string::npos);
  const std::string print = test_support::ReadText(host_.folder().File("ptmpsch.dat"));
  EXPECT_NE(print.find("Living"), std::string::npos);
  EXPECT_EQ(print.find(Lines()[SummaryRow(55)]), std::string::npos);
  EXPECT_TRUE(prompter_.messages.empty());
  EXPECT_EQ(page_.model().rowCount(), rows);
}

}  // namespace
}  // namespace tarvel::app
