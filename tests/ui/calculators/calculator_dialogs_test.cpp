// The calculator dialogs driven as a user would: the Rule 72T dialog's checks, capture and
// stored transfer; the taxes dialog filled from the effective-rate calculator; the trade-off
// graph and kept inputs; the inflation calculator's kept values.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>

#include "model/event_views.h"
#include "model/record_counts.h"
#include "ui/accounts/account_info_dialog.h"
#include "ui/calculators/effective_rate_dialog.h"
#include "ui/calculators/inflation_dialog.h"
#include "ui/calculators/rule72t_dialog.h"
#include "ui/calculators/taxes_dialog.h"
#include "ui/calculators/tradeoff_dialog.h"
#include "ui/editors/account_rate_dialog.h"
#include "ui/editors/debt_editor_fixture.h"

namespace tarvel::test_support {
namespace {

std::string FileText(const std::string& path) {
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

class CalculatorDialogs : public DebtEditorTest {
 protected:
  CalculatorDialogs() {
    ira = Id(AddAccount(*scenario, model::AccountType::Retirement, 400000, 4, "IRA"));
    scenario->initial.start_age = 50;
    scenario->initial.end_age = 70;
  }
  // A Rule 72T dialog with valid fields: age 50 to 60, beneficiary 50, 4 %, from the IRA.
  void FillRule72T(FakeDialogView& view) {
    view.texts[101] = "Early income";
    view.texts[103] = "50";
    view.texts[112] = "60";
    view.texts[104] = "50";
    view.texts[116] = "4";
    view.selections[113] = 0;  // the IRA, the only retirement account
    view.selections[124] = Position(savings, true);
  }
  std::uint16_t ira = 0;
};

TEST_F(CalculatorDialogs, Rule72TRefusesEachFieldThenStoresTheTransfer) {
  ui::Rule72TDialog dialog(services, ui::EditRequest{});
  FakeDialogView view;
  dialog.Initialise(view);
  EXPECT_TRUE(view.checks[109]);  // Single Life
  EXPECT_TRUE(view.checks[118]);  // Annuity
  // Distributions come from retirement accounts only.
  EXPECT_EQ(view.items[113], std::vector<std::string>{"IRA"});
  FillRule72T(view);
  const std::string age_text = "This age must be between 1.0 and 120.0.";
  WalkChecks(
      dialog, view, 105,
      {{103, "0", "50", "AGE ERROR", age_text},
       {112, "121", "60", "END AGE ERROR", age_text},
       {104, "abc", "50", "BENEFICIARY AGE ERROR", "Beneficiary age: \"abc\" is not a number."},
       {116, "21", "4", "APPLY RATE ERROR", "The Applied Rate must be between -20.0% and 20.0%"},
       // The distribution's own check follows the field checks.
       {116, "-1", "4", "Rate Error", "Rates must be between 0.0% and 100.0%"}});
  const int messages = static_cast<int>(prompter.messages.size());
  dialog.Command(view, 105);
  ASSERT_EQ(view.result, ui::kIdOk);
  EXPECT_EQ(static_cast<int>(prompter.messages.size()), messages) << "no penalty warning";
  ASSERT_EQ(model::EventCount(*scenario), 1);
  const model::FinancialEvent& event = scenario->events[0];
  const model::Rule72TTerms terms(event);
  EXPECT_TRUE(model::IsRule72T(event));
  EXPECT_EQ(event.description.str(), "Early income");
  EXPECT_EQ(terms.from_account(), ira);
  EXPECT_EQ(terms.account_chosen(), 72);
  EXPECT_EQ(terms.to_account(), savings);
  // The start balance is the IRA's as the run reaches 50: its opening balance.
  EXPECT_EQ(view.texts[117], "400000.00");
  const float annuity = terms.distribution();
  EXPECT_NEAR(annuity, 22030.34, 0.01);  // the shipped tables at 4 % and age 50
  EXPECT_EQ(view.texts[115], "22030");
  EXPECT_TRUE(dialog.committed());
}

TEST_F(CalculatorDialogs, Rule72TWarnsOfThePenaltyAndRecomputesByMethod) {
  ui::Rule72TDialog dialog(services, ui::EditRequest{});
  FakeDialogView view;
  dialog.Initialise(view);
  FillRule72T(view);
  view.texts[112] = "54";
  dialog.Command(view, 114);  // Calculate
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].caption, "Penalty Warning");
  EXPECT_FALSE(view.result.has_value());
  const std::string annuity = view.texts[115];
  view.ChooseRadio(120, {118, 119, 120});
  dialog.Command(view, 120);
  EXPECT_NE(view.texts[115], annuity);
  EXPECT_EQ(view.texts[115], "11050");  // the minimum distribution, whole currency units
  EXPECT_EQ(view.texts[123], "11049.72");
  view.ChooseRadio(108, {108, 109, 110});
  view.texts[104] = "9";
  dialog.Command(view, 108);
  EXPECT_EQ(prompter.messages.back().text,
            "Ages cannot be less than 10 when using the Uniform Life Table.");
  EXPECT_EQ(model::EventCount(*scenario), 0) << "Calculate stores nothing";
}

TEST_F(CalculatorDialogs, Rule72TCancelAndTheFullTableLeaveTheScenarioAlone) {
  // Editing: Cancel after changes leaves the stored record byte for byte.
  dialogs.scripts.push_back([this](FakeDialogView& view, ui::DialogPresenter& presenter) {
    FillRule72T(view);
    presenter.Command(view, 105);
  });
  ASSERT_TRUE(ui::EditRule72T(services, ui::EditRequest{}));
  const model::FinancialEvent stored = scenario->events[0];
  dialogs.scripts.push_back([](FakeDialogView& view, ui::DialogPresenter& presenter) {
    EXPECT_EQ(view.texts[117], "400000.00");  // captured on opening
    view.texts[116] = "5";
    view.texts[103] = "0";
    presenter.Command(view, 105);
    presenter.Command(view, 106);
  });
  EXPECT_FALSE(ui::EditRule72T(services, ui::EditRequest{0}));
  EXPECT_TRUE(SameBytes(scenario->events[0], stored));
  // Adding to a full table: the one capacity message, nothing added.
  for (int i = 1; i < model::kMaxEvents; ++i) AddEvent(*scenario, model::EventKind::Deposit, 55);
  ui::Rule72TDialog dialog(services, ui::EditRequest{});
  FakeDialogView view;
  dialog.Initialise(view);
  FillRule72T(view);
  const std::size_t before = prompter.messages.size();
  dialog.Command(view, 105);
  ASSERT_EQ(prompter.messages.size(), before + 1);
  EXPECT_EQ(model::EventCount(*scenario), model::kMaxEvents);
  EXPECT_FALSE(view.result.has_value());
}

TEST_F(CalculatorDialogs, TaxesRateComesFromTheEffectiveRateCalculator) {
  dialogs.scripts.push_back([](FakeDialogView& view, ui::DialogPresenter& presenter) {
    view.texts[10] = "12";
    presenter.Command(view, 19);  // Calculate: no compounding chosen counts once a year
    EXPECT_EQ(view.texts[17], "12.0000");
    view.ChooseRadio(15, {11, 12, 13, 14, 15});
    presenter.Command(view, 15);
    EXPECT_TRUE(view.enabled_controls[16]);
    view.texts[16] = "365";
    presenter.Command(view, 18);
    view.ChooseRadio(12, {11, 12, 13, 14, 15});
    presenter.Command(view, 12);
    EXPECT_FALSE(view.enabled_controls[16]);
    presenter.Command(view, 18);  // Use: fills the taxes dialog and stays open
    EXPECT_FALSE(view.result.has_value());
  });
  ui::TaxesDialog taxes(services);
  FakeDialogView view;
  taxes.Initialise(view);
  view.texts[10] = "$1,000.00";
  view.texts[11] = "2";
  view.texts[12] = "10";
  taxes.Command(view, 24);
  EXPECT_EQ(view.texts[12], "12.6825");
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].caption, "Period Error!");
  view.texts[12] = "10";
  view.texts[13] = "0";
  view.texts[14] = "0";
  taxes.Command(view, 22);
  EXPECT_EQ(view.texts[15], "2");
  EXPECT_EQ(view.texts[17], "$1,210.00");
  EXPECT_EQ(view.texts[19], "$1,210.00");
  EXPECT_EQ(view.texts[20], "10.50%");
  EXPECT_EQ(view.texts[16], "0.00%");
  // Opened again, the dialog shows the values last used.
  FakeDialogView again;
  ui::TaxesDialog(services).Initialise(again);
  EXPECT_EQ(again.texts[11], "2");
  EXPECT_EQ(again.texts[10], "1000.00");
  // Opened from the menu, the calculator has nowhere to hand its rate.
  ui::EffectiveRateDialog alone(services, {});
  FakeDialogView effective;
  alone.Initialise(effective);
  EXPECT_FALSE(effective.enabled_controls[18]);
}

