// The Account Rate dialog: shows an account's name and a yearly rate and answers the new rate
// the user typed, or nothing when cancelled. It changes no record itself, so its caller
// decides where the rate goes (a Fundamentals event, or the account).
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/prompter.h"
#include "ui/calculators/effective_rate_dialog.h"
#include "ui/editors/editor_services.h"
#include "ui/shell/dialog_template.h"

namespace tarvel::ui {

namespace account_rate_controls {
inline constexpr int kRate = 3;
inline constexpr int kAccountName = 104;
inline constexpr int kEffectiveRate = 113;
}  // namespace account_rate_controls

DialogTemplate AccountRateTemplate();

// Opens the effective-rate calculator, whose Use button hands its rate to `use`.
using EffectiveRateOpener = std::function<void(UseEffectiveRate use)>;

class AccountRateDialog : public DialogPresenter {
 public:
  // `effective_rate_calculator` opens the effective-rate calculator, whose rate goes into the
  // rate field; without it the button is disabled.
  AccountRateDialog(platform::Prompter& prompter, std::string account_name, float rate_percent,
                    EffectiveRateOpener effective_rate_calculator = {});
  void Initialise(platform::DialogView& view) override;
  void Command(platform::DialogView& view, int control) override;

  // The rate accepted by OK, percent per year (-200 to 200).
  std::optional<float> new_rate() const { return new_rate_; }

 private:
  platform::Prompter& prompter_;
  std::string account_name_;
  float rate_;
  EffectiveRateOpener effective_rate_calculator_;
  std::optional<float> new_rate_;
};

// Shows the dialog, with the effective-rate calculator behind its button, and answers the new
// rate, or nothing when cancelled.
std::optional<float> EditAccountRate(EditorServices& services, const std::string& account_name,
                                     float rate_percent);

}  // namespace tarvel::ui
