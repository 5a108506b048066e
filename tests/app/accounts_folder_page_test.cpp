// The Accounts folder in the real main window: adding, editing and deleting an account, with
// the tabs and the results following.
#include "app/accounts_folder_page.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "app/main_window_fixture.h"
#include "app/qt_dialog_renderer.h"
#include "model/record_counts.h"
#include "ui/accounts/account_commands.h"
#include "ui/accounts/account_info_dialog.h"
#include "ui/accounts/groups_dialog.h"
#include "ui/shell/command_ids.h"
#include "ui/shell/folders.h"

namespace tarvel::app {
namespace {

class AccountsFolderPageTest : public MainWindowFixture {
 protected:
  // Types into the account dialog when it opens and presses OK.
  void AnswerAccountDialog(std::map<int, std::string> texts) {
    QTimer::singleShot(0, [texts] {
      auto* dialog = qobject_cast<TemplateDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      EXPECT_EQ(dialog->windowTitle(), "Account Information");
      for (const auto& [control, text] : texts) dialog->SetText(control, text);
      QTest::mouseClick(qobject_cast<QPushButton*>(dialog->ControlWidget(ui::kIdOk)),
                        Qt::LeftButton);
    });
  }
  void Click(int button) { QTest::mouseClick(page().button(button), Qt::LeftButton); }
  AccountsFolderPage& page() { return window_->accounts_page(); }
  int Count() { return model::AccountCount(session_->scenario()); }
  // The shown row of the account with this name.
  QTreeWidgetItem* Row(const QString& name) {
    const auto found = page().list()->findItems(name, Qt::MatchExactly, 0);
    return found.isEmpty() ? nullptr : found.front();
  }
  // The results of the first year, after the results folder has been shown.
  engine::PeriodResult FirstYear() {
    window_->SwitchFolder(ui::kResultsFolder);
    const engine::PeriodResult first = session_->last_run().periods.at(0);
    window_->SwitchFolder(ui::kAccountsFolder);
    return first;
  }
};

TEST_F(AccountsFolderPageTest, AddEditAndDeleteAnAccountWithTheTabsAndResultsFollowing) {
  Start();
  window_->SwitchFolder(ui::kAccountsFolder);
  const int count = Count();
  ASSERT_GT(count, 0);
  ASSERT_EQ(page().list()->topLevelItemCount(), count);
  const QStringList tabs_before = TabCaptions();
  const engine::PeriodResult results_before = FirstYear();

  AnswerAccountDialog({{ui::kAccountNameField, "Side Fund"}, {ui::kInitialAmountField, "5000"}});
  Click(103);  // Add
  ASSERT_EQ(Count(), count + 1);
  EXPECT_EQ(page().list()->topLevelItemCount(), count + 1);
  ASSERT_NE(Row("Side Fund"), nullptr);
  EXPECT_EQ(Row("Side Fund")->text(7), "5000.00");
  EXPECT_NE(TabCaptions(), tabs_before);
  const engine::PeriodResult results_added = FirstYear();
  EXPECT_NE(results_added, results_before);

  page().list()->setCurrentItem(Row("Side Fund"));
  AnswerAccountDialog({{ui::kInitialAmountField, "7000"}});
  Click(104);  // Edit
  ASSERT_NE(Row("Side Fund"), nullptr);
  EXPECT_EQ(Row("Side Fund")->text(7), "7000.00");
  EXPECT_NE(FirstYear(), results_added);

  page().list()->setCurrentItem(Row("Side Fund"));
  Click(106);  // Delete
  EXPECT_EQ(Count(), count);
  EXPECT_EQ(Row("Side Fund"), nullptr);
  EXPECT_EQ(TabCaptions(), tabs_before);
  EXPECT_EQ(FirstYear(), results_before);
  EXPECT_TRUE(page().button(109)->isEnabled());  // Import
  EXPECT_TRUE(page().button(112)->isEnabled());  // Print: the list on "apage" pages
}

TEST_F(AccountsFolderPageTest, ImportOpensTheUpdateChooserAndItsCancelChangesNothing) {
  Start();
  const int count = Count();
  ASSERT_TRUE(page().button(109)->isEnabled());
  QString title;
  QTimer::singleShot(0, [&title] {
    auto* dialog = qobject_cast<TemplateDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    title = dialog->windowTitle();
    QTest::mouseClick(qobject_cast<QPushButton*>(dialog->ControlWidget(ui::kIdCancel)),
                      Qt::LeftButton);
  });
  Click(109);
  EXPECT_EQ(title, "Update Accounts From a File");
  EXPECT_EQ(Count(), count);
}

TEST_F(AccountsFolderPageTest, AGroupFolderNameRetitlesTheGroupReportMenuItems) {
  Start();
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<TemplateDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->SetText(ui::kGroupFolderNameField, "Buckets");
    QTest::mouseClick(qobject_cast<QPushButton*>(dialog->ControlWidget(ui::kGroupsOkButton)),
                      Qt::LeftButton);
  });
  EXPECT_EQ(window_->DispatchCommand(ui::kGroupNamesCommand), ui::DispatchResult::Done);
  EXPECT_TRUE(Action(ui::kGroupReportCommand)->text().remove('&').startsWith("Buckets"));
  EXPECT_TRUE(
      Action(ui::kGroupAllocationsCommand)->text().remove('&').startsWith("Buckets Allocations"));
  EXPECT_EQ(session_->state().current_folder, ui::kAccountsFolder);
}

}  // namespace
}  // namespace tarvel::app
