// The editors on the real main window, offscreen: Initial Values from its menu changes the
// event list and the results; every editor opens from its command and cancels cleanly; the
// Scenario folder's keys and the "Add Event" chooser.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "app/dialog_driving_fixture.h"
#include "app/event_list_page.h"
#include "app/qt_dialog_renderer.h"
#include "model/record_counts.h"
#include "support/fake_prompter.h"
#include "ui/editors/editor_table.h"
#include "ui/editors/initial_values_editor.h"
#include "ui/shell/folders.h"
#include "ui/shell/results_folder.h"

namespace tarvel::app {
namespace {

class EditorWindowsTest : public DialogDrivingFixture {
 protected:
  QTreeWidget* EventList() { return window_->event_list_page()->list(); }
  // The planner shown on the Scenario folder, and its Add button pressed.
  TemplateDialog* OpenChooser() {
    Start(true, "", &prompter_);
    window_->show();
    window_->SwitchFolder(ui::kScenarioFolder);
    QTest::mouseClick(window_->event_list_page()->button(ui::EventListButton::Add), Qt::LeftButton);
    return window_->event_chooser();
  }
};

TEST_F(EditorWindowsTest, InitialValuesFromTheMenuChangesTheEventListAndTheResults) {
  Start(true, "", &prompter_);
  window_->SwitchFolder(ui::kScenarioFolder);
  const QString first_line = EventList()->topLevelItem(0)->text(1);
  const std::size_t years = session_->last_run().periods.size();
  const int end_age = static_cast<int>(session_->scenario().initial.start_age) + 10;
  OnNextDialog([end_age](TemplateDialog& dialog) {
    Type(dialog, ui::kInitialEndAge, QString::number(end_age));
    Type(dialog, ui::kInitialInflation, "2.5");
    Press(dialog, ui::kIdOk);
  });
  Action(ui::kInitialValuesCommand)->trigger();
  EXPECT_EQ(shown_, std::vector<std::string>{"initial"});
  EXPECT_TRUE(prompter_.messages.empty());
  EXPECT_FLOAT_EQ(session_->scenario().initial.end_age, static_cast<float>(end_age));
  EXPECT_TRUE(session_->scenario().modified);
  EXPECT_NE(EventList()->topLevelItem(0)->text(1), first_line);
  EXPECT_TRUE(EventList()->topLevelItem(0)->text(1).contains("Inflation=2.500%"));
  EXPECT_NE(session_->last_run().periods.size(), years);
  EXPECT_FALSE(session_->editors().EditorIsOpen(false));
}

TEST_F(EditorWindowsTest, EveryEditorOpensFromItsCommandAndCancelsWithoutAChange) {
  Start(true, "", &prompter_);
  window_->SwitchFolder(ui::kScenarioFolder);
  const int events = model::EventCount(session_->scenario());
  for (const ui::EditorEntry& entry : ui::EditorTable()) {
    // An equity loan is added only from its mortgage's editor, and re-indexing asks its
    // question in a message box: neither opens a dialog from the menu.
    if (entry.command == ui::kEquityLoanCommand || entry.command == ui::kReindexAccountsCommand) {
      continue;
    }
    shown_.clear();
    OnNextDialog([](TemplateDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    QAction* action = Action(entry.command);
    ASSERT_NE(action, nullptr) << entry.command;
    ASSERT_TRUE(action->isEnabled()) << entry.command;
    action->trigger();
    timer_.stop();
    EXPECT_FALSE(shown_.empty()) << "command " << entry.command << " showed no dialog";
    EXPECT_FALSE(session_->editors().EditorIsOpen(false)) << entry.command;
    EXPECT_FALSE(session_->scenario().modified) << entry.command;
    EXPECT_EQ(model::EventCount(session_->scenario()), events) << entry.command;
  }
}

TEST_F(EditorWindowsTest, TheResultsFolderOpensInitialValues) {
  Start(true, "", &prompter_);
  window_->SwitchFolder(ui::kResultsFolder);
  OnNextDialog([](TemplateDialog& dialog) { Press(dialog, ui::kIdCancel); });
  window_->results_folder().HandleCommand(static_cast<int>(ui::ResultsCommand::EditInitialValues));
  EXPECT_EQ(shown_, std::vector<std::string>{"initial"});
}

TEST_F(EditorWindowsTest, SpaceInactivatesTheSelectedEventInTheInactiveColour) {
  Start(true, "", &prompter_);
  window_->SwitchFolder(ui::kScenarioFolder);
  ASSERT_GT(EventList()->topLevelItemCount(), 1);
  EventList()->setCurrentItem(EventList()->topLevelItem(1));
  const QString age = EventList()->topLevelItem(1)->text(0);
  const QColor normal = EventList()->topLevelItem(1)->foreground(1).color();
  QTest::keyClick(EventList(), Qt::Key_Space);
  EXPECT_TRUE(session_->scenario().modified);
  // The run may move the event; its row shows the same age in the inactive colour.
  bool found = false;
  for (int row = 1; row < EventList()->topLevelItemCount(); ++row) {
    QTreeWidgetItem* item = EventList()->topLevelItem(row);
    if (item->foreground(1).color() == QColor(255, 0, 0)) {
      found = true;
      EXPECT_EQ(item->text(0), age);
    }
  }
  EXPECT_TRUE(found);
  EXPECT_NE(normal, QColor(255, 0, 0));
}

TEST_F(EditorWindowsTest, AddShowsTheChooserBesideTheScenarioFolderWithoutCountingAsAnEditor) {
  TemplateDialog* chooser = OpenChooser();
  ASSERT_NE(chooser, nullptr);
  EXPECT_EQ(chooser->objectName(), "events");
  EXPECT_TRUE(chooser->isVisible());
  EXPECT_FALSE(chooser->isModal());
  // A tool window with a title bar, beside the folder: never over the menus.
  EXPECT_EQ(chooser->windowType(), Qt::Tool);
  EXPECT_TRUE(chooser->windowFlags().testFlag(Qt::WindowTitleHint));
  const QWidget* page = window_->event_list_page();
  const QRect folder(page->mapToGlobal(QPoint(0, 0)), page->size());
  EXPECT_GE(chooser->frameGeometry().top(), folder.top());
  EXPECT_TRUE(chooser->frameGeometry().left() > window_->frameGeometry().right() ||
              chooser->frameGeometry().right() < window_->frameGeometry().left() ||
              folder.contains(chooser->frameGeometry()))
      << "chooser at " << chooser->frameGeometry().x() << "," << chooser->frameGeometry().y();
  EXPECT_FALSE(session_->editors().EditorIsOpen(false));
  window_->SwitchFolder(ui::kResultsFolder);  // leaving the folder closes it
  EXPECT_EQ(window_->event_chooser(), nullptr);
}

TEST_F(EditorWindowsTest, TheChooserClosesWhenItOpensAnEditor) {
  TemplateDialog* chooser = OpenChooser();
  ASSERT_NE(chooser, nullptr);
  bool chooser_shown_over_editor = true;
  OnNextDialog([&](TemplateDialog& dialog) {
    chooser_shown_over_editor =
        window_->event_chooser() != nullptr && window_->event_chooser()->isVisible();
    Press(dialog, ui::kIdCancel);
  });
  auto* deposit = qobject_cast<QPushButton*>(chooser->ControlWidget(110));
  ASSERT_NE(deposit, nullptr);
  QTest::mouseClick(deposit, Qt::LeftButton);
  EXPECT_EQ(shown_, std::vector<std::string>{"income"});
  EXPECT_FALSE(chooser_shown_over_editor);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(window_->event_chooser(), nullptr);
}

}  // namespace
}  // namespace tarvel::app
