// The folder area under the toolbar: the tab strip with the folder captions, and the page of
// the folder that is showing.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QStackedWidget;
class QTabBar;

namespace tarvel::app {

class FolderArea : public QWidget {
  Q_OBJECT

 public:
  explicit FolderArea(QWidget* parent = nullptr);

  // Deletes every tab and inserts them again with these captions, selecting one.
  void RebuildTabs(const std::vector<std::string>& captions, int selected);
  // Puts the tab strip back on a tab without asking to switch.
  void SelectTabQuietly(int index);
  void AddPage(QWidget* page);
  void ShowPage(QWidget* page);

  QTabBar* tab_bar() const { return tabs_; }
  QWidget* current_page() const;

 signals:
  // The user chose another tab.
  void FolderRequested(int index);

 private:
  QTabBar* tabs_;
  QStackedWidget* pages_;
  bool quiet_ = false;
};

}  // namespace tarvel::app
