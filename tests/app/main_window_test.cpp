// The real main window, offscreen, on the sample scenario in a temporary working directory:
// title, tabs, menus and accelerators, the guard, and what exit leaves behind.
#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTabBar>
#include <QToolBar>
#include <algorithm>
#include <filesystem>
#include <vector>

#include "app/main_window_fixture.h"
#include "app/menu_builder.h"
#include "model/preferences_file.h"
#include "model/startup_file.h"
#include "platform/help.h"
#include "support/fake_prompter.h"
#include "ui/shell/command_ids.h"
#include "ui/shell/folders.h"
#include "ui/shell/results_folder.h"

namespace tarvel::app {
namespace {

namespace fs = std::filesystem;
using MainWindowTest = MainWindowFixture;

TEST_F(MainWindowTest, OpensTheLastScenarioRunsItAndNamesItInTheTitle) {
  Start();
  EXPECT_EQ(window_->windowTitle(), QString::fromStdString("Retirement Planner - " + sample_));
  EXPECT_FALSE(session_->last_run().periods.empty());
  EXPECT_TRUE(fs::exists(folder_.File("plotinf01.tmp")));
  EXPECT_TRUE(Action(3)->isEnabled());
  EXPECT_EQ(window_->tab_bar()->currentIndex(), 0);
}

TEST_F(MainWindowTest, ShowsAFolderForEveryTenAccounts) {
  Start();
  EXPECT_EQ(TabCaptions(),
            (QStringList{"Summary", "Accounts", "Scenario", "Results", "Monte Carlo", "Net Worth",
                         "Incoming/Outgoing", "Incoming", "Outgoing", "Groups", "Accounts 1-6"}));
  session_->scenario().accounts.count = 11;
  window_->RefreshFolders();
  EXPECT_EQ(TabCaptions().mid(10), (QStringList{"Accounts 1-10", "Account 11"}));
  session_->scenario().accounts.count = 50;
  window_->RefreshFolders();
  EXPECT_EQ(TabCaptions().size(), 15);
  EXPECT_EQ(TabCaptions().last(), "Accounts 41-50");
  session_->scenario().accounts.count = 0;
  window_->RefreshFolders();
  EXPECT_EQ(TabCaptions().size(), 10);
}

TEST_F(MainWindowTest, FirstStartDisablesTheScenarioCommandsAndWritesFinanceDat) {
  Start(/*with_sample=*/false);
  EXPECT_EQ(window_->windowTitle(), "Retirement Planner - Untitled");
  EXPECT_TRUE(fs::exists(folder_.File("finance.dat")));
  for (int id : {3, 4, 7, 101, 401, 501, 881, 899}) EXPECT_FALSE(Action(id)->isEnabled()) << id;
  for (int id : {1, 2, 5, 6, 104, 884}) EXPECT_TRUE(Action(id)->isEnabled()) << id;
}

TEST_F(MainWindowTest, AStartUpFileWhoseScenarioCannotBeReadLeavesTheCommandsEnabled) {
  for (const char* contents : {"missing.ret\n", "damaged.ret\n"}) {
    test_support::TempFolder folder;
    test_support::WriteText(folder.File("damaged.ret"), "too short");
    test_support::WriteText(folder.File("finance.dat"), folder.File(contents));
    test_support::FakePrompter prompter;
    PlannerSession session(folder.path(), {});
    session.UsePrompter(prompter);
    MainWindow window(session, MainWindow::Options{false});
    window.StartUp();
    EXPECT_EQ(window.windowTitle(), "Tarvel Financial Planner") << contents;
    for (int id : {3, 4, 7, 101, 401, 501, 881, 899}) {
      EXPECT_TRUE(window.menus().Action(id)->isEnabled()) << contents << id;
    }
  }
}

TEST_F(MainWindowTest, TheEarlyRetireeSampleFindsItsLifeTablesInAFreshWorkingDirectory) {
  test_support::FakePrompter prompter;
  Start(/*with_sample=*/true, "", &prompter, "early-retiree-72t.ret");
  for (const auto& message : prompter.messages)
    ADD_FAILURE() << message.caption << ": " << message.text;
  // Amortised over the single-life expectancy at 52 at 5 %: a payment in whole dollars.
  const auto& lines = session_->last_run().results().lines;
  const auto payment = std::find_if(lines.begin(), lines.end(), [](std::string_view line) {
    return line.find("Rule 72T Transfer") != std::string_view::npos;
  });
  ASSERT_NE(payment, lines.end());
  EXPECT_EQ((*payment).find("$0.00"), std::string_view::npos) << *payment;
  EXPECT_EQ((*payment).find("nan"), std::string_view::npos) << *payment;
  EXPECT_EQ((*payment).find("inf"), std::string_view::npos) << *payment;
}

TEST_F(MainWindowTest, TwoRandomRunsInOneSessionDrawDifferentRates) {
  Start();
  std::vector<std::vector<engine::PeriodResult>> runs;
  for (int run = 0; run < 2; ++run) {
    window_->results_folder().HandleCommand(
        static_cast<int>(ui::ResultsCommand::RandomAccountRates));
    runs.push_back(session_->last_run().periods);
  }
  ASSERT_FALSE(runs[0].empty());
  EXPECT_NE(runs[0], runs[1]);
}

TEST_F(MainWindowTest, StaleResultsAreRunAgainWhenTheResultsFolderIsShown) {
  Start();
  window_->SwitchFolder(ui::kResultsFolder);
  const int with_summaries = window_->results_folder().RowCount();
  window_->DispatchCommand(902);  // Shift+F11: the summary lines are left out from now on
  window_->SwitchFolder(ui::kAccountsFolder);
  window_->SwitchFolder(ui::kResultsFolder);
  EXPECT_LT(window_->results_folder().RowCount(), with_summaries);
  EXPECT_FALSE(session_->state().results_stale);
}

TEST_F(MainWindowTest, WindowsOpenInsideTheScreensAvailableArea) {
  const struct {
    model::WindowGeometry saved;
    int width;  // expected; 0: only inside the screen
    int height;
  } cases[] = {
      {{10, 20, 500, 400}, 640, 400},  // narrow: 640 wide, the saved height kept
      {{10, 20, 700, 250}, 700, 300},  // the minimum height
      {{290, 290, 9000, 7000}, 0, 0},
  };
  for (const auto& c : cases) {
    test_support::TempFolder folder;
    model::Program program;
    program.window = c.saved;
    auto scenario = std::make_unique<model::Scenario>();
    ASSERT_TRUE(model::WritePreferences(folder.path(), program, *scenario));
    PlannerSession session(folder.path(), {});
    session.ReadPreferences();
    MainWindow window(session, MainWindow::Options{false});
    window.StartUp();
    const QRect area = window.screen()->availableGeometry();
    EXPECT_TRUE(area.contains(window.geometry())) << c.saved.width;
    if (c.width != 0) {
      EXPECT_EQ(window.width(), c.width);
      EXPECT_EQ(window.height(), c.height);
    }
  }
  Start();
  session_->help().ShowTopic(platform::kHelpContents);
  QWidget* help = window_->findChild<QWidget*>("help_window");
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->screen()->availableGeometry().contains(help->frameGeometry()));
}

TEST_F(MainWindowTest, MenusCarryTheCommandIdsAndAccelerators) {
  Start();
  const struct {
    int id;
    const char* keys;
  } expected[] = {{1, "Ctrl+N"}, {2, "Ctrl+O"},         {5, "Ctrl+Q"},    {104, "F1"},
                  {501, "F2"},   {884, "Ctrl+Shift+W"}, {895, "Ctrl+F6"}, {902, "Shift+F11"}};
  for (const auto& row : expected) {
    ASSERT_NE(Action(row.id), nullptr) << row.id;
    EXPECT_EQ(Action(row.id)->shortcut(), QKeySequence(row.keys)) << row.id;
    EXPECT_EQ(Action(row.id)->data().toInt(), row.id);
  }
  QStringList titles;
  for (QAction* menu : window_->menuBar()->actions()) titles << menu->text();
  EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&Reports", "&Graphs", "&Budgets",
                                 "&Calculators", "&Help"}));
  EXPECT_EQ(window_->menus().file_menu()->actions().first()->text(), "&New");
  EXPECT_EQ(Action(461)->text().remove('&').toStdString(),
            session_->scenario().budgets[0].name.str());
  EXPECT_TRUE(Action(461)->isCheckable());
  EXPECT_EQ(Action(1)->toolTip(), "Create a New Scenario");
  EXPECT_EQ(window_->menus().toolbar()->actions().size(), 30);
}

