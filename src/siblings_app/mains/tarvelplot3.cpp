// tarvelplot3 PLOTFILE CURRENCY: the graph viewer the planner starts beside itself.
#include <QApplication>

#include "siblings_app/graph_viewer_window.h"
#include "siblings_app/sibling_arguments.h"
#include "siblings_app/sibling_output.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("tarvelplot3");
  QApplication::setApplicationVersion(TARVEL_VERSION);
  using namespace tarvel::siblings_app;
  const QStringList arguments = ParseSiblingArguments(
      application,
      {"Tarvel graph viewer: every graph of a plan's results, kept up to date while the "
       "planner re-runs the plan.",
       {"PLOTFILE", "CURRENCY"},
       {"The plot file of the planner's last run (plotinf01.tmp) or a saved graph file (*.tvp).",
        "Dollars, Pounds, Euros or Yen."}});
  GraphViewerWindow window(ArgumentOr(arguments, 0, "plotinf01.tmp"),
                           CurrencyOfWord(ArgumentOr(arguments, 1, "Dollars")));
  window.show();
  return application.exec();
}
