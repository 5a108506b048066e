// The "Mortgage Calculator" dialog: the monthly payment of a mortgage, its schedule printed
// through the schedule plotter (into a PDF file the user places when no printer is installed),
// and the mortgage handed to the Mortgage editor as a new event.
#pragma once

#include <optional>

#include "calculators/mortgage_calculator.h"
#include "ui/editors/editor_services.h"
#include "ui/shell/dialog_template.h"

namespace tarvel::ui {

DialogTemplate MortgageCalculatorTemplate();

class MortgageCalculatorDialog : public DialogPresenter {
 public:
  explicit MortgageCalculatorDialog(EditorServices& services) : services_(services) {}
  void Initialise(platform::DialogView& view) override;
  void Command(platform::DialogView& view, int control) override;
  // The mortgage chosen with "Use This Mortgage in Scenario", when that closed the dialog.
  const std::optional<calculators::MortgageInputs>& chosen() const { return chosen_; }

 private:
  // Checks the fields and shows the payment; none after a refused field.
  std::optional<calculators::MortgageInputs> Calculate(platform::DialogView& view);
  void PrintSchedule(platform::DialogView& view);

  EditorServices& services_;
  std::optional<calculators::MortgageInputs> chosen_;
};

// Command 881. True when "Use This Mortgage in Scenario" added a Mortgage event.
bool RunMortgageCalculator(EditorServices& services, const EditRequest& request);

}  // namespace tarvel::ui
