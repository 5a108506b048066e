// Plans changed through the real editors, offscreen: each editor opened from its menu (or on an
// existing event), fields typed and accounts chosen as a person would, OK pressed; the Scenario
// folder lists the new event and the run's yearly results change.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <deque>
#include <string>
#include <vector>

#include "app/event_list_page.h"
#include "app/main_window_fixture.h"
#include "app/qt_dialog_renderer.h"
#include "model/record_counts.h"
#include "support/fake_prompter.h"
#include "ui/shell/command_ids.h"
#include "ui/shell/dialog_template.h"
#include "ui/shell/folders.h"

namespace tarvel::app {
namespace {

// One thing done in a dialog: "text" types into an edit, "@Name" chooses the combo item,
// "+" clicks a check box, "!" presses a button.
struct Step {
  int control;
  std::string value;
};
using DialogScript = std::vector<Step>;

struct EditorCase {
  const char* name;
  int command;           // the menu action; 0 edits `existing` from the Scenario folder
  const char* existing;  // a listed event's description
  const char* listed;    // the new line's text in the Scenario folder
  std::vector<DialogScript> dialogs;  // played in the order the dialogs show
};

// Button ids of the dialogs whose OK is not the shared one.
constexpr int kDebtOk = 107;
constexpr int kMortgageOk = 109;
constexpr int kMortgageCancel = 110;
constexpr int kTakeOutEquityLoan = 128;

const std::vector<EditorCase> kEditorCases = {
    {"Withdrawal",
     ui::kWithdrawalCommand,
     "",
     "Boat upkeep",
     {{{101, "Boat upkeep"},
       {102, "9000"},
       {103, "50"},
       {104, "70"},
       {113, "@Brokerage"},
       {ui::kIdOk, "!"}}}},
    {"Deposit",
     ui::kDepositCommand,
     "",
     "Consulting income",
     {{{101, "Consulting income"},
       {102, "50"},
       {103, "60"},
       {104, "$25,000.00"},
       {105, "@Brokerage"},
       {ui::kIdOk, "!"}}}},
    {"Transfer",
     ui::kTransferCommand,
     "",
     "Move savings",
     {{{107, "Move savings"},
       {101, "20000"},
       {102, "55"},
       {103, "56"},
       {108, "@Checking"},
       {109, "@Brokerage"},
       {ui::kIdOk, "!"}}}},
    {"Fundamentals",
     ui::kFundamentalsCommand,
     "",
     "Higher taxes later",
     {{{120, "Higher taxes later"}, {119, "60"}, {121, "35"}, {122, "4.5"}, {ui::kIdOk, "!"}}}},
    {"Loan",
     ui::kLoanCommand,
     "",
     "Boat loan",
     {{{101, "Boat loan"},
       {102, "50"},
       {103, "60"},
       {104, "40000"},
       {119, "5000"},
       {105, "7"},
       {106, "10"},
       {118, "65"},
       {112, "@Checking"},
       {113, "@Checking"},
       {kDebtOk, "!"}}}},
    {"Credit card",
     ui::kCreditCardCommand,
     "",
     "Store card",
     {{{101, "Store card"},
       {102, "50"},
       {103, "55"},
       {104, "8000"},
       {105, "19.5"},
       {110, "400"},
       {113, "50"},
       {112, "@Checking"},
       {kDebtOk, "!"}}}},
    {"Mortgage",
     ui::kMortgageCommand,
     "",
     "Lake cabin",
     {{{101, "Lake cabin"},
       {102, "55"},
       {103, "75"},
       {104, "250000"},
       {105, "50000"},
       {106, "6"},
       {107, "20"},
       {116, "3000"},
       {117, "4000"},
       {113, "3"},
       {114, "80"},
       {125, "6"},
       {122, "0"},
       {126, "@Checking"},
       {127, "@Home"},
       {kMortgageOk, "!"}}}},
    {"Equity loan",
     0,
     "House on Maple Street",
     "Kitchen remodel",
     {{{kTakeOutEquityLoan, "!"}, {kMortgageCancel, "!"}},
      {{101, "Kitchen remodel"},
       {102, "50"},
       {103, "60"},
       {104, "30000"},
       {119, "0"},
       {105, "6"},
       {106, "10"},
       {114, "500"},
       {112, "@Checking"},
       {113, "@Checking"},
       {kDebtOk, "!"}}}},
};

class DialogPlayingTest : public MainWindowFixture {
 protected:
  // Plays the scripts on the modal template dialogs as they show, each dialog once, nested
  // dialogs included; a dialog nobody scripted is cancelled.
  void PlayDialogs(std::vector<DialogScript> scripts) {
    scripts_.assign(scripts.begin(), scripts.end());
    played_.clear();
    playing_ = true;
    PollSoon();
  }
  void StopPlaying() { playing_ = false; }

