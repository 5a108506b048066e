// The tab strip and the folder pages.
#include "app/folder_area.h"

#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include "painting/text_1252.h"

namespace tarvel::app {

FolderArea::FolderArea(QWidget* parent) : QWidget(parent) {
  tabs_ = new QTabBar(this);
  tabs_->setObjectName("folder_tabs");
  tabs_->setExpanding(false);
  tabs_->setUsesScrollButtons(true);
  tabs_->setDrawBase(false);
  pages_ = new QStackedWidget(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(5, 5, 5, 5);
  layout->setSpacing(0);
  layout->addWidget(tabs_);
  layout->addWidget(pages_, 1);
  connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
    if (!quiet_ && index >= 0) emit FolderRequested(tabs_->tabData(index).toInt());
  });
}

void FolderArea::RebuildTabs(const std::vector<std::string>& captions, int selected) {
  quiet_ = true;
  while (tabs_->count() > 0) tabs_->removeTab(tabs_->count() - 1);
  for (const std::string& caption : captions) {
    const int tab = tabs_->addTab(painting::FromWindows1252(caption));
    tabs_->setTabData(tab, tab);
  }
  if (selected >= 0 && selected < tabs_->count()) tabs_->setCurrentIndex(selected);
  quiet_ = false;
}

void FolderArea::InsertFolderTab(int position, const std::string& caption, int folder) {
  quiet_ = true;
  const int tab = tabs_->insertTab(position, painting::FromWindows1252(caption));
  tabs_->setTabData(tab, folder);
  quiet_ = false;
}

void FolderArea::SelectTabQuietly(int folder) {
  quiet_ = true;
  for (int tab = 0; tab < tabs_->count(); ++tab) {
    if (tabs_->tabData(tab).toInt() == folder) tabs_->setCurrentIndex(tab);
  }
  quiet_ = false;
}

void FolderArea::AddPage(QWidget* page) { pages_->addWidget(page); }

void FolderArea::ShowPage(QWidget* page) { pages_->setCurrentWidget(page); }

QWidget* FolderArea::current_page() const { return pages_->currentWidget(); }

}  // namespace tarvel::app
