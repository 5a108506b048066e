// The sibling programs' windows on the files the planner hands them: each shows its content,
// and a missing or damaged file is named in the window with what is wrong, never an empty
// window.
#include <gtest/gtest.h>

#include <QString>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "siblings/xy_graph_file.h"
#include "siblings_app/comparer_window.h"
#include "siblings_app/graph_viewer_window.h"
#include "siblings_app/viewer_window.h"
#include "siblings_app/xy_plot_window.h"
#include "support/temp_folder.h"

namespace tarvel::siblings_app {
namespace {

QString Sample(const std::string& name) {
  return QString::fromStdString(std::string(TARVEL_EXAMPLES_BUILD_DIR) + "/" + name);
}

void Write(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::unique_ptr<XyPlotWindow> TradeOffWindow() {
  return std::make_unique<XyPlotWindow>("Trade-Off", "Period", siblings::TradeOffChart,
                                        model::Currency{});
}

// Each window type opened on a path, answering with what it shows as its problem.
struct Sibling {
  std::string name;
  std::function<QString(const QString& path)> problem_on;
};

std::vector<Sibling> Siblings() {
  return {
      {"graph viewer", [](const QString& path) { return GraphViewerWindow(path, {}).problem(); }},
      {"comparer", [](const QString& path) { return ComparerWindow(path, {}).problem(); }},
      {"trade-off plotter",
       [](const QString& path) {
         auto window = TradeOffWindow();
         window->Load(path);
         return window->problem();
       }},
      {"viewer",
       [](const QString& path) {
         ViewerWindow window;
         window.Load(path);
         return window.problem();
       }},
  };
}

TEST(SiblingWindows, NameAMissingOrDamagedFileAndWhatIsWrong) {
  test_support::TempFolder folder;
  const std::string missing = folder.File("gone.tvp");
  const std::string damaged = folder.File("damaged.tvp");
  Write(damaged, "this is not a graph file\n\x01\x02");
  for (const Sibling& sibling : Siblings()) {
    const QString on_missing = sibling.problem_on(QString::fromStdString(missing));
    EXPECT_TRUE(on_missing.contains("gone.tvp"))
        << sibling.name << ": " << on_missing.toStdString();
    if (sibling.name == "viewer") continue;  // any bytes are text to the viewer
    const QString on_damaged = sibling.problem_on(QString::fromStdString(damaged));
    EXPECT_TRUE(on_damaged.contains("damaged.tvp") && on_damaged.contains("damaged"))
        << sibling.name << ": " << on_damaged.toStdString();
  }
}

TEST(SiblingWindows, ShowWhatThePlannerHandsThem) {
  test_support::TempFolder folder;

  // The comparer runs scenario files itself: one column of figures per plan.
  ComparerWindow comparer(Sample("couple-saving.ret"), {});
  ASSERT_TRUE(comparer.problem().isEmpty()) << comparer.problem().toStdString();
  ASSERT_TRUE(comparer.AddPlan(Sample("single-drawdown.ret")));
  comparer.Refresh();
  ASSERT_EQ(comparer.table().columnCount(), 2);
  ASSERT_EQ(comparer.table().verticalHeaderItem(0)->text(), "Start age");
  EXPECT_EQ(comparer.table().item(0, 0)->text(), "45");
  EXPECT_EQ(comparer.table().item(0, 1)->text(), "58");

  // The trade-off plotter draws every period of its file.
  const std::string trade = folder.File("trade.tmp");
  Write(trade,
        "1\nDummy\nDummy\nDummy\nDummy\n3.000000\n2\nBuy\nRent\n"
        "0.0\n0.0\n0.000000 -1000.000000 0.000000 \n"
        "0.0\n0.0\n1.000000 -1100.000000 -150.000000 \n"
        "0.0\n0.0\n2.000000 -1200.000000 -300.000000 \nDone\nDone\n");
  auto plot = TradeOffWindow();
  plot->Load(QString::fromStdString(trade));
  ASSERT_TRUE(plot->showing_chart()) << plot->problem().toStdString();
  EXPECT_EQ(plot->chart().points.size(), 3u);
  EXPECT_EQ(plot->chart().names, (std::vector<std::string>{"Buy", "Rent"}));

  // The viewer finds text after the cursor and wraps once to the top.
  const std::string results = folder.File("plan.sch");
  Write(results, "Age 45\nRed flags at age(s):\nAge 46\n");
  ViewerWindow viewer;
  viewer.Load(QString::fromStdString(results));
  ASSERT_TRUE(viewer.showing_text());
  EXPECT_TRUE(viewer.FindNext("Red flags"));
  EXPECT_TRUE(viewer.FindNext("Red flags"));
  EXPECT_EQ(viewer.text().textCursor().selectedText(), "Red flags");
  EXPECT_FALSE(viewer.FindNext("Blue flags"));
}

}  // namespace
}  // namespace tarvel::siblings_app
