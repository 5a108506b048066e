// The "Accelerated Mortgage Payment Analysis" dialog: an existing mortgage beside the same
// mortgage with an additional monthly payment, and that payment invested instead.
#pragma once

#include "calculators/accelerated_payment.h"
#include "model/calculator_inputs.h"
#include "ui/editors/editor_services.h"
#include "ui/shell/dialog_template.h"

namespace tarvel::ui {

DialogTemplate AcceleratedPaymentTemplate();

class AcceleratedPaymentDialog : public DialogPresenter {
 public:
  // The dialog opens on the given loan, years, years left, rate and additional payment; the
  // investment rate starts at 5 %, the tax and inflation rates at the scenario's.
  AcceleratedPaymentDialog(EditorServices& services, const calculators::AcceleratedInputs& start)
      : services_(services), start_(start) {}
  void Initialise(platform::DialogView& view) override;
  void Command(platform::DialogView& view, int control) override;

 private:
  void Calculate(platform::DialogView& view);
  // The mortgage of accepted inputs is shown again at the next opening from the menu.
  void KeepInputs(const calculators::AcceleratedInputs& inputs);

  EditorServices& services_;
  calculators::AcceleratedInputs start_;
};

// The analysis's starting values when opened from the menu: the mortgage it was last calculated
// with (at first no loan, 30 years, 30 left).
calculators::AcceleratedInputs AcceleratedMenuStart(const model::Scenario& scenario,
                                                    const model::AcceleratedAnalysisInputs& kept);
// ... and from a mortgage: its financed amount, term, the years left at the plan's start age
// (at least 1), its rate and its additional monthly payment.
calculators::AcceleratedInputs AcceleratedMortgageStart(const model::Scenario& scenario,
                                                        const model::FinancialEvent& mortgage);

void ShowAcceleratedAnalysis(EditorServices& services, const calculators::AcceleratedInputs& start);

// Command 883; never changes the scenario.
bool RunAcceleratedPaymentAnalysis(EditorServices& services, const EditRequest& request);

}  // namespace tarvel::ui
