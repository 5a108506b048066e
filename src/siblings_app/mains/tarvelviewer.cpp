// tarvelviewer [FILE]: the viewer the planner starts beside itself.
#include <QApplication>

#include "siblings_app/sibling_arguments.h"
#include "siblings_app/viewer_window.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("tarvelviewer");
  QApplication::setApplicationVersion(TARVEL_VERSION);
  using namespace tarvel::siblings_app;
  const QStringList arguments = ParseSiblingArguments(
      application, {"Tarvel viewer: a results file (*.sch) or any text the planner writes, with "
                    "search and printing.",
                    {"[FILE]"},
                    {"The file to show; File, Open chooses one when none is given."}});
  ViewerWindow window;
  if (!arguments.isEmpty()) window.Load(arguments.front());
  window.show();
  return application.exec();
}
