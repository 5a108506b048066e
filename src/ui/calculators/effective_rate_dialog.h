// The Calculate Effective Yearly Rate dialog. Opened by a dialog with a rate field, its Use
// button hands the shown rate to that field; opened on its own, the Use button is disabled.
#pragma once

#include <functional>
#include <string>

#include "ui/editors/editor_services.h"

namespace tarvel::ui {

// Receives the effective rate text the Use button hands back ("12.6825").
using UseEffectiveRate = std::function<void(const std::string& rate_text)>;

DialogTemplate EffectiveRateTemplate();

class EffectiveRateDialog : public DialogPresenter {
 public:
  EffectiveRateDialog(EditorServices& services, UseEffectiveRate use);
  void Initialise(platform::DialogView& view) override;
  void Command(platform::DialogView& view, int control) override;

 private:
  // Checks the rate and the compoundings and shows the effective rate; false after a refusal.
  bool Calculate(platform::DialogView& view);
  int ChosenCompoundings(platform::DialogView& view) const;

  EditorServices& services_;
  UseEffectiveRate use_;
};

// Shows the calculator for the dialog that opened it (`use` empty when none did).
void ShowEffectiveRateCalculator(EditorServices& services, UseEffectiveRate use);

// The calculator opened from the menu; it never changes the scenario.
bool ShowEffectiveRateCommand(EditorServices& services, const EditRequest& request);

}  // namespace tarvel::ui
