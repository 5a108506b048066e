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

  // Deletes every tab and inserts them again with these captions, selecting one. Tab k shows
  // folder k.
  void RebuildTabs(const std::vector<std::string>& captions, int selected);
  // Inserts the tab of a folder numbered outside the caption list at this position.
  void InsertFolderTab(int position, const std::string& caption, int folder);
  // Puts the tab strip back on a folder's tab without asking to switch.
  void SelectTabQuietly(int folder);
  void AddPage(QWidget* page);
  void ShowPage(QWidget* page);

  QTabBar* tab_bar() const { return tabs_; }
  QWidget* current_page() const;

 signals:
  // The user chose another tab: the folder it shows.
  void FolderRequested(int folder);

 private:
  QTabBar* tabs_;
  QStackedWidget* pages_;
  bool quiet_ = false;
};

}  // namespace tarvel::app