TEST_F(CalculatorDialogs, TradeOffGraphsAndKeepsItsInputs) {
  scenario->initial.tax_rate = 20;
  ui::TradeOffDialog dialog(services);
  FakeDialogView view;
  dialog.Initialise(view);
  EXPECT_EQ(view.texts[901], "Option 1");
  view.texts[301] = "1000";
  view.texts[101] = "200";
  view.texts[401] = "50";
  view.texts[201] = "20";
  view.texts[902] = "";
  view.positions[601] = 2;
  view.checks[953] = true;
  dialog.Command(view, 953);
  EXPECT_EQ(view.texts[950], "648.00");
  dialog.Command(view, 104);
  EXPECT_EQ(prompter.messages.back().text, "Not enough periods.\nPlease try again.");
  EXPECT_TRUE(launcher.programs.empty());
  view.positions[601] = 10;
  dialog.Command(view, 502);
  EXPECT_EQ(view.texts[950], "840.00");
  EXPECT_EQ(view.texts[108], "840.00");
  dialog.Command(view, 104);
  ASSERT_EQ(launcher.programs.size(), 1u);
  EXPECT_EQ(launcher.programs[0].name, "tarveltplot");
  EXPECT_EQ(FileText(folder.File("trade.tmp")).substr(0, 41),
            "1\nDummy\nDummy\nDummy\nDummy\n12.000000\n2\nOpt");
  dialog.Command(view, 501);
  EXPECT_EQ(view.result, ui::kIdOk);
  // A new program run reads the inputs back from the file.
  model::Program next;
  next.working_directory = folder.path();
  ui::EditorServices later{*scenario, next, prompter, dialogs, help, launcher, clock};
  FakeDialogView reopened;
  ui::TradeOffDialog(later).Initialise(reopened);
  EXPECT_EQ(reopened.texts[301], "1000.00");
  EXPECT_EQ(reopened.texts[902], "");
  EXPECT_EQ(reopened.positions[601], 10);
  EXPECT_TRUE(reopened.checks[953]);
}

