// The keys of the main window: the desktop's standard keys by default, the planner's classic
// keys when the Edit menu's "Classic keys" is checked (remembered in "planner.ini"), and the
// folder keys Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgDown and Ctrl+PgUp in both.
#pragma once

#include <QObject>
#include <functional>
#include <string>

#include "ui/shell/key_schemes.h"

class QAction;
class QMainWindow;

namespace tarvel::app {

class MenuBuilder;
class PlannerSession;

// The scheme chosen in the folder: "keys=" of "planner.ini", else an older "keys.dat", else
// the standard keys.
ui::KeyScheme ReadKeyScheme(const std::string& folder);

class DesktopKeys : public QObject {
  Q_OBJECT

 public:
  // The choice is read from and written to the session's working directory; step(+1) and
  // step(-1) move to the next and the previous folder.
  DesktopKeys(QMainWindow& window, MenuBuilder& menus, PlannerSession& session,
              std::function<void(int step)> step);

  // The "Classic keys" check item of the Edit menu.
  QAction* preference() const { return preference_; }
  ui::KeyScheme scheme() const { return scheme_; }
  void Apply(ui::KeyScheme scheme);

 private:
  void Choose(ui::KeyScheme scheme);

  MenuBuilder& menus_;
  PlannerSession& session_;
  QAction* preference_;
  ui::KeyScheme scheme_ = ui::KeyScheme::Standard;
};

}  // namespace tarvel::app
