// Help pages in their own window; a missing page falls back to the contents page. The
// contents, index and search tabs are filled from the help folder the first page comes from.
#include "app/help_window.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QIcon>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "app/data_paths.h"
#include "app/list_colours.h"
#include "app/window_placement.h"

namespace tarvel::app {
namespace {

// Where the help window opens, inside the screen's available area, and its size in
// characters of the window's font: lines of a readable length beside the contents titles.
constexpr int kHelpLeft = 40;
constexpr int kHelpTop = 40;
constexpr int kHelpColumns = 105;
constexpr int kHelpLines = 32;
constexpr int kNavigationColumns = 30;
constexpr int kFileRole = Qt::UserRole;

QIcon ThemeIcon(const char* name, QStyle::StandardPixmap fallback, QWidget* widget) {
  return QIcon::fromTheme(name, widget->style()->standardIcon(fallback));
}

}  // namespace

QString HelpPageName(int context) {
  if (context == platform::kHelpContents) return "contents.html";
  if (context == platform::kHelpOnHelp) return "using-help.html";
  return QString("%1.html").arg(context);
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setWindowTitle(tr("Tarvel Financial Planner Help"));
  setObjectName("help_window");
  const int help_width = fontMetrics().averageCharWidth() * kHelpColumns;
  const int navigation_width = fontMetrics().averageCharWidth() * kNavigationColumns;
  PlaceInsideScreen(
      *this, QRect(kHelpLeft, kHelpTop, help_width, fontMetrics().lineSpacing() * kHelpLines));
  browser_ = new QTextBrowser(this);
  browser_->setOpenExternalLinks(true);
  auto* tools = new QToolBar(this);
  tools->setIconSize(QSize(16, 16));
  tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  QAction* back = tools->addAction(ThemeIcon("go-previous", QStyle::SP_ArrowBack, this), tr("Back"),
                                   browser_, &QTextBrowser::backward);
  QAction* forward = tools->addAction(ThemeIcon("go-next", QStyle::SP_ArrowForward, this),
                                      tr("Forward"), browser_, &QTextBrowser::forward);
  tools->addAction(ThemeIcon("go-home", QStyle::SP_DirHomeIcon, this), tr("Contents"), this,
                   [this] { ShowPage(platform::kHelpContents); });
  back->setShortcut(QKeySequence::Back);
  forward->setShortcut(QKeySequence::Forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  back->setEnabled(false);
  forward->setEnabled(false);
  navigation_ = new QTabWidget(this);
  navigation_->addTab(BuildContentsTab(), tr("Contents"));
  navigation_->addTab(BuildIndexTab(), tr("Index"));
  navigation_->addTab(BuildSearchTab(), tr("Search"));
  auto* splitter = new QSplitter(this);
  splitter->addWidget(navigation_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({navigation_width, help_width - navigation_width});
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(tools);
  layout->addWidget(splitter);
  ShowLinksReadably();
}

// A dark palette that kept the light look's blue links gets them in a lighter blue.
void HelpWindow::ShowLinksReadably() {
  QPalette shown = palette();
  for (QPalette::ColorRole role : {QPalette::Link, QPalette::LinkVisited}) {
    shown.setColor(role, RowInPalette(Qt::white, shown.color(role), shown).text);
  }
  browser_->setPalette(shown);
}

void HelpWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) ShowLinksReadably();
}

QWidget* HelpWindow::BuildContentsTab() {
  contents_list_ = new QListWidget(this);
  connect(contents_list_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { OpenFile(item->data(kFileRole).toString()); });
  connect(contents_list_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { OpenFile(item->data(kFileRole).toString()); });
  return contents_list_;
}

QWidget* HelpWindow::BuildIndexTab() {
  auto* tab = new QWidget(this);
  index_filter_ = new QLineEdit(tab);
  index_filter_->setPlaceholderText(tr("Type a word"));
  index_filter_->setClearButtonEnabled(true);
  index_list_ = new QListWidget(tab);
  connect(index_filter_, &QLineEdit::textChanged, this, &HelpWindow::FilterIndex);
  connect(index_list_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { OpenFile(item->data(kFileRole).toString()); });
  connect(index_list_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { OpenFile(item->data(kFileRole).toString()); });
  auto* layout = new QVBoxLayout(tab);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(index_filter_);
  layout->addWidget(index_list_);
  return tab;
}

QWidget* HelpWindow::BuildSearchTab() {
  auto* tab = new QWidget(this);
  search_box_ = new QLineEdit(tab);
  search_box_->setPlaceholderText(tr("Search the help"));
  search_box_->setClearButtonEnabled(true);
  search_results_ = new QListWidget(tab);
  connect(search_box_, &QLineEdit::textChanged, this, &HelpWindow::ShowSearchResults);
  connect(search_results_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { OpenFile(item->data(kFileRole).toString()); });
  connect(search_results_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { OpenFile(item->data(kFileRole).toString()); });
  auto* layout = new QVBoxLayout(tab);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(search_box_);
  layout->addWidget(search_results_);
  return tab;
}

void HelpWindow::LoadCatalog(const QString& folder) {
  if (folder == folder_) return;
  folder_ = folder;
  catalog_ = HelpCatalog::Read(folder);
  contents_list_->clear();
  for (const HelpPage& page : catalog_.pages()) {
    auto* item = new QListWidgetItem(page.title, contents_list_);
    item->setData(kFileRole, page.file);
  }
  FilterIndex(index_filter_->text());
  ShowSearchResults(search_box_->text());
}

void HelpWindow::FilterIndex(const QString& text) {
  index_list_->clear();
  for (const HelpIndexEntry& entry : catalog_.Index()) {
    if (!entry.keyword.startsWith(text.trimmed(), Qt::CaseInsensitive)) continue;
    const QString title = catalog_.TitleOf(entry.file);
    const QString shown = title.compare(entry.keyword, Qt::CaseInsensitive) == 0
                              ? entry.keyword
                              : QString("%1 \u2013 %2").arg(entry.keyword, title);
    auto* item = new QListWidgetItem(shown, index_list_);
    item->setData(kFileRole, entry.file);
  }
}

void HelpWindow::ShowSearchResults(const QString& query) {
  search_results_->clear();
  for (const HelpPage* page : catalog_.Search(query)) {
    auto* item = new QListWidgetItem(page->title, search_results_);
    item->setData(kFileRole, page->file);
  }
}

void HelpWindow::OpenFile(const QString& file) {
  if (folder_.isEmpty()) return;
  browser_->setSource(QUrl::fromLocalFile(folder_ + "/" + file));
}

void HelpWindow::ShowPage(int context) {
  QString path = FindDataFile("help/" + HelpPageName(context));
  if (path.isEmpty()) path = FindDataFile("help/" + HelpPageName(platform::kHelpContents));
  if (path.isEmpty()) {
    browser_->setHtml(
        tr("<h2>Help</h2><p>The help pages are not installed. They belong in "
           "the folder <tt>help</tt> of the planner's data folder.</p>"));
    return;
  }
  LoadCatalog(QFileInfo(path).absolutePath());
  browser_->setSearchPaths({QFileInfo(path).absolutePath()});
  browser_->setSource(QUrl::fromLocalFile(path));
}

// A modal dialog blocks every window but its own: while one is open, the help window becomes
// a window of that dialog, so it can be read, scrolled and typed in beside it.
void QtHelp::ShowTopic(int context) {
  if (window_ == nullptr) window_ = new HelpWindow(parent_);
  window_->ShowPage(context);
  QWidget* modal = QApplication::activeModalWidget();
  if (modal != nullptr && modal != window_ && !modal->isAncestorOf(window_)) HandTo(modal);
  window_->show();
  window_->raise();
  window_->activateWindow();
}

void QtHelp::HandTo(QWidget* owner) {
  if (owner == window_->parentWidget()) return;
  if (window_->parentWidget() != nullptr) window_->parentWidget()->removeEventFilter(&watcher_);
  const QRect geometry = window_->geometry();
  const bool shown = window_->isVisible();
  window_->setParent(owner, window_->windowFlags());
  window_->setGeometry(geometry);
  if (shown) window_->show();
  if (owner != parent_) owner->installEventFilter(&watcher_);
}

// The dialog that holds the help window is closing: the help window stays open and goes to
// the next dialog still open, else back to the main window.
void QtHelp::OwnerClosing(QWidget* owner) {
  if (window_ == nullptr || window_->parentWidget() != owner) return;
  QWidget* next = parent_;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget != owner && widget->isModal() && widget->isVisible()) next = widget;
  }
  HandTo(next);
}

bool QtHelp::OwnerWatcher::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Hide && watched->isWidgetType()) {
    help_.OwnerClosing(static_cast<QWidget*>(watched));
  }
  return false;
}

}  // namespace tarvel::app
