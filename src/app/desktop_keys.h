// The keys preference of the main window: the planner's own accelerators by default, the
// desktop's standard keys on request (kept in the working directory's "keys.dat"), and the
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

// "keys.dat" in the folder: "desktop" selects the desktop's keys; anything else, or no file,
// the planner's.
ui::KeyScheme ReadKeyScheme(const std::string& folder);
bool WriteKeyScheme(const std::string& folder, ui::KeyScheme scheme);

class DesktopKeys : public QObject {
  Q_OBJECT

 public:
  // step(+1) and step(-1) move to the next and the previous folder.
  DesktopKeys(QMainWindow& window, MenuBuilder& menus, std::string folder,
              std::function<void(int step)> step);

  QAction* preference() const { return preference_; }
  ui::KeyScheme scheme() const { return scheme_; }
  void Apply(ui::KeyScheme scheme);

 private:
  MenuBuilder& menus_;
  std::string folder_;
  QAction* preference_;
  ui::KeyScheme scheme_ = ui::KeyScheme::Planner;
};

}  // namespace tarvel::app
