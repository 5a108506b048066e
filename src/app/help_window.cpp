// Help pages in their own window; a missing page falls back to the contents page.
#include "app/help_window.h"

#include <QAction>
#include <QFileInfo>
#include <QIcon>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "app/data_paths.h"
#include "app/window_placement.h"

namespace tarvel::app {
namespace {

// Where the help window opens, inside the screen's available area.
constexpr int kHelpLeft = 40;
constexpr int kHelpTop = 40;
constexpr int kHelpWidth = 640;
constexpr int kHelpHeight = 560;

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
  PlaceInsideScreen(*this, QRect(kHelpLeft, kHelpTop, kHelpWidth, kHelpHeight));
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
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(tools);
  layout->addWidget(browser_);
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
  browser_->setSearchPaths({QFileInfo(path).absolutePath()});
  browser_->setSource(QUrl::fromLocalFile(path));
}

void QtHelp::ShowTopic(int context) {
  if (window_ == nullptr) window_ = new HelpWindow(parent_);
  window_->ShowPage(context);
  window_->show();
  window_->raise();
  window_->activateWindow();
}

}  // namespace tarvel::app
