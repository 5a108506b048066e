// tarvelref ref.tmp CURRENCY: the plotter the planner starts after its analysis wrote the file.
#include <QApplication>

#include "siblings_app/sibling_arguments.h"
#include "siblings_app/sibling_output.h"
#include "siblings_app/xy_plot_window.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("tarvelref");
  QApplication::setApplicationVersion(TARVEL_VERSION);
  using namespace tarvel::siblings_app;
  const QStringList arguments = ParseSiblingArguments(
      application, {"Tarvel refinance plotter: the net worth of keeping the existing mortgage and "
                    "of refinancing it, month by month, with the break-even point.",
                    {"GRAPHFILE", "CURRENCY"},
                    {"The refinance graph file the planner writes (ref.tmp).",
                     "Dollars, Pounds, Euros or Yen."}});
  XyPlotWindow window(QObject::tr("Tarvel Refinance Plot"), QObject::tr("Month"),
                      tarvel::siblings::RefinanceChart,
                      CurrencyOfWord(ArgumentOr(arguments, 1, "Dollars")));
  window.Load(ArgumentOr(arguments, 0, "ref.tmp"));
  window.show();
  return application.exec();
}
