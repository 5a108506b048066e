// tarvelviewer [FILE]: the viewer the planner starts beside itself.
#include <QApplication>
#include <QTimer>

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
                    {"The file to show; without one the viewer starts by asking for it."}});
  ViewerWindow window;
  window.show();
  // Started from the planner's menu with no file: the window opens asking which file to show.
  if (arguments.isEmpty()) {
    QTimer::singleShot(0, &window, [&window] { window.Open(); });
  } else {
    window.Load(arguments.front());
  }
  return application.exec();
}
