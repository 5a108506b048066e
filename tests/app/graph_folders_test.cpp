// The graph folders of the real main window on the sample scenario: a graph page of the
// folder's kind, refreshed by every run, the marked age, zooming into the plot file, Save
// Graphs and printing to PDF files.
#include "app/graph_folders.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QPrinter>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/graph_page.h"
#include "app/main_window_fixture.h"
#include "graphs/draw_chart.h"
#include "graphs/graph_kinds.h"
#include "support/fake_prompter.h"
#include "support/recording_canvas.h"

namespace tarvel::app {
namespace {

namespace fs = std::filesystem;
using graphs::GraphKind;

class GraphFoldersTest : public MainWindowFixture {
 protected:
  GraphPage* Page(int folder) { return window_->graph_folders().page(folder); }

  GraphPage* ShownPage() { return qobject_cast<GraphPage*>(window_->current_page()); }

  int RunPeriods() const { return static_cast<int>(session_->last_run().periods.size()); }

  // Line 5 of the plot file: the number of years it holds.
  std::string PlotFileYears() const {
    std::ifstream in(folder_.File("plotinf01.tmp"));
    std::string line;
    for (int i = 0; i < 5; ++i) std::getline(in, line);
    return line;
  }

  // Shift-clicks a range from 30 % to 60 % of the page's width and applies it.
  void Zoom(GraphPage* page) {
    const int width = page->width();
    const int height = page->height();
    QTest::mouseClick(page, Qt::LeftButton, Qt::ShiftModifier, QPoint(width * 3 / 10, height / 2));
    QTest::mouseClick(page, Qt::LeftButton, Qt::ShiftModifier, QPoint(width * 6 / 10, height / 3));
    QTest::mouseClick(page, Qt::RightButton, Qt::ShiftModifier, QPoint(width / 2, height / 2));
  }

  // The smallest and largest value of a kind's series over the periods a page shows.
  graphs::Extremes OwnValues(GraphKind kind, const graphs::ChartView& view) {
    const graphs::ChartSource source =
        graphs::MakeChartSource(session_->last_run(), session_->scenario());
    const graphs::KindSeries series = graphs::SeriesOfKind(kind, source, {});
    return graphs::FindExtremes(source.Data(), series.series, view.first_period, view.Periods());
  }

