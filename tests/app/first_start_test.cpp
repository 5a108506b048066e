// A first start in an empty working directory on the real main window: the start page, a plan
// typed from scratch that Save and the close prompt can always save, and a working directory
// the planner cannot write to.
#include <unistd.h>

#include <QApplication>
#include <QCommandLinkButton>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "app/accounts_folder_page.h"
#include "app/first_start_page.h"
#include "app/main_window_fixture.h"
#include "app/qt_dialog_renderer.h"
#include "model/record_counts.h"
#include "model/scenario_codec.h"
#include "ui/accounts/account_info_dialog.h"
#include "ui/shell/command_ids.h"
#include "ui/shell/folders.h"

namespace tarvel::app {
namespace {

namespace fs = std::filesystem;

constexpr int kAddAccountButton = 103;

class FirstStartTest : public MainWindowFixture {
 protected:
  void StartFresh() { Start(/*with_sample=*/false, "", &prompter_); }

  QCommandLinkButton* Choice(const char* name) {
    return window_->first_start_page()->findChild<QCommandLinkButton*>(name);
  }

  // Adds an account through the Accounts folder's Add button and the account dialog.
  void TypeAnAccount(const QString& name) {
    window_->SwitchFolder(ui::kAccountsFolder);
    QTimer::singleShot(0, [name] {
      auto* dialog = qobject_cast<TemplateDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      dialog->SetText(ui::kAccountNameField, name.toStdString());
      dialog->SetText(ui::kInitialAmountField, "2500");
      QTest::mouseClick(qobject_cast<QPushButton*>(dialog->ControlWidget(ui::kIdOk)),
                        Qt::LeftButton);
    });
    QTest::mouseClick(window_->accounts_page().button(kAddAccountButton), Qt::LeftButton);
    ASSERT_EQ(model::AccountCount(session_->scenario()), 1);
  }

  // Every file the planner's dialogs and messages named.
  std::vector<std::string> NamedTexts() const {
    std::vector<std::string> texts;
    for (const auto& message : prompter_.messages) texts.push_back(message.text);
    return texts;
  }

