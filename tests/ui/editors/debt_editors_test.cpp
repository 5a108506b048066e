// What every debt editor promises about an existing event: Cancel after a refused OK leaves
// the whole event table exactly as it was.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "debt_editor_fixture.h"
#include "ui/editors/credit_card_editor.h"
#include "ui/editors/equity_loan_editor.h"
#include "ui/editors/loan_editor.h"
#include "ui/editors/mortgage_editor.h"

namespace tarvel::ui {
namespace {

using test_support::FakeDialogView;

class DebtEditorsTest : public test_support::DebtEditorTest {};

TEST_F(DebtEditorsTest, CancelAfterARefusedOkKeepsEveryEventByteForByte) {
  using Factory = std::function<std::unique_ptr<DialogPresenter>(EditorServices&)>;
  struct Case {
    const char* name;
    Factory open;
    int ok;
    int cancel;
    int bad_field;
  } cases[] = {
      {"loan", [](EditorServices& s) { return std::make_unique<LoanEditor>(s, EditRequest{1}); },
       107, 108, 106},
      {"credit card",
       [](EditorServices& s) { return std::make_unique<CreditCardEditor>(s, EditRequest{1}); }, 107,
       108, 113},
      {"mortgage",
       [](EditorServices& s) { return std::make_unique<MortgageEditor>(s, EditRequest{0}); }, 109,
       110, 125},
      {"equity loan",
       [](EditorServices& s) { return std::make_unique<EquityLoanEditor>(s, EditRequest{1}); }, 107,
       108, 106},
      {"escape", [](EditorServices& s) { return std::make_unique<LoanEditor>(s, EditRequest{1}); },
       107, kIdCancel, 106},
  };
  AddHouseMortgage().number = 1;
  model::FinancialEvent& debt = test_support::AddEvent(*scenario, model::EventKind::Loan, 1050, 60);
  debt.number = 2;
  debt.account_24 = savings;
  for (const Case& c : cases) {
    if (std::string(c.name) == "credit card")
      scenario->events[1].word_26 = model::kCreditCardMarker;
    if (std::string(c.name) == "equity loan")
      scenario->events[1].word_26 = model::kEquityLoanMarker;
    const auto opened = std::make_unique<model::Scenario>(*scenario);
    std::unique_ptr<DialogPresenter> editor = c.open(services);
    FakeDialogView view;
    editor->Initialise(view);
    for (auto& [control, text] : view.texts) text = "1";
    view.texts[101] = "Changed";
    view.checks[119] = true;
    view.texts[c.bad_field] = "-99999";
    const std::size_t messages = prompter.messages.size();
    editor->Command(view, c.ok);
    EXPECT_EQ(prompter.messages.size(), messages + 1) << c.name;
    editor->Command(view, c.cancel);
    EXPECT_EQ(view.result, kIdCancel) << c.name;
    EXPECT_EQ(scenario->initial.event_count, 2) << c.name;
    for (int slot = 0; slot < model::kEventSlots; ++slot) {
      EXPECT_TRUE(test_support::SameBytes(scenario->events[slot], opened->events[slot]))
          << c.name << " slot " << slot;
    }
  }
}

}  // namespace
}  // namespace tarvel::ui
