// The required minimum distribution options ("mrw"): how distributions are taken from the
// assigned accounts (proportionally, equally or in account order), the penalty rate, the
// account the distributions go to, and the three life-expectancy tables (each through its
// own editor). A table an account is assigned to that holds no values is offered to be filled
// from the IRS Uniform Lifetime Table.
#pragma once

#include "ui/editors/account_choices.h"
#include "ui/editors/editor_services.h"
#include "ui/shell/dialog_template.h"

namespace tarvel::ui {

namespace rmd_controls {
inline constexpr int kProportional = 10;
inline constexpr int kEqual = 11;
inline constexpr int kAccountOrder = 13;
inline constexpr int kPenaltyRate = 15;
inline constexpr int kTransferAccount = 16;
inline constexpr int kHelp = 17;
inline constexpr int kEditTable1 = 21;  // 21, 22, 23: tables 1 to 3
}  // namespace rmd_controls

DialogTemplate RmdOptionsTemplate();

class RmdOptionsDialog : public DialogPresenter {
 public:
  explicit RmdOptionsDialog(EditorServices& services)
      : services_(services), accounts_(services.scenario, true) {}
  void Initialise(platform::DialogView& view) override;
  void Command(platform::DialogView& view, int control) override;
  // True when OK stored the options or a table editor stored its table.
  bool changed() const { return changed_; }

 private:
  void Confirm(platform::DialogView& view);

  EditorServices& services_;
  AccountChoices accounts_;
  bool changed_ = false;
};

bool EditRmdOptions(EditorServices& services, const EditRequest& request);

}  // namespace tarvel::ui
