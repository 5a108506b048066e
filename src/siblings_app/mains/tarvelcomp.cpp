// tarvelcomp PLOTFILE CURRENCY: the scenario comparer the planner starts beside itself.
#include <QApplication>

#include "siblings_app/comparer_window.h"
#include "siblings_app/sibling_arguments.h"
#include "siblings_app/sibling_output.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("tarvelcomp");
  QApplication::setApplicationVersion(TARVEL_VERSION);
  using namespace tarvel::siblings_app;
  const QStringList arguments = ParseSiblingArguments(
      application,
      {"Tarvel scenario comparer: the current plan beside up to three more (graph files, plot "
       "files or scenario files), their net worth on one graph and their figures side by side.",
       {"PLOTFILE", "CURRENCY", "[PLAN...]"},
       {"The plot file of the planner's last run (plotinf01.tmp).",
        "Dollars, Pounds, Euros or Yen.",
        "Up to three more plans to compare: graph files (*.tvp), plot files or scenario files "
        "(*.ret)."}});
  ComparerWindow window(ArgumentOr(arguments, 0, "plotinf01.tmp"),
                        CurrencyOfWord(ArgumentOr(arguments, 1, "Dollars")));
  for (const QString& plan : arguments.mid(2)) {
    if (window.AddPlan(plan)) window.Refresh();
  }
  window.show();
  return application.exec();
}
