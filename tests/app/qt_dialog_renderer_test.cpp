// Native dialogs from templates: widgets by control id, limits, groups, and the presenter
// receiving every action and closing with its result.
#include "app/qt_dialog_renderer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace tarvel::app {
namespace {

using ui::ControlKind;
using ui::MakeControl;

ui::DialogTemplate SampleTemplate() {
  ui::DialogTemplate dialog{"sample", "Sample \x80 Dialog", {}};
  ui::Control name = MakeControl(101, ControlKind::Edit, "", 0, 1);
  name.max_chars = 5;
  ui::Control first = MakeControl(201, ControlKind::RadioButton, "First", 1, 0);
  ui::Control second = MakeControl(202, ControlKind::RadioButton, "Second", 1, 1);
  first.group = second.group = 1;
  ui::Control years = MakeControl(301, ControlKind::UpDown, "", 2, 1);
  years.maximum = 40;
  ui::Control list = MakeControl(401, ControlKind::ListView, "", 3, 0);
  list.columns = {"Name", "Amount"};
  list.column_span = 2;
  dialog.controls = {MakeControl(100, ControlKind::Label, "&Name:", 0, 0),
                     name,
                     first,
                     second,
                     MakeControl(250, ControlKind::CheckBox, "Monthly", 2, 0),
                     years,
                     list,
                     MakeControl(501, ControlKind::ComboBox, "", 4, 0),
                     MakeControl(ui::kIdOk, ControlKind::DefaultButton, "OK"),
                     MakeControl(ui::kIdCancel, ControlKind::PushButton, "Cancel")};
  return dialog;
}

// Fills the dialog, records commands, and closes on OK with the typed name's length.
class RecordingPresenter : public ui::DialogPresenter {
 public:
  void Initialise(platform::DialogView& view) override {
    view.SetText(101, "Anna");
    view.SetChecked(202, true);
    view.SetPosition(301, 30);
    view.SetItems(401, {"Savings\t$1,000.00", "House\t$200,000.00"});
    view.SetItems(501, {"Yearly", "Monthly"});
    view.SetSelection(501, 1);
  }
  void Command(platform::DialogView& view, int control) override {
    commands.push_back(control);
    if (control == ui::kIdOk) view.Close(100 + static_cast<int>(view.Text(101).size()));
  }
  std::vector<int> commands;
};

template <typename Widget>
Widget* Find(TemplateDialog& dialog, int id) {
  return qobject_cast<Widget*>(dialog.ControlWidget(id));
}

TEST(TemplateDialog, BuildsNativeWidgetsFilledByThePresenter) {
  RecordingPresenter presenter;
  TemplateDialog dialog(SampleTemplate(), presenter);
  presenter.Initialise(dialog);
  EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Sample \u20AC Dialog"));
  EXPECT_EQ(Find<QLabel>(dialog, 100)->buddy(), dialog.ControlWidget(101));
  EXPECT_EQ(Find<QLineEdit>(dialog, 101)->maxLength(), 5);
  EXPECT_EQ(Find<QSpinBox>(dialog, 301)->maximum(), 40);
  EXPECT_EQ(dialog.Position(301), 30);
  EXPECT_TRUE(dialog.Checked(202));
  EXPECT_EQ(Find<QTreeWidget>(dialog, 401)->topLevelItem(1)->text(1), "$200,000.00");
  EXPECT_EQ(dialog.Selection(501), 1);
  EXPECT_EQ(dialog.Text(501), "Monthly");
  EXPECT_TRUE(Find<QPushButton>(dialog, ui::kIdOk)->isDefault());
}

TEST(TemplateDialog, PassesActionsToThePresenterByControlId) {
  RecordingPresenter presenter;
  TemplateDialog dialog(SampleTemplate(), presenter);
  presenter.Initialise(dialog);
  dialog.show();
  QTest::mouseClick(Find<QCheckBox>(dialog, 250), Qt::LeftButton);
  QTest::mouseClick(Find<QRadioButton>(dialog, 201), Qt::LeftButton);
  EXPECT_TRUE(dialog.Checked(250));
  EXPECT_TRUE(dialog.Checked(201));
  EXPECT_FALSE(dialog.Checked(202));  // radio buttons of a group exclude each other
  QTest::keyClicks(Find<QLineEdit>(dialog, 101), "nabelle");
  EXPECT_EQ(dialog.Text(101), "Annan");  // cut at five characters
  EXPECT_EQ(presenter.commands, (std::vector<int>{250, 201}));
}

TEST(TemplateDialog, IsFixedInSizeWithoutMinimiseOrMaximiseAndFitsItsTitle) {
  RecordingPresenter presenter;
  ui::DialogTemplate dialog_template{
      "narrow", "Life Expectancy Values From The Tables Of Required Minimum Distributions", {}};
  dialog_template.controls = {MakeControl(ui::kIdOk, ControlKind::DefaultButton, "OK")};
  TemplateDialog dialog(dialog_template, presenter);
  EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
  EXPECT_GT(dialog.width(), dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()));
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
}

