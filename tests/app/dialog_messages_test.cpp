// Message boxes over dialogs, on the real main window offscreen: a box belongs to the dialog it
// is shown over and takes the keyboard, so Enter closes it; tool windows open beside the part
// of the main window they serve; the Mortgage editor fits inside the main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/dialog_driving_fixture.h"
#include "app/tool_window_place.h"
#include "ui/editors/mortgage_editor.h"
#include "ui/shell/command_ids.h"
#include "ui/shell/folders.h"

namespace tarvel::app {
namespace {

class DialogMessagesTest : public DialogDrivingFixture {};

// What a message box shown over a dialog looked like: its parent, the widget with the keyboard
// focus, and whether Return closed it.
struct BoxSeen {
  QWidget* parent = nullptr;
  bool focus_in_box = false;
  QString text;
  bool closed_by_return = false;
};

// Watches for the next message box; once it has the focus, records it and presses Return on
// the focused widget, as a person pressing Enter would.
void AnswerNextBoxWithReturn(BoxSeen& seen) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  auto tries = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, [timer, tries, &seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QWidget* focus = QApplication::focusWidget();
    const bool focus_in_box = box != nullptr && focus != nullptr && focus->window() == box;
    // The box gets the keyboard once it has been shown: wait for that, not for ever.
    if (!focus_in_box && ++*tries < 300) return;
    timer->stop();
    timer->deleteLater();
    if (box == nullptr) return;
    seen.parent = box->parentWidget();
    seen.text = box->text();
    seen.focus_in_box = focus_in_box;
    QTest::keyClick(focus != nullptr ? focus : box, Qt::Key_Return);
    seen.closed_by_return = !box->isVisible();
    if (!seen.closed_by_return) box->done(QMessageBox::Ok);
  });
  timer->start();
}

TEST_F(DialogMessagesTest, AnErrorBoxBelongsToTheDialogItIsShownOverAndEnterClosesIt) {
  Start();  // the desktop's own message boxes
  window_->show();
  window_->SwitchFolder(ui::kScenarioFolder);
  BoxSeen seen;
  TemplateDialog* editor = nullptr;
  OnNextDialog([&](TemplateDialog& dialog) {
    editor = &dialog;
    Type(dialog, 104, "twenty");  // the deposit's amount
    AnswerNextBoxWithReturn(seen);
    Press(dialog, ui::kIdOk);
    Press(dialog, ui::kIdCancel);
  });
  window_->DispatchCommand(ui::kDepositCommand);
  ASSERT_EQ(shown_, std::vector<std::string>{"income"});
  EXPECT_EQ(seen.parent, editor);
  EXPECT_TRUE(seen.focus_in_box);
  EXPECT_TRUE(seen.closed_by_return);
}

TEST(ToolWindowPlace, BesideTheMainWindowWhereTheScreenHasRoomElseInsideTheArea) {
  const QRect screen(0, 0, 1600, 1000);
  const QSize tool(200, 300);
  struct Case {
    const char* name;
    QRect main_frame;
    QRect area;
    QPoint expected;
  } cases[] = {
      {"right", QRect(100, 50, 1000, 700), QRect(105, 150, 990, 590), QPoint(1108, 150)},
      {"left", QRect(500, 50, 1090, 700), QRect(505, 150, 1080, 590), QPoint(292, 150)},
      {"inside", QRect(0, 0, 1600, 1000), QRect(5, 100, 1590, 890), QPoint(1386, 108)},
      {"kept on screen", QRect(100, 50, 1000, 700), QRect(105, 900, 990, 90), QPoint(1108, 700)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToolWindowPlace(c.area, c.main_frame, tool, screen), c.expected) << c.name;
  }
}

TEST_F(DialogMessagesTest, TheMortgageEditorIsNarrowerThanTheMainWindow) {
  Start(true, "", &prompter_);
  window_->show();
  int editor_width = 0;
  OnNextDialog([&](TemplateDialog& dialog) {
    editor_width = dialog.frameGeometry().width();
    Press(dialog, 110);  // Cancel
  });
  window_->DispatchCommand(ui::kMortgageCommand);
  ASSERT_EQ(shown_, std::vector<std::string>{"mortgage"});
  EXPECT_GT(editor_width, 0);
  EXPECT_LT(editor_width, window_->width());
}

}  // namespace
}  // namespace tarvel::app