  int PdfPageCount(const std::string& path) const {
    const QString text = QString::fromLatin1(test_support::ReadText(path));
    return static_cast<int>(text.count(QRegularExpression("/Type\\s*/Page[^s]")));
  }
};

// Something besides the white background was painted.
bool Painted(const QImage& image) {
  for (int y = 0; y < image.height(); y += 4) {
    for (int x = 0; x < image.width(); x += 4) {
      if (image.pixelColor(x, y) != QColor(Qt::white)) return true;
    }
  }
  return false;
}

TEST_F(GraphFoldersTest, EachGraphFolderShowsAPageOfItsKindWithTheLastRun) {
  Start();
  window_->resize(1000, 680);
  const struct {
    int folder;
    GraphKind kind;
  } expected[] = {{0, GraphKind::NetWorth}, {4, GraphKind::NetWorth}, {5, GraphKind::InOut},
                  {6, GraphKind::Incoming}, {7, GraphKind::Outgoing}, {8, GraphKind::Groups},
                  {9, GraphKind::Accounts}};
  for (const auto& row : expected) {
    window_->SwitchFolder(row.folder);
    GraphPage* page = ShownPage();
    ASSERT_NE(page, nullptr) << row.folder;
    EXPECT_EQ(page, Page(row.folder));
    EXPECT_EQ(page->state().kind(), row.kind) << row.folder;
    EXPECT_EQ(page->state().run_periods(), RunPeriods()) << row.folder;
    EXPECT_TRUE(Painted(page->grab().toImage())) << row.folder;
  }
  EXPECT_NE(Page(0), Page(4));
  EXPECT_EQ(Page(1), nullptr);
  EXPECT_EQ(Page(3), nullptr);
  // The sample has six accounts: one accounts tab only.
  EXPECT_EQ(window_->graph_folders().Prepare(10, 6), nullptr);
}

TEST_F(GraphFoldersTest, AStaleScenarioRunsAgainAndEveryPageGetsTheNewRun) {
  Start();
  window_->SwitchFolder(4);
  const int before = Page(4)->state().run_periods();
  session_->scenario().initial.end_age -= 10;
  session_->state().results_stale = true;
  window_->SwitchFolder(8);
  EXPECT_FALSE(session_->state().results_stale);
  EXPECT_EQ(RunPeriods(), before - 10);
  for (int folder : {0, 4, 5, 6, 7, 8, 9}) {
    EXPECT_EQ(Page(folder)->state().run_periods(), before - 10) << folder;
  }
  window_->SwitchFolder(4);
  EXPECT_TRUE(Painted(ShownPage()->grab().toImage()));
}

TEST_F(GraphFoldersTest, TheAgeMarkedInTheResultsFolderReachesTheGraphPages) {
  Start();
  window_->MarkAge(70);
  for (int folder : {0, 4, 8, 9}) {
    ASSERT_TRUE(Page(folder)->state().marked_age().has_value()) << folder;
    EXPECT_EQ(*Page(folder)->state().marked_age(), 70.0f);
  }
  window_->MarkAge(0);
  EXPECT_FALSE(Page(4)->state().marked_age().has_value());
}

TEST_F(GraphFoldersTest, AZoomRunsAgainSoThePlotFileHoldsTheZoomedAges) {
  Start();
  window_->resize(1000, 680);
  window_->show();
  window_->SwitchFolder(4);
  const std::string whole = PlotFileYears();
  GraphPage* page = ShownPage();
  ASSERT_NE(page, nullptr);
  const int width = page->width();
  const int height = page->height();
  QTest::mouseClick(page, Qt::LeftButton, Qt::ShiftModifier, QPoint(width * 3 / 10, height / 2));
  QTest::mouseClick(page, Qt::LeftButton, Qt::ShiftModifier, QPoint(width * 6 / 10, height / 3));
  QTest::mouseClick(page, Qt::RightButton, Qt::ShiftModifier, QPoint(width / 2, height / 2));
  ASSERT_TRUE(page->state().view().zoomed);
  EXPECT_TRUE(window_->graph_folders().graph_range().set);
  EXPECT_LT(std::stod(PlotFileYears()), std::stod(whole));
  // The new run keeps the zoom on the page.
  EXPECT_TRUE(page->state().view().zoomed);
  QTest::mouseClick(page, Qt::RightButton, Qt::ShiftModifier, QPoint(width / 2, height / 2));
  EXPECT_FALSE(window_->graph_folders().graph_range().set);
  EXPECT_EQ(PlotFileYears(), whole);
}

TEST_F(GraphFoldersTest, AStyleZoomAndLegendChosenOnOnePageCarryToTheOthers) {
  Start();
  window_->resize(1000, 680);
  window_->show();
  window_->SwitchFolder(4);
  GraphPage* page = ShownPage();
  ASSERT_NE(page, nullptr);
  QTest::keyClick(page, Qt::Key_N);
  QTest::mouseDClick(page, Qt::RightButton, Qt::NoModifier, QPoint(page->width() / 2, 300));
  Zoom(page);
  ASSERT_TRUE(page->state().view().zoomed);
  for (int folder : {5, 6, 7, 8, 9, 0, 4}) {
    window_->SwitchFolder(folder);
    const graphs::GraphPageState state = ShownPage()->state();
    EXPECT_TRUE(state.legend_hidden()) << folder;
    EXPECT_EQ(state.style(), graphs::ChartStyle::Bar) << folder;
    EXPECT_TRUE(state.view().zoomed) << folder;
    EXPECT_EQ(state.view().first_period, page->state().view().first_period) << folder;
  }
}

// Each printed page, on a canvas of its own: letter paper at 300 dots per inch.
struct RecordingSink : platform::PageSink {
  std::vector<std::unique_ptr<test_support::RecordingCanvas>> pages;
  platform::Canvas* BeginPage() override {
    pages.push_back(std::make_unique<test_support::RecordingCanvas>(
        platform::Size{2550, 3300}, platform::Resolution{300, 300}));
    return pages.back().get();
  }
  void EndPage() override {}
};

// The largest value label of a page ("$170,000" gives 170000); 0 when there is none.
double TopLabel(const test_support::RecordingCanvas& canvas) {
  double top = 0;
  for (std::string text : canvas.Texts()) {
    if (!text.starts_with("$")) continue;
    std::erase(text, '$');
    std::erase(text, ',');
    top = std::max(top, std::stod(text));
  }
  return top;
}

TEST_F(GraphFoldersTest, AfterAZoomEveryPageDrawsItsOwnValuesOnScreenAndInPrint) {
  Start();
  window_->resize(1000, 680);
  window_->show();
  window_->SwitchFolder(4);
  Zoom(ShownPage());
  ASSERT_TRUE(ShownPage()->state().view().zoomed);
  const struct {
    int folder;
    GraphKind kind;
    std::size_t printed_page;
  } pages[] = {{5, GraphKind::InOut, 1}, {6, GraphKind::Incoming, 2}, {7, GraphKind::Outgoing, 3}};
  RecordingSink sink;
  ASSERT_TRUE(window_->graph_folders().PrintAllGraphsTo(sink, 4, graphs::ChartStyle::Line));
  for (const auto& row : pages) {
    window_->SwitchFolder(row.folder);
    GraphPage* page = ShownPage();
    page->grab();
    const graphs::Extremes own = OwnValues(row.kind, page->state().view());
    ASSERT_GT(own.maximum, 1000) << row.folder;  // the zoomed ages have values of this kind
    // The scale holds the page's own values and is not stretched to another graph's.
    const graphs::ValueScale& scale = page->painted().chart.scale;
    EXPECT_LE(scale.minimum, own.minimum) << row.folder;
    EXPECT_GE(scale.Top(), own.maximum) << row.folder;
    EXPECT_LT(scale.range, 2 * (own.maximum - own.minimum)) << row.folder;
    const double printed_top = TopLabel(*sink.pages[row.printed_page]);
    EXPECT_GE(printed_top, own.maximum - 1) << row.folder;
    EXPECT_LT(printed_top, 2 * own.maximum) << row.folder;
  }
}

TEST_F(GraphFoldersTest, TheHintOfTheGraphUnderThePointerShowsInTheStatusBar) {
  Start();
  window_->SwitchFolder(4);
  QEnterEvent enter(QPointF(200, 200), QPointF(200, 200), QPointF(200, 200));
  QApplication::sendEvent(ShownPage(), &enter);
  EXPECT_TRUE(window_->statusBar()->currentMessage().contains("Right-click: menu"))
      << window_->statusBar()->currentMessage().toStdString();
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(ShownPage(), &leave);
  EXPECT_TRUE(window_->statusBar()->currentMessage().isEmpty());
}

TEST_F(GraphFoldersTest, PrintedGraphsKeepThePageSetupMargins) {
  Start();
  session_->program().margins = {2000, 1500, 1000, 500};
  RecordingSink sink;
  ASSERT_TRUE(window_->graph_folders().PrintCurrentGraphTo(sink, 4));
  ASSERT_EQ(sink.pages.size(), 1u);
  // At 300 dots per inch the chart spans x 600 to 2250 from y 450: the title is centred on it.
  bool title = false;
  for (const std::string& line : sink.pages[0]->LinesStartingWith("text ")) {
    if (line.ends_with("\"NET WORTH\"")) title = line.starts_with("text 1425,450 ");
  }
  EXPECT_TRUE(title) << sink.pages[0]->Dump();
}

TEST_F(GraphFoldersTest, SaveGraphsWritesTheChosenGraphFile) {
  test_support::FakePrompter prompter;
  const std::string graph_file = folder_.File("mine.tvp");
  prompter.save_choices = {graph_file};
  Start(true, "", &prompter);
  session_->state().results_stale = true;
  EXPECT_EQ(window_->DispatchCommand(11), ui::DispatchResult::Done);
  EXPECT_FALSE(session_->state().results_stale);
  ASSERT_EQ(prompter.save_dialogs.size(), 1u);
  EXPECT_EQ(prompter.save_dialogs[0].title, "Save Graphs To a File");
  EXPECT_EQ(prompter.save_dialogs[0].filters[0].label, "Plot Files (*.TVP)");
  EXPECT_TRUE(prompter.messages.empty());
  ASSERT_TRUE(fs::exists(graph_file));
  const std::string saved = test_support::ReadText(graph_file);
  const std::string plot = test_support::ReadText(folder_.File("plotinf01.tmp"));
  EXPECT_EQ(saved.substr(0, saved.find('\n')), plot.substr(0, plot.find('\n')));
  EXPECT_EQ(saved.substr(saved.size() - 5), "Done\n");
}

TEST_F(GraphFoldersTest, PrintingWritesOnePdfPagePerGraph) {
  Start();
  const std::string current = folder_.File("current.pdf");
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(current));
  ASSERT_TRUE(window_->graph_folders().PrintCurrentGraphOn(printer, 4));
  EXPECT_EQ(test_support::ReadText(current).substr(0, 4), "%PDF");
  EXPECT_GT(fs::file_size(current), 1000u);
  EXPECT_EQ(PdfPageCount(current), 1);