TEST(QtDialogRenderer, ReturnsTheResultThePresenterClosesWith) {
  RecordingPresenter presenter;
  QtDialogRenderer renderer;
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<TemplateDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    QTest::mouseClick(qobject_cast<QPushButton*>(dialog->ControlWidget(ui::kIdOk)), Qt::LeftButton);
  });
  EXPECT_EQ(renderer.RunModal(SampleTemplate(), presenter), 104);
}

TEST(QtDialogRenderer, EscapeIsCancelEvenWhenThePresenterIgnoresIt) {
  RecordingPresenter presenter;
  QtDialogRenderer renderer;
  QTimer::singleShot(0, [] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    QTest::keyClick(dialog, Qt::Key_Escape);
  });
  EXPECT_EQ(renderer.RunModal(SampleTemplate(), presenter), ui::kIdCancel);
  EXPECT_EQ(presenter.commands, std::vector<int>{ui::kIdCancel});
}

// A presenter that fills a choice list with a long item and reports the laid-out widths.
class LongChoicePresenter : public ui::DialogPresenter {
 public:
  void Initialise(platform::DialogView& view) override {
    view.SetItems(501, {"No", "Investment Savings Account With A Long Name"});
    view.SetSelection(501, 1);
  }
  void Command(platform::DialogView&, int) override {}
};

TEST(QtDialogRenderer, ChoiceListsFitTheirLongestItemAndGridButtonsStayBesideTheirField) {
  ui::DialogTemplate dialog_template{"choices", "Choices", {}};
  dialog_template.controls = {MakeControl(500, ControlKind::Label, "Account:", 0, 0),
                              MakeControl(501, ControlKind::ComboBox, "", 0, 1),
                              MakeControl(502, ControlKind::PushButton, "Change rate", 0, 2),
                              MakeControl(ui::kIdOk, ControlKind::DefaultButton, "OK")};
  dialog_template.controls[2].on_grid = true;
  LongChoicePresenter presenter;
  QtDialogRenderer renderer;
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<TemplateDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    auto* combo = qobject_cast<QComboBox*>(dialog->ControlWidget(501));
    const int text = combo->fontMetrics().horizontalAdvance(combo->currentText());
    EXPECT_GT(combo->width(), text);
    QWidget* button = dialog->ControlWidget(502);
    EXPECT_NEAR(button->geometry().center().y(), combo->geometry().center().y(), 1);
    EXPECT_GT(button->x(), combo->geometry().right());
    EXPECT_LT(button->geometry().bottom(), dialog->ControlWidget(ui::kIdOk)->y());
    QTest::keyClick(dialog, Qt::Key_Escape);
  });
  EXPECT_EQ(renderer.RunModal(dialog_template, presenter), ui::kIdCancel);
}

}  // namespace
}  // namespace tarvel::app
