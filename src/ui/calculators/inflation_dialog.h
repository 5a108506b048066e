// The Inflation Calculator dialog: an amount grown at an inflation rate from one age to another.
#pragma once

#include "ui/editors/editor_services.h"

namespace tarvel::ui {

DialogTemplate InflationTemplate();

class InflationDialog : public DialogPresenter {
 public:
  explicit InflationDialog(EditorServices& services);
  void Initialise(platform::DialogView& view) override;
  void Command(platform::DialogView& view, int control) override;

 private:
  void Calculate(platform::DialogView& view);

  EditorServices& services_;
};

// Shows the calculator; it never changes the scenario.
bool ShowInflationCalculator(EditorServices& services, const EditRequest& request);

}  // namespace tarvel::ui
