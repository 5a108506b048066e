// The Taxes, Inflation and Your Investment dialog: an investment's worth after taxes on its
// return, and that worth in today's money. Its rate field can be filled from the effective
// yearly rate calculator.
#pragma once

#include "ui/editors/editor_services.h"

namespace tarvel::ui {

DialogTemplate TaxesTemplate();

class TaxesDialog : public DialogPresenter {
 public:
  explicit TaxesDialog(EditorServices& services);
  void Initialise(platform::DialogView& view) override;
  void Command(platform::DialogView& view, int control) override;

 private:
  void Calculate(platform::DialogView& view);

  EditorServices& services_;
};

bool ShowTaxesAnalysis(EditorServices& services, const EditRequest& request);

}  // namespace tarvel::ui
