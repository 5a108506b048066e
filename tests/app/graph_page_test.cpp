// The graph page widget on a real run of a sample scenario: every kind paints, the legend
// keys and the style cycle change the page, the pie is entered and left by double-click, and
// the context menu, a drag, the wheel and the status hint work the zoom and the styles.
#include "app/graph_page.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <memory>
#include <vector>

#include "engine/run_scenario.h"
#include "model/atomic_file.h"
#include "model/scenario_codec.h"
#include "model/scenario_ops.h"

namespace tarvel::app {
namespace {

using graphs::GraphKind;

struct SampleRun {
  std::unique_ptr<model::Scenario> scenario = std::make_unique<model::Scenario>();
  std::unique_ptr<engine::Run> run = std::make_unique<engine::Run>();

  SampleRun() {
    std::vector<std::uint8_t> bytes;
    const std::string path = std::string(TARVEL_EXAMPLES_BUILD_DIR) + "/couple-saving.ret";
    EXPECT_TRUE(model::ReadFileBytes(path, 1u << 24, bytes)) << path;
    EXPECT_TRUE(model::DecodeScenario(bytes, *scenario).valid);
    model::RecomputeInitialTotals(*scenario);
    run->options.write_run_files = false;
    engine::RunScenario(*scenario, *run);
  }
};

QImage Grab(GraphPage& page) { return page.grab().toImage(); }

// Something besides the white background was painted.
bool Painted(const QImage& image) {
  for (int y = 0; y < image.height(); y += 4) {
    for (int x = 0; x < image.width(); x += 4) {
      if (image.pixelColor(x, y) != QColor(Qt::white)) return true;
    }
  }
  return false;
}

TEST(GraphPageWidget, PaintsEveryKindAndTheSummaryPage) {
  SampleRun sample;
  for (GraphKind kind :
       {GraphKind::NetWorth, GraphKind::InOut, GraphKind::Incoming, GraphKind::Outgoing,
        GraphKind::Accounts, GraphKind::Groups, GraphKind::Allocation}) {
    GraphPage page(kind);
    page.resize(800, 600);
    page.SetRun(*sample.run, *sample.scenario);
    EXPECT_TRUE(Painted(Grab(page))) << static_cast<int>(kind);
  }
  GraphPage summary(GraphKind::NetWorth, graphs::PageLayout::Summary);
  summary.resize(900, 700);
  summary.SetRun(*sample.run, *sample.scenario);
  EXPECT_TRUE(Painted(Grab(summary)));
  QTest::keyClick(&summary, Qt::Key_Right);
  EXPECT_EQ(summary.state().selected_period(), 1);
}

TEST(GraphPageWidget, LegendKeysChangeTheLegendAndThePicture) {
  SampleRun sample;
  GraphPage page(GraphKind::NetWorth);
  page.resize(800, 600);
  page.SetRun(*sample.run, *sample.scenario);
  const QImage with_legend = Grab(page);
  QTest::keyClick(&page, Qt::Key_N);
  EXPECT_TRUE(page.state().legend_hidden());
  EXPECT_NE(Grab(page), with_legend);
  QTest::keyClick(&page, Qt::Key_L);
  EXPECT_FALSE(page.state().legend_hidden());
  QTest::keyClick(&page, Qt::Key_L);
  EXPECT_TRUE(page.state().legend_in_front());
}

TEST(GraphPageWidget, RightDoubleClickCyclesTheStyle) {
  SampleRun sample;
  GraphPage page(GraphKind::Incoming);
  page.resize(800, 600);
  page.SetRun(*sample.run, *sample.scenario);
  QTest::mouseDClick(&page, Qt::RightButton, {}, QPoint(400, 300));
  EXPECT_EQ(page.state().style(), graphs::ChartStyle::Bar);
  QTest::mouseDClick(&page, Qt::RightButton, {}, QPoint(400, 300));
  EXPECT_EQ(page.state().style(), graphs::ChartStyle::Bar3D);
  QTest::mouseDClick(&page, Qt::RightButton, {}, QPoint(400, 300));
  EXPECT_EQ(page.state().style(), graphs::ChartStyle::Line);
}

TEST(GraphPageWidget, DoubleClickOpensThePieAndReturns) {
  SampleRun sample;
  GraphPage page(GraphKind::NetWorth);
  page.resize(800, 600);
  page.SetRun(*sample.run, *sample.scenario);
  QTest::mouseDClick(&page, Qt::LeftButton, {}, QPoint(400, 300));
  ASSERT_TRUE(page.state().InBreakdown());
  QTest::mouseMove(&page, QPoint(500, 300));
  QTest::mouseDClick(&page, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(page.state().kind(), GraphKind::NetWorth);
}

TEST(GraphPageWidget, ShiftClicksZoomAndAShiftRightClickReturns) {
  SampleRun sample;
  GraphPage page(GraphKind::NetWorth);
  page.resize(800, 600);
  page.SetRun(*sample.run, *sample.scenario);
  QTest::mouseClick(&page, Qt::LeftButton, Qt::ShiftModifier, QPoint(200, 300));
  QTest::mouseClick(&page, Qt::LeftButton, Qt::ShiftModifier, QPoint(500, 200));
  QTest::mouseClick(&page, Qt::RightButton, Qt::ShiftModifier, QPoint(500, 200));
  ASSERT_TRUE(page.state().view().zoomed);
  EXPECT_LT(page.state().view().Periods(), page.state().run_periods());
  QTest::mouseClick(&page, Qt::RightButton, Qt::ShiftModifier, QPoint(500, 200));
  EXPECT_FALSE(page.state().view().zoomed);
}

TEST(GraphPageWidget, ALeftClickReadsEverySeriesAtTheAgeWhateverThePointersHeight) {
  SampleRun sample;
  GraphPage page(GraphKind::NetWorth);
  page.resize(800, 600);
  page.SetRun(*sample.run, *sample.scenario);
  QTest::mouseClick(&page, Qt::LeftButton, {}, QPoint(300, 200));
  const std::vector<std::string> high = page.callout_lines();
  ASSERT_GE(high.size(), 7u);  // the age and the six series of the net worth graph
  EXPECT_EQ(high[0].rfind("Age ", 0), 0u);
  EXPECT_EQ(high[1].rfind("Net Worth: $", 0), 0u);
  EXPECT_EQ(high[2].rfind("Investment Accounts: ", 0), 0u);
  QTest::mouseClick(&page, Qt::LeftButton, {}, QPoint(300, 400));
  EXPECT_EQ(page.callout_lines(), high);
}

class GraphPageGestures : public ::testing::Test {
 protected:
  void SetUp() override {
    page_.resize(800, 600);
    page_.SetRun(*sample_.run, *sample_.scenario);
  }

  // The action of the page's context menu at the point, by object name.
  QAction* MenuAction(const char* name, QPoint at = QPoint(400, 300)) {
    menu_ = page_.MakeContextMenu(at);
    return menu_->findChild<QAction*>(QString::fromLatin1(name));
  }

  void Drag(QPoint from, QPoint to) {
    QTest::mousePress(&page_, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, to, page_.mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&page_, &move);
    QTest::mouseRelease(&page_, Qt::LeftButton, {}, to);
  }

  void Wheel(QPoint at, int angle) {
    QWheelEvent wheel(at, page_.mapToGlobal(at), {}, QPoint(0, angle), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&page_, &wheel);
  }

  SampleRun sample_;
  GraphPage page_{GraphKind::NetWorth};
  std::unique_ptr<QMenu> menu_;
};

TEST_F(GraphPageGestures, TheContextMenuOffersZoomStylesPieAndImages) {
  const QPoint at(400, 300);
  QAction* zoom = MenuAction("zoom_in_action", at);
  ASSERT_NE(zoom, nullptr);
  EXPECT_TRUE(zoom->isEnabled());
  QAction* reset = menu_->findChild<QAction*>("reset_zoom_action");
  ASSERT_NE(reset, nullptr);
  EXPECT_FALSE(reset->isEnabled());  // nothing is zoomed
  ASSERT_NE(menu_->findChild<QAction*>("copy_image_action"), nullptr);
  ASSERT_NE(menu_->findChild<QAction*>("save_image_action"), nullptr);

  QMenu* styles = menu_->findChild<QMenu*>("style_menu");
  ASSERT_NE(styles, nullptr);
  QStringList names;
  for (QAction* action : styles->actions()) names << action->text();
  EXPECT_EQ(names, QStringList({"&Line Graph", "&Bar Graph", "&3-D Bar Graph"}));
  EXPECT_TRUE(styles->actions()[0]->isChecked());
  styles->actions()[1]->trigger();
  EXPECT_EQ(page_.state().style(), graphs::ChartStyle::Bar);

  QAction* pie = MenuAction("pie_action", at);
  ASSERT_NE(pie, nullptr);
  EXPECT_TRUE(pie->text().startsWith("Show &Pie at Age ")) << pie->text().toStdString();
  pie->trigger();
  EXPECT_TRUE(page_.state().InBreakdown());
  MenuAction("pie_action", at)->trigger();  // back to the graph
  EXPECT_FALSE(page_.state().InBreakdown());
}

TEST_F(GraphPageGestures, ResetZoomShowsTheWholeRunAgain) {
  QSignalSpy zooms(&page_, &GraphPage::ZoomChanged);
  Drag(QPoint(250, 300), QPoint(500, 300));
  ASSERT_TRUE(page_.state().view().zoomed);
  EXPECT_LT(page_.state().view().Periods(), page_.state().run_periods());
  QAction* reset = MenuAction("reset_zoom_action");
  ASSERT_TRUE(reset->isEnabled());
  reset->trigger();
  EXPECT_FALSE(page_.state().view().zoomed);
  EXPECT_EQ(page_.state().view().Periods(), page_.state().run_periods());
  EXPECT_EQ(zooms.count(), 2);
}

TEST_F(GraphPageGestures, ADragAcrossAgesBelowTheZeroLineZooms) {
  const int below_zero = page_.painted().chart.y0 + 10;  // over the age labels
  Drag(QPoint(250, 150), QPoint(500, below_zero));
  EXPECT_TRUE(page_.state().view().zoomed);
  EXPECT_TRUE(page_.callout_lines().empty());  // a drag is no click
}

TEST_F(GraphPageGestures, TheWheelZoomsTheAgesAndBack) {
  const int all = page_.state().run_periods();
  Wheel(QPoint(400, 300), 120);
  ASSERT_TRUE(page_.state().view().zoomed);
  EXPECT_LT(page_.state().view().Periods(), all);
  for (int i = 0; i < 5; ++i) Wheel(QPoint(400, 300), -120);
  EXPECT_FALSE(page_.state().view().zoomed);
  EXPECT_EQ(page_.state().view().Periods(), all);
}

TEST_F(GraphPageGestures, ZoomInOnARangeAsksForTheAges) {
  const int first_age = static_cast<int>(sample_.scenario->initial.start_age);
  QTimer::singleShot(0, [first_age] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QSpinBox*>("zoom_from_age")->setValue(first_age + 5);
    dialog->findChild<QSpinBox*>("zoom_to_age")->setValue(first_age + 10);
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  MenuAction("zoom_in_action")->trigger();
  ASSERT_TRUE(page_.state().view().zoomed);
  EXPECT_EQ(page_.state().view().first_period, 5);
  EXPECT_EQ(page_.state().view().Periods(), 6);
}

TEST_F(GraphPageGestures, ARightClickOpensTheMenuAndARightDoubleClickDoesNot) {
  page_.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&page_));
  QTest::mouseClick(&page_, Qt::RightButton, {}, QPoint(400, 300));
  QMenu* menu = nullptr;
  QTRY_VERIFY((menu = page_.findChild<QMenu*>("graph_context_menu")) != nullptr);
  menu->close();
  QTest::qWait(0);
  QTest::mouseDClick(&page_, Qt::RightButton, {}, QPoint(400, 300));
  EXPECT_EQ(page_.state().style(), graphs::ChartStyle::Bar);
  QTest::qWait(QApplication::doubleClickInterval() + 100);
  EXPECT_EQ(page_.findChild<QMenu*>("graph_context_menu"), nullptr);
}

TEST_F(GraphPageGestures, TheImageIsCopiedAndSaved) {
  MenuAction("copy_image_action")->trigger();
  EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(800, 600));
  QTemporaryDir folder;
  const QString path = folder.filePath("net-worth.png");
  EXPECT_TRUE(page_.SaveImage(path));
  EXPECT_EQ(QImage(path).size(), QSize(800, 600));
  QString reason;
  EXPECT_FALSE(page_.SaveImage(folder.filePath("missing/folder/graph.png"), &reason));
  EXPECT_FALSE(reason.isEmpty());
}

TEST_F(GraphPageGestures, ThePointerOverThePageGetsAHint) {
  QSignalSpy hints(&page_, &GraphPage::StatusHint);
  QEnterEvent enter(QPointF(400, 300), QPointF(400, 300), QPointF(400, 300));
  QApplication::sendEvent(&page_, &enter);
  ASSERT_EQ(hints.count(), 1);
  const QString hint = hints.takeFirst().at(0).toString();
  EXPECT_TRUE(hint.contains("wheel: zoom")) << hint.toStdString();
  EXPECT_TRUE(hint.contains("Right-click: menu")) << hint.toStdString();
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&page_, &leave);
  ASSERT_EQ(hints.count(), 1);
  EXPECT_TRUE(hints.takeFirst().at(0).toString().isEmpty());
}

}  // namespace
}  // namespace tarvel::app
