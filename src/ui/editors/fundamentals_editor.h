// The Fundamentals editor: from its start age on, new tax and inflation rates and optionally a
// new rate for one account. The new account rate belongs to the event; the account's own
// yearly rate is never changed here.
#pragma once

#include "ui/editors/account_choices.h"
#include "ui/editors/event_editor_presenter.h"
#include "ui/shell/command_ids.h"

namespace tarvel::ui {

namespace fundamentals_controls {
inline constexpr int kAccount = 117;
inline constexpr int kStartAge = 119;
inline constexpr int kDescription = 120;
inline constexpr int kTaxRate = 121;
inline constexpr int kInflationRate = 122;
inline constexpr int kChangeRate = 123;
inline constexpr int kNewRate = 124;  // shows the event's new account rate
}  // namespace fundamentals_controls

DialogTemplate FundamentalsTemplate();

class FundamentalsEditor : public EventEditorPresenter {
 public:
  FundamentalsEditor(EditorServices& services, const EditRequest& request);
  void Initialise(platform::DialogView& view) override;

 protected:
  bool ReadFields(platform::DialogView& view, model::FinancialEvent& event) override;
  void OtherCommand(platform::DialogView& view, int control) override;

 private:
  // A new event starts from the rates of the nearest earlier Fundamentals event, or from the
  // initial tax and inflation rates.
  void StartFromEarlierRates();
  // Asks the Account Rate dialog for the chosen account's new rate.
  void ChangeAccountRate(platform::DialogView& view);
  void ShowAccountRate(platform::DialogView& view) const;

  AccountChoices accounts_;
};

bool EditFundamentals(EditorServices& services, const EditRequest& request);

}  // namespace tarvel::ui
