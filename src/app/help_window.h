// The help window: the HTML page of a help context from data/help/, in a text browser with
// back, forward and contents buttons, beside the contents, the index and a search box.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "app/help_catalog.h"
#include "platform/help.h"

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;

namespace tarvel::app {

// "contents.html", "using-help.html" or "<context>.html".
QString HelpPageName(int context);

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);
  void ShowPage(int context);
  QTextBrowser* browser() const { return browser_; }
  QTabWidget* navigation() const { return navigation_; }
  QListWidget* index_list() const { return index_list_; }
  QLineEdit* search_box() const { return search_box_; }
  QListWidget* search_results() const { return search_results_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void ShowLinksReadably();
  QWidget* BuildContentsTab();
  QWidget* BuildIndexTab();
  QWidget* BuildSearchTab();
  void LoadCatalog(const QString& folder);
  void FilterIndex(const QString& text);
  void ShowSearchResults(const QString& query);
  void OpenFile(const QString& file);

  QTextBrowser* browser_;
  QTabWidget* navigation_;
  QListWidget* contents_list_ = nullptr;
  QLineEdit* index_filter_ = nullptr;
  QListWidget* index_list_ = nullptr;
  QLineEdit* search_box_ = nullptr;
  QListWidget* search_results_ = nullptr;
  QString folder_;
  HelpCatalog catalog_;
};

// Opens the help window in front, usable while a modal dialog is open.
class QtHelp : public platform::Help {
 public:
  explicit QtHelp(QWidget* parent = nullptr) : parent_(parent), watcher_(*this) {}
  void set_parent(QWidget* parent) { parent_ = parent; }
  void ShowTopic(int context) override;
  HelpWindow* window() const { return window_; }

 private:
  // Notices the hiding of the dialog the help window belongs to.
  class OwnerWatcher : public QObject {
   public:
    explicit OwnerWatcher(QtHelp& help) : help_(help) {}
    bool eventFilter(QObject* watched, QEvent* event) override;

   private:
    QtHelp& help_;
  };

  // Makes the help window a window of this owner, keeping its place and whether it shows.
  void HandTo(QWidget* owner);
  void OwnerClosing(QWidget* owner);

  QWidget* parent_;
  QPointer<HelpWindow> window_;
  OwnerWatcher watcher_;
};

}  // namespace tarvel::app
