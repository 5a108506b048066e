// The graph page widget on a real run of a sample scenario: every kind paints, the legend
// keys and the style cycle change the page, and the pie is entered and left by double-click.
#include "app/graph_page.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
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

TEST(GraphPageWidget, ALeftClickReadsTheValueAtThePointer) {
  SampleRun sample;
  GraphPage page(GraphKind::NetWorth);
  page.resize(800, 600);
  page.SetRun(*sample.run, *sample.scenario);
  QTest::mouseClick(&page, Qt::LeftButton, {}, QPoint(300, 200));
  ASSERT_EQ(page.callout_lines().size(), 1u);
  EXPECT_EQ(page.callout_lines()[0].rfind("$", 0), 0u);
}

}  // namespace
}  // namespace tarvel::app