TEST_F(MainWindowTest, RecentFilesAppearBeforeAboutWithTheirIds) {
  Start();
  session_->program().recent_files[0] = "/plans/one.ret";
  session_->program().recent_files[1] = "/plans/two & more.ret";
  window_->RebuildRecentMenu();
  const QList<QAction*> items = window_->menus().file_menu()->actions();
  const qsizetype about = items.indexOf(Action(6));
  ASSERT_GE(about, 3);
  EXPECT_EQ(items[about - 3], Action(602));
  EXPECT_EQ(Action(602)->text(), "(&1) /plans/one.ret");
  EXPECT_EQ(Action(603)->text(), "(&2) /plans/two && more.ret");
  EXPECT_TRUE(items[about - 1]->isSeparator());
  session_->program().recent_files[1].clear();
  window_->RebuildRecentMenu();
  EXPECT_FALSE(window_->menus().file_menu()->actions().contains(Action(603)));
}

TEST_F(MainWindowTest, KeepBackupCopiesShowsTheSettingAndItsCheckFollowsWhatWasWritten) {
  const std::string options = folder_.File("planner.ini");
  test_support::WriteText(options, "backups=off\n");
  test_support::FakePrompter prompter;
  Start(true, "", &prompter);
  QAction* item = Action(ui::kKeepBackupsCommand);
  const QList<QAction*> items = window_->menus().file_menu()->actions();
  const qsizetype position = items.indexOf(item);
  ASSERT_GT(position, 0);
  EXPECT_EQ(items[position - 2], Action(12));  // after the accounts and export group
  EXPECT_TRUE(items[position + 1]->isSeparator());
  EXPECT_EQ(item->text(), "&Keep Backup Copies");
  EXPECT_TRUE(item->isCheckable());
  EXPECT_FALSE(item->isChecked());

  item->trigger();
  EXPECT_TRUE(item->isChecked());
  EXPECT_TRUE(session_->program().keep_backups);
  EXPECT_EQ(test_support::ReadText(options), "backups=on\n");

  // A choice that cannot be written leaves the check mark as the setting stands.
  fs::remove(options);
  fs::create_directory(options);
  item->trigger();
  EXPECT_TRUE(item->isChecked());
  EXPECT_TRUE(session_->program().keep_backups);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].caption, "FILE ERROR");
  EXPECT_EQ(prompter.messages[0].text,
            "Cannot write " + options + ". Backup copies are still kept when a scenario is saved.");
}

