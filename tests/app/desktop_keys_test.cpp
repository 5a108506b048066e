// The keys of the main window: the desktop's standard keys in a new working directory, Alt and
// a menu's letter opening it, a mnemonic of its own for every menu and item, the classic keys
// as a remembered choice, an older choice kept, and the folder keys in both schemes.
#include "app/desktop_keys.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <filesystem>
#include <map>

#include "app/main_window_fixture.h"
#include "ui/shell/menu_mnemonics.h"

namespace tarvel::app {
namespace {

class DesktopKeysTest : public MainWindowFixture {
 protected:
  QString Keys(int id) { return Action(id)->shortcut().toString(); }
  QString FirstMenuTitle() { return window_->menuBar()->actions().front()->text(); }
  void Activate() {
    window_->show();
    QApplication::setActiveWindow(window_.get());
  }
  std::string OptionsFile() { return test_support::ReadText(folder_.File("planner.ini")); }

  test_support::FakePrompter prompter_;
};

TEST_F(DesktopKeysTest, ANewWorkingDirectoryGetsTheDesktopsStandardKeys) {
  Start(true, "", &prompter_);
  const struct {
    int id;
    const char* keys;
  } standard[] = {{1, "Ctrl+N"},   {2, "Ctrl+O"}, {3, "Ctrl+S"}, {4, "Ctrl+Shift+S"},
                  {790, "Ctrl+P"}, {5, "Ctrl+Q"}, {104, "F1"}};
  for (const auto& row : standard) EXPECT_EQ(Keys(row.id), row.keys) << row.id;
  EXPECT_FALSE(window_->keys().preference()->isChecked());
  EXPECT_EQ(FirstMenuTitle(), "&File");

  Activate();
  session_->scenario().modified = true;
  QSignalSpy saved(Action(ui::kSaveCommand), &QAction::triggered);
  QTest::keyClick(window_.get(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(saved.count(), 1);
  EXPECT_FALSE(session_->scenario().modified);

  QTest::keyClick(window_.get(), Qt::Key_O, Qt::ControlModifier);
  ASSERT_EQ(prompter_.open_dialogs.size(), 1u);  // cancelled by the fake prompter
  EXPECT_EQ(prompter_.open_dialogs[0].title, "Open a Scenario");
}

TEST_F(DesktopKeysTest, AltAndAMenusLetterOpensThatMenu) {
  Start();
  Activate();
  QMenu* file = window_->menus().file_menu();
  ASSERT_FALSE(file->isVisible());
  QTest::keyClick(window_.get(), Qt::Key_F, Qt::AltModifier);
  EXPECT_TRUE(file->isVisible());
  file->hide();
}

// Every menu of the bar and every item of every menu and submenu has a mnemonic no sibling
// holds, also once recent files, budget names and a group folder name fill in their items.
void ExpectMnemonicsOfTheirOwn(const QList<QAction*>& items, const QString& where) {
  std::map<char, QString> holders;
  for (QAction* item : items) {
    if (item->isSeparator() || !item->isVisible()) continue;
    const char mnemonic = ui::MnemonicOf(item->text().toStdString());
    EXPECT_NE(mnemonic, '\0') << where.toStdString() << ": " << item->text().toStdString();
    if (mnemonic == '\0') continue;
    const auto [holder, fresh] = holders.emplace(mnemonic, item->text());
    EXPECT_TRUE(fresh) << where.toStdString() << ": " << item->text().toStdString() << " and "
                       << holder->second.toStdString();
    if (item->menu() != nullptr) ExpectMnemonicsOfTheirOwn(item->menu()->actions(), item->text());
  }
}

TEST_F(DesktopKeysTest, EveryMenuAndItemHasAMnemonicNoOtherInItsMenuHolds) {
  const struct {
    const char* name;
    std::function<void(MainWindow&, PlannerSession&)> fill;
  } cases[] = {
      {"as started", [](MainWindow&, PlannerSession&) {}},
      {"filled in",
       [](MainWindow& window, PlannerSession& session) {
         for (int i = 0; i < 6; ++i) {
           session.program().recent_files[i] = "/plans/plan " + std::to_string(i) + " & co.ret";
         }
         window.RebuildRecentMenu();
         window.menus().SetBudgets({{461, "Home", true},
                                    {462, "Holiday", false},
                                    {463, "Hobby", false},
                                    {464, "Tom & Jerry", false},
                                    {465, "House", false}});
         window.menus().SetGroupFolderName("Family & Friends");
       }},
  };
  bool first = true;
  for (const auto& c : cases) {
    Start(first);  // the sample stays named in finance.dat
    first = false;
    c.fill(*window_, *session_);
    ExpectMnemonicsOfTheirOwn(window_->menuBar()->actions(), c.name);
    window_.reset();
  }
}

TEST_F(DesktopKeysTest, TheFileMenuHasPrintAndPrintPreviewWithTheirKeys) {
  Start();
  const QList<QAction*> file = window_->menus().file_menu()->actions();
  const struct {
    int id;
    const char* text;
    const char* standard;
    const char* classic;
  } items[] = {{790, "&Print...", "Ctrl+P", "Ctrl+P"},
               {890, "Print Pre&view", "Ctrl+Shift+P", "Ctrl+V"}};
  for (const auto& item : items) {
    EXPECT_TRUE(file.contains(Action(item.id))) << item.id;
    EXPECT_EQ(Action(item.id)->text(), item.text);
    EXPECT_EQ(Keys(item.id), item.standard);
  }
  window_->keys().preference()->trigger();
  for (const auto& item : items) EXPECT_EQ(Keys(item.id), item.classic);
}

TEST_F(DesktopKeysTest, ClassicKeysSwitchTheKeysAndAreRememberedInThePlannerOptions) {
  test_support::WriteText(folder_.File("planner.ini"), "backups=off\n");
  Start();
  QAction* classic = window_->keys().preference();
  ASSERT_TRUE(window_->menus().menu("Edit")->actions().contains(classic));
  EXPECT_EQ(classic->text(), "&Classic keys");
  classic->trigger();
  const struct {
    int id;
    const char* keys;
  } classic_keys[] = {{1, "Alt+N"},    {3, "Alt+S"},   {405, "Ctrl+S"},
                      {881, "Ctrl+O"}, {110, "Alt+F"}, {177, "Ctrl+N"}};
  for (const auto& row : classic_keys) EXPECT_EQ(Keys(row.id), row.keys) << row.id;
  EXPECT_EQ(FirstMenuTitle(), "File");
  EXPECT_EQ(OptionsFile(), "backups=off\nkeys=classic\n");

  window_.reset();
  Start(false);
  EXPECT_TRUE(window_->keys().preference()->isChecked());
  EXPECT_EQ(Keys(1), "Alt+N");
  window_->keys().preference()->trigger();
  EXPECT_EQ(Keys(1), "Ctrl+N");
  EXPECT_EQ(FirstMenuTitle(), "&File");
  EXPECT_EQ(OptionsFile(), "backups=off\nkeys=standard\n");
}

TEST_F(DesktopKeysTest, AnOlderKeysFileKeepsTheSchemeItChose) {
  const struct {
    const char* keys_file;
    const char* options;  // planner.ini, or nothing
    ui::KeyScheme expected;
  } cases[] = {{"planner\n", nullptr, ui::KeyScheme::Classic},
               {"desktop\n", nullptr, ui::KeyScheme::Standard},
               {"planner\n", "keys=standard\n", ui::KeyScheme::Standard}};
  for (const auto& c : cases) {
    std::filesystem::remove(folder_.File("planner.ini"));
    test_support::WriteText(folder_.File("keys.dat"), c.keys_file);
    if (c.options != nullptr) test_support::WriteText(folder_.File("planner.ini"), c.options);
    Start(false);
    EXPECT_EQ(window_->keys().scheme(), c.expected) << c.keys_file;
    EXPECT_EQ(Keys(ui::kSaveCommand), c.expected == ui::KeyScheme::Classic ? "Alt+S" : "Ctrl+S");
    window_.reset();
  }
}

TEST_F(DesktopKeysTest, AChoiceThatCannotBeRememberedIsSaidAndStillTakesEffect) {
  std::filesystem::create_directory(folder_.File("planner.ini"));
  Start(true, "", &prompter_);
  window_->keys().preference()->trigger();
  EXPECT_EQ(Keys(ui::kSaveCommand), "Alt+S");
  ASSERT_EQ(prompter_.messages.size(), 1u);
  EXPECT_EQ(prompter_.messages[0].caption, "FILE ERROR");
  EXPECT_NE(prompter_.messages[0].text.find("planner.ini"), std::string::npos);
}

TEST_F(DesktopKeysTest, FolderKeysStepThroughTheFoldersInBothSchemes) {
  Start();
  Activate();
  const int count = window_->tab_bar()->count();
  ASSERT_GT(count, 4);
  for (bool classic : {false, true}) {
    if (classic) window_->keys().preference()->trigger();
    window_->SwitchFolder(0);
    QTest::keyClick(window_.get(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(window_->tab_bar()->currentIndex(), 1) << classic;
    QTest::keyClick(window_.get(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(window_->tab_bar()->currentIndex(), 2) << classic;
    QTest::keyClick(window_.get(), Qt::Key_PageUp, Qt::ControlModifier);
    QTest::keyClick(window_.get(), Qt::Key_PageUp, Qt::ControlModifier);
    QTest::keyClick(window_.get(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(window_->tab_bar()->currentIndex(), count - 1) << classic;
  }
}

}  // namespace
}  // namespace tarvel::app
