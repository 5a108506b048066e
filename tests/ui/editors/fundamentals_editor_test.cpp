// The Fundamentals editor and the Account Rate dialog: rates carried over from the earlier
// event, a new account rate kept in the event (never in the account), and the checks.
#include "ui/editors/fundamentals_editor.h"

#include "flow_editor_fixture.h"
#include "model/event_views.h"
#include "ui/editors/account_rate_dialog.h"
#include "ui/editors/field_check.h"

namespace tarvel::ui {
namespace {

using namespace fundamentals_controls;
using test_support::FakeDialogView;

class FundamentalsEditorTest : public test_support::FlowEditorTest {
 protected:
  model::FinancialEvent& AddFundamentals(float age, float tax, float inflation,
                                         std::uint16_t account, float rate) {
    auto& event = test_support::AddEvent(*scenario, model::EventKind::Fundamentals, age, age);
    model::FundamentalsTerms terms(event);
    terms.tax_rate_percent() = tax;
    terms.inflation_rate_percent() = inflation;
    terms.account() = account;
    terms.account_rate_percent() = rate;
    return event;
  }

  // The Account Rate dialog answers by typing each rate in turn and pressing OK.
  void TypeRates(std::vector<std::string> rates) {
    dialogs.script = [rates](FakeDialogView& view, DialogPresenter& presenter) {
      for (const std::string& rate : rates) {
        view.texts[account_rate_controls::kRate] = rate;
        presenter.Command(view, kIdOk);
      }
      if (!view.result) presenter.Command(view, kIdCancel);
    };
  }
};

TEST_F(FundamentalsEditorTest, ANewEventStartsFromTheNearestEarlierFundamentalsRates) {
  struct Case {
    int earlier_events;
    const char* tax;
    const char* inflation;
    int list_position;
    const char* new_rate;
  } cases[] = {
      {0, "15.000", "4.000", 0, ""},        // the initial values
      {1, "20.000", "3.000", 1, "5.000%"},  // bonds at 5 %
      {2, "25.000", "2.500", 4, "8.000%"},  // the later of two: savings at 8 %
  };
  for (const Case& c : cases) {
    scenario->initial.event_count = 1;
    if (c.earlier_events >= 1) AddFundamentals(50, 20, 3, Id(bonds), 5);
    if (c.earlier_events >= 2) AddFundamentals(45, 25, 2.5f, Id(savings), 8);
    FundamentalsEditor editor(services, EditRequest{});
    FakeDialogView view;
    editor.Initialise(view);
    EXPECT_EQ(view.texts[kTaxRate], c.tax);
    EXPECT_EQ(view.texts[kInflationRate], c.inflation);
    EXPECT_EQ(view.selections[kAccount], c.list_position);
    EXPECT_EQ(view.texts[kNewRate], c.new_rate);
  }
}

TEST_F(FundamentalsEditorTest, StoresTheNewAccountRateInTheEventAfterTheChecksInOrder) {
  FundamentalsEditor editor(services, EditRequest{});
  FakeDialogView view;
  editor.Initialise(view);
  TypeRates({"250", "7.5"});
  view.selections[kAccount] = 4;  // savings, at 6 %
  editor.Command(view, kAccount);
  EXPECT_EQ(dialogs.names, std::vector<std::string>{"account"});
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text,
            "This rate must be greater than -200.00 and less than 200.00");
  EXPECT_EQ(prompter.messages[0].caption, "RATE ERROR");
  EXPECT_EQ(view.texts[kNewRate], "7.500%");

  const std::string age(StringTableText(7));
  const std::string rate(StringTableText(4));
  WalkChecks(
      view, editor,
      {
          {kAccount, "3", "4", "You cannot select an account that is assigned to a Mortgage Event!",
           "Account Warning"},
          {kStartAge, "130", "70.9", age, "START AGE ERROR"},
          {kTaxRate, "-1", "22", rate, "TAX RATE ERROR"},
          {kInflationRate, "1001", "3.5", rate, "INFLATION RATE ERROR"},
      },
      {kAccount});
  const model::FinancialEvent& stored = scenario->events[1];
  const model::FundamentalsTerms terms(stored);
  EXPECT_EQ(stored.kind, model::EventKind::Fundamentals);
  EXPECT_EQ(stored.start_age, 70.0f);
  EXPECT_EQ(stored.end_age, 70.0f);
  EXPECT_EQ(terms.tax_rate_percent(), 22.0f);
  EXPECT_EQ(terms.inflation_rate_percent(), 3.5f);
  EXPECT_EQ(terms.account(), Id(savings));
  EXPECT_EQ(terms.account_rate_percent(), 7.5f);
  EXPECT_EQ(scenario->accounts.records[savings].yearly_rate, 6.0f);
}

TEST_F(FundamentalsEditorTest, CancelLeavesTheEventAndTheAccountAsTheyWere) {
  const model::FinancialEvent before = AddFundamentals(60, 18, 3, Id(bonds), 5);
  const model::Account account_before = scenario->accounts.records[bonds];

  FundamentalsEditor editor(services, EditRequest{1});
  FakeDialogView view;
  editor.Initialise(view);
  TypeRates({"6.25"});
  editor.Command(view, kChangeRate);  // the bonds' rate in this event: 5 % shown
  EXPECT_EQ(view.texts[kNewRate], "6.250%");
  TypeRates({});  // a second account's rate dialog cancelled: the list goes back to the bonds
  view.selections[kAccount] = 4;
  editor.Command(view, kAccount);
  EXPECT_EQ(view.selections[kAccount], 1);
  view.texts[kTaxRate] = "abc";
  editor.Command(view, kIdOk);
  editor.Command(view, kIdCancel);
  EXPECT_EQ(Captions(), std::vector<std::string>{"TAX RATE ERROR"});
  EXPECT_EQ(view.result, kIdCancel);
  EXPECT_TRUE(SameBytes(scenario->events[1], before));
  EXPECT_EQ(std::memcmp(&scenario->accounts.records[bonds], &account_before, sizeof account_before),
            0);
}

}  // namespace
}  // namespace tarvel::ui
