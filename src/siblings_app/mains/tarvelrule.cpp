// tarvelrule CURRENCY: the Rule 72T calculator the planner starts beside itself.
#include <QApplication>

#include "siblings_app/rule72t_window.h"
#include "siblings_app/sibling_arguments.h"
#include "siblings_app/sibling_output.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("tarvelrule");
  QApplication::setApplicationVersion(TARVEL_VERSION);
  using namespace tarvel::siblings_app;
  const QStringList arguments = ParseSiblingArguments(
      application,
      {"Tarvel Rule 72T calculator: the yearly distribution of a retirement balance by "
       "annuitization, amortization and minimum distribution, and the payments of the series.",
       {"CURRENCY"},
       {"Dollars, Pounds, Euros or Yen."}});
  Rule72TWindow window(CurrencyOfWord(ArgumentOr(arguments, 0, "Dollars")));
  window.show();
  return application.exec();
}
