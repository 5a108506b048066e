// The calculators on the real main window, offscreen: each opens from its menu command (and its
// toolbar button), calculates the worked examples typed into it, and the Mortgage editor opens
// the accelerated-payment and refinance analyses on the mortgage being edited.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <functional>
#include <utility>
#include <vector>

#include "app/dialog_driving_fixture.h"
#include "app/qt_dialog_renderer.h"
#include "model/record_counts.h"
#include "support/fake_prompter.h"

namespace tarvel::app {
namespace {

using CalculatorWindowsTest = DialogDrivingFixture;

TEST_F(CalculatorWindowsTest, EachCalculatorOpensFromItsMenuAndShowsItsWorkedExample) {
  struct Case {
    int command;
    const char* dialog;
    std::vector<Entry> typed;
    int calculate;
    int close;
    std::vector<Entry> results;  // what the calculation shows
    bool on_toolbar;
  };
  const std::vector<Case> cases = {
      {881,
       "mortgagecalc",
       {{104, "200000"}, {105, "40000"}, {106, "6"}, {107, "30"}},
       112,
       110,
       {{108, "959.28"}},
       true},
      {883,
       "accelerated",
       {{1, "200000"}, {2, "30"}, {13, "30"}, {3, "6"}, {4, "200"}},
       21,
       20,
       {{5, "$1,199.10"}, {8, "21.000"}, {9, "$1,399.10"}},
       true},
      {882,
       "refinance",
       {{104, "40"},
        {105, "100000"},
        {106, "8"},
        {107, "30"},
        {109, "45"},
        {110, "0"},
        {111, "6"},
        {112, "30"},
        {116, "1"},
        {122, "25"},
        {123, "3"}},
       120,
       119,
       {{110, "95069.86"}, {108, "$733.76"}},
       true},
      {177,
       "inflate",
       {{101, "60"}, {104, "62"}, {103, "4"}, {102, "1000"}},
       107,
       106,
       {{105, "1081.60"}},
       true},
      {179,
       "trade",
       {{301, "1000"}, {101, "200"}, {401, "50"}, {201, "20"}, {601, "10"}},
       502,
       501,
       {{950, "1100.00"}},
       true},
      {180,
       "taxinf",
       {{10, "1000"}, {11, "2"}, {12, "10"}, {13, "0"}, {14, "0"}},
       22,
       21,
       {{17, "$1,210.00"}, {19, "$1,210.00"}, {20, "10.50%"}},
       true},
      {886, "effective", {{10, "12"}, {12, "*"}}, 19, 1, {{17, "12.6825"}}, true},
      {467, "ccard", {}, 0, 108, {}, true},
      {794, "rule", {}, 0, 106, {}, false},
  };
  Start(true, "", &prompter_);
  const int events = model::EventCount(session_->scenario());
  QToolBar* toolbar = window_->menus().toolbar();
  ASSERT_NE(toolbar, nullptr);
  for (const Case& c : cases) {
    QAction* action = Action(c.command);
    ASSERT_NE(action, nullptr) << c.command;
    EXPECT_TRUE(action->isEnabled()) << c.command;
    EXPECT_EQ(toolbar->actions().contains(action), c.on_toolbar) << c.command;
    std::vector<Entry> shown;
    shown_.clear();
    OnNextDialog([&](TemplateDialog& dialog) {
      for (const Entry& entry : c.typed) Enter(dialog, entry);
      if (c.calculate != 0) Press(dialog, c.calculate);
      for (const auto& [control, expected] : c.results) {
        shown.push_back({control, Shown(dialog, control)});
      }
      Press(dialog, c.close);
    });
    action->trigger();
    timer_.stop();
    ASSERT_EQ(shown_, std::vector<std::string>{c.dialog}) << c.command;
    EXPECT_EQ(shown, c.results) << c.command;
    EXPECT_TRUE(prompter_.messages.empty()) << c.command << " " << prompter_.messages[0].text;
    EXPECT_FALSE(session_->editors().EditorIsOpen(false)) << c.command;
    EXPECT_EQ(model::EventCount(session_->scenario()), events) << c.command;
  }
}

TEST_F(CalculatorWindowsTest, TheMortgageEditorOpensItsTwoAnalysesOnTheMortgage) {
  Start(true, "", &prompter_);
  const model::Scenario& scenario = session_->scenario();
  int slot = -1;
  for (int i = 0; i < model::EventCount(scenario); ++i) {
    if (scenario.events[i].kind == model::EventKind::Mortgage) slot = i;
  }
  ASSERT_GE(slot, 0) << "the sample holds a mortgage";
  QString loan;
  QString amount;
  OnNextDialog([&](TemplateDialog& editor) {
    OnNextDialog([&](TemplateDialog& accelerated) {
      loan = Shown(accelerated, 1);
      Press(accelerated, 20);
    });
    Press(editor, 121);
    OnNextDialog([&](TemplateDialog& refinance) {
      amount = Shown(refinance, 105);
      Press(refinance, 119);
    });
    Press(editor, 118);
    Press(editor, 110);
  });
  window_->EditEvent(slot);
  timer_.stop();
  EXPECT_EQ(shown_, (std::vector<std::string>{"mortgage", "accelerated", "refinance"}));
  EXPECT_FALSE(loan.isEmpty());
  EXPECT_EQ(loan, amount) << "both start from the mortgage's financed amount";
  EXPECT_NE(loan, "$0.00");
  EXPECT_TRUE(prompter_.messages.empty());
  EXPECT_FALSE(session_->scenario().modified);
}

}  // namespace
}  // namespace tarvel::app