  test_support::FakePrompter prompter_;
};

TEST_F(FirstStartTest, AnEmptyWorkingDirectoryShowsTheStartPageWithEveryWayToBegin) {
  StartFresh();
  EXPECT_EQ(window_->current_page(), window_->first_start_page());
  EXPECT_EQ(window_->tab_bar()->tabText(0), "Start");
  EXPECT_EQ(window_->windowTitle(), "Retirement Planner - Untitled");
  for (const char* name : {"start_new_plan", "start_new_from_report", "start_open_plan",
                           "start_sample_0", "start_sample_1", "start_sample_2"}) {
    EXPECT_NE(Choice(name), nullptr) << name;
  }
  auto* keys = window_->first_start_page()->findChild<QLabel*>("start_keys_note");
  ASSERT_NE(keys, nullptr);
  EXPECT_TRUE(keys->text().contains("Edit > Classic keys")) << keys->text().toStdString();
  EXPECT_TRUE(prompter_.messages.empty());
}

TEST_F(FirstStartTest, NewPlanOnTheStartPageGivesAnUntitledPlanThatCanBeSaved) {
  StartFresh();
  QTest::mouseClick(Choice("start_new_plan"), Qt::LeftButton);
  EXPECT_EQ(window_->current_page(), &window_->accounts_page());
  EXPECT_EQ(window_->windowTitle(), "Retirement Planner - Untitled");
  EXPECT_TRUE(Action(ui::kSaveCommand)->isEnabled());
  EXPECT_TRUE(Action(ui::kSaveAsCommand)->isEnabled());
  window_->SwitchFolder(ui::kSummaryFolder);
  EXPECT_NE(window_->current_page(), window_->first_start_page());
  EXPECT_EQ(window_->tab_bar()->tabText(0), "Summary");
}

TEST_F(FirstStartTest, ASamplePlanOpensAsAnUntitledCopyThatRuns) {
  StartFresh();
  QTest::mouseClick(Choice("start_sample_0"), Qt::LeftButton);
  EXPECT_GT(model::AccountCount(session_->scenario()), 0);
  EXPECT_FALSE(session_->last_run().periods.empty());
  EXPECT_EQ(window_->windowTitle(), "Retirement Planner - Untitled");
  EXPECT_TRUE(Action(ui::kSaveCommand)->isEnabled());
}

TEST_F(FirstStartTest, AnAccountTypedBeforeAnyPlanIsSavedBySaveUnderTheChosenName) {
  StartFresh();
  TypeAnAccount("Savings");
  // The plan typed on the start page has a new plan's filled minimum-distribution tables.
  EXPECT_FLOAT_EQ(session_->scenario().settings.rmd_life_expectancy[0][0], 26.5f);
  EXPECT_TRUE(Action(ui::kSaveCommand)->isEnabled());
  EXPECT_TRUE(Action(ui::kSaveAsCommand)->isEnabled());
  const std::string chosen = folder_.File("first.ret");
  prompter_.save_choices = {chosen};
  Action(ui::kSaveCommand)->trigger();
  ASSERT_EQ(prompter_.save_dialogs.size(), 1u);
  ASSERT_TRUE(fs::exists(chosen));
  EXPECT_EQ(test_support::ReadAll(chosen), model::EncodeScenario(session_->scenario()));
  EXPECT_EQ(window_->windowTitle(), QString::fromStdString("Retirement Planner - " + chosen));
  EXPECT_TRUE(prompter_.messages.empty());
}

TEST_F(FirstStartTest, ClosingWithATypedPlanAsksAboutUntitledAndYesAsksForAName) {
  StartFresh();
  TypeAnAccount("Savings");
  // Cancelling the name keeps the window and the typed plan.
  prompter_.answers = {platform::Answer::Yes};
  EXPECT_FALSE(window_->close());
  ASSERT_EQ(prompter_.messages.size(), 1u);
  EXPECT_EQ(prompter_.messages[0].text, "Do you wish to save the file Untitled?");
  EXPECT_EQ(prompter_.save_dialogs.size(), 1u);
  EXPECT_EQ(model::AccountCount(session_->scenario()), 1);

  const std::string chosen = folder_.File("kept.ret");
  prompter_.answers = {platform::Answer::Yes};
  prompter_.save_choices = {chosen};
  EXPECT_TRUE(window_->close());
  EXPECT_TRUE(fs::exists(chosen));
  for (const std::string& text : NamedTexts()) {
    EXPECT_EQ(text.find("tmp01"), std::string::npos) << text;
    EXPECT_EQ(text.find("temp"), std::string::npos) << text;
  }
}

// The superuser writes anywhere file modes allow nothing; the sysfs root refuses even it.
std::string UnwritableFolder(test_support::TempFolder& folder) {
  if (::geteuid() == 0) return "/sys";
  const std::string locked = folder.File("locked");
  fs::create_directories(locked);
  fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
  return locked;
}

TEST_F(FirstStartTest, AWorkingDirectoryThatCannotBeWrittenIsToldOnceWithItsReason) {
  const std::string workdir = UnwritableFolder(folder_);
  session_ = std::make_unique<PlannerSession>(workdir, ui::Keywords{});
  session_->UsePrompter(prompter_);
  window_ = std::make_unique<MainWindow>(*session_, MainWindow::Options{false});
  window_->StartUp();
  QTest::mouseClick(Choice("start_sample_0"), Qt::LeftButton);
  for (int folder : {ui::kNetWorthFolder, ui::kAccountsFolder, ui::kSummaryFolder}) {
    window_->SwitchFolder(folder);
  }
  ASSERT_EQ(prompter_.messages.size(), 1u);
  const std::string& text = prompter_.messages[0].text;
  for (const std::string& part : {workdir, std::string("Permission denied"), std::string("Save As"),
                                  std::string("--workdir")}) {
    EXPECT_NE(text.find(part), std::string::npos) << part << " in " << text;
  }
  // Save in that folder names the file and the reason.
  session_->scenario().modified = true;
  prompter_.save_choices = {workdir + "/plan.ret"};
  Action(ui::kSaveCommand)->trigger();
  ASSERT_EQ(prompter_.messages.size(), 2u);
  EXPECT_NE(prompter_.messages[1].text.find(workdir + "/plan.ret (Permission denied)"),
            std::string::npos)
      << prompter_.messages[1].text;
}

}  // namespace
}  // namespace tarvel::app
