// The help pages cover every help context of the program, link only to pages that exist, and
// are reached from the contents, the index, the search box and F1 in any dialog.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <set>
#include <string>
#include <vector>

#include "app/dialog_driving_fixture.h"
#include "app/help_catalog.h"
#include "app/help_window.h"
#include "ui/accounts/account_info_dialog.h"
#include "ui/analysis/monte_carlo_folder.h"
#include "ui/shell/command_table.h"

namespace tarvel::app {
namespace {

const QString kHelpFolder = QStringLiteral(TARVEL_SOURCE_DATA_DIR "/help");
const QString kSourceFolder = QStringLiteral(TARVEL_SOURCE_DATA_DIR "/../src");

QString ReadText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The help contexts the dialog presenters and folders name in their sources.
std::set<int> ContextsInSources() {
  const QRegularExpression constant(
      "k\\w*(?:HelpContext|HelpTopic|FolderHelp)\\s*=\\s*(\\d+)\\s*;");
  std::set<int> contexts;
  QDirIterator files(kSourceFolder, {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
  while (files.hasNext()) {
    auto matches = constant.globalMatch(ReadText(files.next()));
    while (matches.hasNext()) contexts.insert(matches.next().captured(1).toInt());
  }
  return contexts;
}

std::set<int> ContextsOfCommands() {
  std::set<int> contexts;
  for (const ui::Command& command : ui::CommandTable()) {
    if (const auto context = ui::HelpContextOf(command.id)) contexts.insert(*context);
  }
  return contexts;
}

TEST(HelpPages, EveryHelpContextOfTheProgramHasATitledPage) {
  const std::set<int> from_sources = ContextsInSources();
  const std::set<int> from_commands = ContextsOfCommands();
  // The scan must see the dialogs, or it proves nothing.
  ASSERT_GE(from_sources.size(), 20u);
  ASSERT_EQ(from_commands.size(), 13u);
  // Dialogs whose pages are ready before their windows: the import and export choosers.
  std::set<int> contexts = {1568, 1569, 1570};
  contexts.insert(from_sources.begin(), from_sources.end());
  contexts.insert(from_commands.begin(), from_commands.end());
  const HelpCatalog catalog = HelpCatalog::Read(kHelpFolder);
  for (int context : contexts) {
    const QString file = HelpPageName(context);
    EXPECT_FALSE(catalog.TitleOf(file).isEmpty()) << file.toStdString() << " has no titled page";
  }
  for (int fixed : {platform::kHelpContents, platform::kHelpOnHelp}) {
    EXPECT_FALSE(catalog.TitleOf(HelpPageName(fixed)).isEmpty()) << fixed;
  }
}

TEST(HelpPages, EveryPageIsInTheContentsAndLinksOnlyToPages) {
  const HelpCatalog catalog = HelpCatalog::Read(kHelpFolder);
  const QString contents = ReadText(kHelpFolder + "/contents.html");
  const QRegularExpression link("href=\"([^\"]+)\"");
  for (const HelpPage& page : catalog.pages()) {
    if (page.file != "contents.html") {
      EXPECT_TRUE(contents.contains("href=\"" + page.file + "\"")) << page.file.toStdString();
    }
    auto matches = link.globalMatch(ReadText(kHelpFolder + "/" + page.file));
    while (matches.hasNext()) {
      const QString target = matches.next().captured(1);
      EXPECT_TRUE(QFileInfo::exists(kHelpFolder + "/" + target))
          << page.file.toStdString() << " links to " << target.toStdString();
    }
  }
}

TEST(HelpCatalog, SearchFindsPagesHoldingEveryWordTitlesFirst) {
  const HelpCatalog catalog = HelpCatalog::Read(kHelpFolder);
  const struct {
    const char* query;
    const char* first;  // expected first page; "" for no page at all
  } cases[] = {
      {"mortgage", "259.html"},
      {"MORTGAGE appreciation", "259.html"},
      {"minimum distribution penalty", "1572.html"},
      {"deposit", "257.html"},
      {"zebra", ""},
      {"   ", ""},
  };
  for (const auto& c : cases) {
    const auto found = catalog.Search(c.query);
    if (*c.first == '\0') {
      EXPECT_TRUE(found.empty()) << c.query;
      continue;
    }
    ASSERT_FALSE(found.empty()) << c.query;
    EXPECT_EQ(found.front()->file, c.first) << c.query;
    for (const HelpPage* page : found) {
      for (const QString& word : QString(c.query).toLower().split(' ', Qt::SkipEmptyParts)) {
        EXPECT_TRUE(page->text.contains(word)) << c.query << " " << page->file.toStdString();
      }
    }
  }
}

TEST(HelpCatalog, IndexIsSortedAndLeadsFromKeywordToPage) {
  const HelpCatalog catalog = HelpCatalog::Read(kHelpFolder);
  const auto index = catalog.Index();
  for (std::size_t i = 1; i < index.size(); ++i) {
    EXPECT_LE(index[i - 1].keyword.compare(index[i].keyword, Qt::CaseInsensitive), 0);
  }
  const struct {
    const char* keyword;
    const char* file;
  } cases[] = {{"rmd", "1577.html"}, {"sepp", "1590.html"}, {"Initial Values", "517.html"}};
  for (const auto& c : cases) {
    const bool listed = std::any_of(index.begin(), index.end(), [&c](const HelpIndexEntry& e) {
      return e.keyword == c.keyword && e.file == c.file;
    });
    EXPECT_TRUE(listed) << c.keyword;
  }
}

class DesktopHelpKeyTest : public DialogDrivingFixture {};

// F1 in a dialog opens that dialog's page, as its Help button does.
TEST_F(DesktopHelpKeyTest, F1InADialogOpensItsPage) {
  Start();
  const struct {
    int command;
    const char* page;
  } cases[] = {{7, "517.html"}, {106, "257.html"}, {889, "1572.html"}, {881, "259.html"}};
  for (const auto& c : cases) {
    OnNextDialog([](TemplateDialog& dialog) {
      QApplication::setActiveWindow(&dialog);
      QTest::keyClick(&dialog, Qt::Key_F1);
      QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    Action(c.command)->trigger();
    timer_.stop();
    HelpWindow* help = session_->help().window();
    ASSERT_NE(help, nullptr) << c.command;
    EXPECT_EQ(help->browser()->source().fileName(), c.page) << c.command;
  }
}

// Help asked for in a modal dialog is in front of it and takes the keyboard while the dialog
// stays open; closing the dialog leaves the help window open.
TEST_F(DesktopHelpKeyTest, HelpFromAModalDialogIsInFrontAndTakesTheKeyboard) {
  Start();
  window_->show();
  bool played = false;
  OnNextDialog([this, &played](TemplateDialog& dialog) {
    played = true;
    QApplication::setActiveWindow(&dialog);
    QTest::keyClick(&dialog, Qt::Key_F1);
    HelpWindow* help = session_->help().window();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->browser()->source().fileName(), "517.html");
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(help));
    EXPECT_EQ(QApplication::activeWindow(), help);
    EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
    // Keys typed at the help window reach its search box, as a person's would.
    help->navigation()->setCurrentIndex(2);
    help->search_box()->setFocus();
    for (char key : std::string("refinanc")) QTest::keyClick(help->windowHandle(), key);
    EXPECT_EQ(help->search_box()->text(), "refinanc");
    EXPECT_GT(help->search_results()->count(), 0);
    QTest::keyClick(help->windowHandle(), Qt::Key_PageDown);
    QTest::keyClick(&dialog, Qt::Key_Escape);
  });
  Action(7)->trigger();
  timer_.stop();
  ASSERT_TRUE(played);
  HelpWindow* help = session_->help().window();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->search_box()->text(), "refinanc");
}

// The help page of the Monte Carlo folder, which has no Help button, is one key away.
TEST_F(DesktopHelpKeyTest, F1OnTheMonteCarloFolderOpensItsPage) {
  Start();
  window_->show();
  window_->SwitchFolder(ui::kMonteCarloFolder);
  QApplication::setActiveWindow(window_.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  QTest::keyClick(window_.get(), Qt::Key_F1);
  HelpWindow* help = session_->help().window();
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->browser()->source().fileName(), "1610.html");
  EXPECT_EQ(help->browser()->documentTitle(), "Monte Carlo Analysis");
}

TEST_F(DesktopHelpKeyTest, AccountInformationHasHelpThatOpensItsPage) {
  Start();
  std::vector<QString> pages;
  for (bool by_key : {false, true}) {
    OnNextDialog([this, by_key, &pages](TemplateDialog& dialog) {
      if (by_key) {
        QApplication::setActiveWindow(&dialog);
        QTest::keyClick(&dialog, Qt::Key_F1);
      } else {
        Press(dialog, ui::kAccountHelpButton);
      }
      if (HelpWindow* help = session_->help().window()) {
        pages.push_back(help->browser()->source().fileName());
      }
      QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    Action(200)->trigger();
    timer_.stop();
  }
  EXPECT_EQ(shown_, (std::vector<std::string>{"accountinfo", "accountinfo"}));
  EXPECT_EQ(pages, (std::vector<QString>{"1611.html", "1611.html"}));
}

TEST_F(DesktopHelpKeyTest, HelpWindowOffersContentsIndexAndSearch) {
  Start();
  session_->help().ShowTopic(1542);
  HelpWindow* help = session_->help().window();
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->browser()->documentTitle(), "Entering Your Accounts");
  EXPECT_EQ(help->navigation()->count(), 3);
  QTest::keyClicks(help->search_box(), "refinanc");
  ASSERT_GT(help->search_results()->count(), 0);
  help->search_results()->itemClicked(help->search_results()->item(0));
  EXPECT_TRUE(help->browser()->toPlainText().toLower().contains("refinanc"));
  EXPECT_GT(help->index_list()->count(), 100);
}

}  // namespace
}  // namespace tarvel::app
