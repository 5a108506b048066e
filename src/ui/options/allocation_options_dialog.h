// The asset-allocation withdrawal options ("aa"): the method (proportional, equal or none),
// the age withdrawals start and the minimum withdrawal. The scenario keeps at most one option
// event: OK with a method writes it (editing the one there is, else adding one); OK with no
// method removes it.
#pragma once

#include "ui/editors/editor_services.h"
#include "ui/shell/dialog_template.h"

namespace tarvel::ui {

namespace allocation_controls {
inline constexpr int kProportional = 10;
inline constexpr int kStartAge = 11;
inline constexpr int kMinimumWithdrawal = 12;
inline constexpr int kEqual = 13;
inline constexpr int kHelp = 14;
}  // namespace allocation_controls

inline constexpr char kAllocationOptionDescription[] =
    "Asset allocation withdrawal option in effect.";

DialogTemplate AllocationOptionsTemplate();

// The slot of the asset-allocation option event, or -1.
int FindAllocationOption(const model::Scenario& scenario);

class AllocationOptionsDialog : public DialogPresenter {
 public:
  explicit AllocationOptionsDialog(EditorServices& services) : services_(services) {}
  void Initialise(platform::DialogView& view) override;
  void Command(platform::DialogView& view, int control) override;
  bool committed() const { return committed_; }

 private:
  void Confirm(platform::DialogView& view);

  EditorServices& services_;
  bool committed_ = false;
};

bool EditAllocationOptions(EditorServices& services, const EditRequest& request);

}  // namespace tarvel::ui