TEST_F(MainWindowTest, GuardKeepsTheFolderWhileAnEditorIsOpen) {
  Start();
  window_->SwitchFolder(2);
  session_->editors().Open("withdrawal");
  window_->SwitchFolder(3);
  EXPECT_EQ(window_->tab_bar()->currentIndex(), 2);
  EXPECT_EQ(window_->DispatchCommand(106), ui::DispatchResult::Refused);
  session_->editors().Close("withdrawal");
  window_->SwitchFolder(3);
  EXPECT_EQ(window_->tab_bar()->currentIndex(), 3);
  EXPECT_EQ(window_->results_folder().RowCount() > 0, true);
}

TEST_F(MainWindowTest, ExitWritesTheDataFilesAndRemovesTheWorkingFiles) {
  Start();
  ASSERT_TRUE(fs::exists(folder_.File("plotinf01.tmp")));
  window_->show();
  EXPECT_TRUE(window_->close());
  EXPECT_TRUE(fs::exists(folder_.File("prefinf.dat")));
  EXPECT_EQ(fs::file_size(folder_.File("prefinf.dat")), 152u);
  const std::string startup = test_support::ReadText(folder_.File("finance.dat"));
  EXPECT_EQ(startup.substr(0, startup.find('\n')), sample_);
  for (const char* name : {"plotinf01.tmp", "bigfile.tmp", "infile.tmp", "outfile.tmp"}) {
    EXPECT_FALSE(fs::exists(folder_.File(name))) << name;
  }
}

TEST_F(MainWindowTest, NoretKeywordSuppressesRuns) {
  Start(/*with_sample=*/true, "NORET Euro");
  EXPECT_TRUE(session_->last_run().periods.empty());
  EXPECT_FALSE(fs::exists(folder_.File("plotinf01.tmp")));
  EXPECT_EQ(session_->program().currency.word, "Euros");
}

}  // namespace
}  // namespace tarvel::app
