// tarveltplot trade.tmp CURRENCY: the plotter the planner starts after its analysis wrote the file.
#include <QApplication>

#include "siblings_app/sibling_arguments.h"
#include "siblings_app/sibling_output.h"
#include "siblings_app/xy_plot_window.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("tarveltplot");
  QApplication::setApplicationVersion(TARVEL_VERSION);
  using namespace tarvel::siblings_app;
  const QStringList arguments = ParseSiblingArguments(
      application, {"Tarvel trade-off plotter: the value of each option of the trade-off analysis "
                    "after each number of periods.",
                    {"GRAPHFILE", "CURRENCY"},
                    {"The trade-off graph file the planner writes (trade.tmp).",
                     "Dollars, Pounds, Euros or Yen."}});
  XyPlotWindow window(QObject::tr("Tarvel Trade-Off Plot"), QObject::tr("Period"),
                      tarvel::siblings::TradeOffChart,
                      CurrencyOfWord(ArgumentOr(arguments, 1, "Dollars")));
  window.Load(ArgumentOr(arguments, 0, "trade.tmp"));
  window.show();
  return application.exec();
}