  const std::string all = folder_.File("all.pdf");
  printer.setOutputFileName(QString::fromStdString(all));
  ASSERT_TRUE(window_->graph_folders().PrintAllGraphsOn(printer, 1, graphs::ChartStyle::Bar));
  // Five kinds and the one accounts tab of the sample.
  EXPECT_EQ(PdfPageCount(all), 6);
  EXPECT_FALSE(window_->graph_folders().PrintCurrentGraphOn(printer, 2));
}

TEST_F(GraphFoldersTest, PrintedGraphsHonourTheCopyCountWithPageSetupMargins) {
  Start();
  session_->program().margins = {2000, 1500, 1000, 500};
  const std::string copies = folder_.File("copies.pdf");
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(copies));
  printer.setCopyCount(3);
  ASSERT_TRUE(window_->graph_folders().PrintCurrentGraphOn(printer, 4));
  EXPECT_EQ(PdfPageCount(copies), 3);
}

TEST_F(GraphFoldersTest, PrintCurrentGraphIsOfferedOnGraphFoldersOnly) {
  Start();
  for (int folder : {0, 4, 8, 9}) {
    window_->SwitchFolder(folder);
    EXPECT_TRUE(Action(403)->isEnabled()) << folder;
    EXPECT_TRUE(Action(404)->isEnabled()) << folder;
  }
  for (int folder : {1, 2, 3}) {
    window_->SwitchFolder(folder);
    EXPECT_FALSE(Action(403)->isEnabled()) << folder;
  }
  window_->EnableScenarioCommands(true);
  EXPECT_FALSE(Action(403)->isEnabled());
}

}  // namespace
}  // namespace tarvel::app