TEST_F(CalculatorDialogs, InflationShowsItsResultAndKeepsItsValues) {
  scenario->initial.inflation_rate = 2.5f;
  ui::InflationDialog dialog(services);
  FakeDialogView view;
  dialog.Initialise(view);
  // Until it is used, the calculator opens on the plan's ages and inflation rate.
  EXPECT_EQ(view.texts[101], "50.00");
  EXPECT_EQ(view.texts[104], "70.00");
  EXPECT_EQ(view.texts[103], "2.50");
  view.texts[101] = "60";
  view.texts[104] = "62";
  view.texts[103] = "4";
  view.texts[102] = "1000";
  dialog.Command(view, 107);
  EXPECT_EQ(view.texts[105], "1081.60");
  view.texts[104] = "60";
  dialog.Command(view, 107);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "End Age must be greater the Start Age.");
  EXPECT_EQ(view.focus, 104);
  FakeDialogView again;
  ui::InflationDialog(services).Initialise(again);
  EXPECT_EQ(again.texts[104], "62.00");
  EXPECT_EQ(again.texts[105], "1081.60");
}

// The effective-rate calculator opened from a dialog's "Calculate Effective Yearly Rate" button
// hands its rate to that dialog's rate field, which is what the dialog then stores.
TEST_F(CalculatorDialogs, AccountDialogsTakeTheirRateFromTheEffectiveRateCalculator) {
  struct Case {
    const char* name;
    int rate_field;
    std::function<float()> run;  // opens the dialog, answers the rate it stored
  };
  const std::vector<Case> cases = {
      {"account information", 106,
       [this] {
         EXPECT_TRUE(ui::EditAccountInfo(services, ui::EditRequest{0}));
         return scenario->accounts.records[0].yearly_rate;
       }},
      {"account rate", 3,
       [this] { return ui::EditAccountRate(services, "Savings", 5).value_or(-1); }},
  };
  for (const Case& c : cases) {
    std::string shown;
    dialogs.scripts.push_back([&](FakeDialogView& view, ui::DialogPresenter& dialog) {
      FakeDialogView outer = view;  // the calculator opens on the runner's view
      EXPECT_TRUE(outer.enabled_controls[113]) << c.name;
      dialog.Command(outer, 113);
      shown = outer.texts[c.rate_field];
      dialog.Command(outer, ui::kIdOk);
      view.result = outer.result;
    });
    dialogs.scripts.push_back([](FakeDialogView& view, ui::DialogPresenter& calculator) {
      EXPECT_TRUE(view.enabled_controls[18]);
      view.texts[10] = "12";
      view.ChooseRadio(12, {11, 12, 13, 14, 15});
      calculator.Command(view, 12);
      calculator.Command(view, 18);  // Use, and the calculator's close box
      calculator.Command(view, ui::kIdCancel);
    });
    EXPECT_FLOAT_EQ(c.run(), 12.6825f) << c.name;
    EXPECT_EQ(shown, "12.6825") << c.name;
    EXPECT_EQ(dialogs.titles.back(), "Calculate Effective Yearly Rate") << c.name;
  }
  EXPECT_TRUE(prompter.messages.empty());
}

}  // namespace
}  // namespace tarvel::test_support