  QTreeWidget* EventList() { return window_->event_list_page()->list(); }
  int ListedRows(const QString& text) {
    int rows = 0;
    for (int row = 0; row < EventList()->topLevelItemCount(); ++row) {
      if (EventList()->topLevelItem(row)->text(1).startsWith(text)) ++rows;
    }
    return rows;
  }
  void EditListed(const QString& text) {
    for (int row = 0; row < EventList()->topLevelItemCount(); ++row) {
      if (EventList()->topLevelItem(row)->text(1).startsWith(text)) {
        EventList()->setCurrentItem(EventList()->topLevelItem(row));
        QTest::mouseClick(window_->event_list_page()->button(ui::EventListButton::Edit),
                          Qt::LeftButton);
        return;
      }
    }
    ADD_FAILURE() << "no listed event " << text.toStdString();
  }

  test_support::FakePrompter prompter_;
  std::vector<std::string> played_;

 private:
  void PollSoon() {
    if (playing_) QTimer::singleShot(5, &context_, [this] { Poll(); });
  }
  void Poll() {
    auto* dialog = qobject_cast<TemplateDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || dialog->property("played").toBool()) {
      PollSoon();
      return;
    }
    dialog->setProperty("played", true);
    played_.push_back(dialog->objectName().toStdString());
    PollSoon();  // a button below may open a nested dialog
    if (scripts_.empty()) {
      QTest::keyClick(dialog, Qt::Key_Escape);
      return;
    }
    const DialogScript script = scripts_.front();
    scripts_.pop_front();
    QPointer<TemplateDialog> alive(dialog);
    for (const Step& step : script) {
      if (alive.isNull()) return;
      Play(*dialog, step);
    }
  }
  static void Play(TemplateDialog& dialog, const Step& step) {
    QWidget* widget = dialog.ControlWidget(step.control);
    ASSERT_NE(widget, nullptr) << dialog.objectName().toStdString() << " " << step.control;
    const QString value = QString::fromStdString(step.value);
    if (value == "!") {
      QTest::mouseClick(qobject_cast<QAbstractButton*>(widget), Qt::LeftButton);
    } else if (value == "+") {  // on the box itself: a wide check box is not checked at its middle
      QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
    } else if (value.startsWith('@')) {
      auto* combo = qobject_cast<QComboBox*>(widget);
      ASSERT_NE(combo, nullptr) << step.control;
      const int index = combo->findText(value.mid(1));
      ASSERT_GE(index, 0) << value.toStdString();
      combo->setCurrentIndex(index);
      emit combo->activated(index);
    } else {
      auto* edit = qobject_cast<QLineEdit*>(widget);
      ASSERT_NE(edit, nullptr) << step.control;
      edit->selectAll();
      QTest::keyClicks(edit, value);
    }
  }

  QObject context_;
  std::deque<DialogScript> scripts_;
  bool playing_ = false;
};

class EditorsFromMenusTest : public DialogPlayingTest,
                             public ::testing::WithParamInterface<EditorCase> {};

TEST_P(EditorsFromMenusTest, EachEditorAddsItsEventToTheListAndChangesTheResults) {
  const EditorCase& test = GetParam();
  Start(true, "", &prompter_);
  window_->SwitchFolder(ui::kScenarioFolder);
  const int events = model::EventCount(session_->scenario());
  const auto periods = session_->last_run().periods;
  ASSERT_EQ(ListedRows(test.listed), 0);

  PlayDialogs(test.dialogs);
  if (test.command != 0) {
    Action(test.command)->trigger();
  } else {
    EditListed(test.existing);
  }
  StopPlaying();

  EXPECT_EQ(played_.size(), test.dialogs.size());
  EXPECT_TRUE(prompter_.messages.empty())
      << (prompter_.messages.empty() ? "" : prompter_.messages.front().text);
  EXPECT_EQ(model::EventCount(session_->scenario()), events + 1);
  EXPECT_TRUE(session_->scenario().modified);
  EXPECT_EQ(ListedRows(test.listed), 1);
  EXPECT_NE(session_->last_run().periods, periods);
  EXPECT_FALSE(session_->editors().EditorIsOpen(false));
}

INSTANTIATE_TEST_SUITE_P(Editors, EditorsFromMenusTest, ::testing::ValuesIn(kEditorCases),
                         [](const ::testing::TestParamInfo<EditorCase>& info) {
                           std::string name = info.param.name;
                           std::erase(name, ' ');
                           return name;
                         });

TEST_F(DialogPlayingTest, ABudgetMadeActiveFromItsMenuWithdrawsItsTotal) {
  Start(true, "", &prompter_);
  window_->SwitchFolder(ui::kScenarioFolder);
  const int events = model::EventCount(session_->scenario());
  const auto periods = session_->last_run().periods;
  PlayDialogs({{{10, "Travel fund"},
                {19, "66"},
                {20, "80"},
                {22, "@Brokerage"},
                {12, "Cruises"},
                {13, "6000"},
                {16, "!"},
                {12, "Museums"},
                {13, "1500"},
                {16, "!"},
                {21, "+"},
                {ui::kIdOk, "!"}}});
  Action(ui::kFirstBudgetCommand + 1)->trigger();
  StopPlaying();

  EXPECT_EQ(played_, std::vector<std::string>{"budget"});
  EXPECT_TRUE(prompter_.messages.empty());
  EXPECT_EQ(model::EventCount(session_->scenario()), events + 1);
  EXPECT_EQ(ListedRows("Budget - Travel fund"), 1);
  EXPECT_NE(session_->last_run().periods, periods);
}

}  // namespace
}  // namespace tarvel::app
