// The Rule 72T Distribution dialog: edits a Rule 72T transfer and works out its yearly
// distribution by the chosen method from the source account's balance at the start age, which
// a run of the scenario captures.
#pragma once

#include <optional>

#include "engine/life_tables.h"
#include "ui/editors/account_choices.h"
#include "ui/editors/editor_services.h"
#include "ui/editors/event_editing.h"

namespace tarvel::ui {

DialogTemplate Rule72TTemplate();

class Rule72TDialog : public DialogPresenter {
 public:
  Rule72TDialog(EditorServices& services, const EditRequest& request);
  void Initialise(platform::DialogView& view) override;
  void Command(platform::DialogView& view, int control) override;
  bool committed() const { return committed_; }

 private:
  // Runs the scenario for the chosen account's balance at the start age, then recomputes.
  std::optional<float> CaptureAndCompute(platform::DialogView& view);
  // The three methods' amounts and the chosen one's; none after a refusal.
  std::optional<float> Compute(platform::DialogView& view);
  // The field checks of OK and Calculate, into the working copy.
  bool ReadEvent(platform::DialogView& view);
  void Confirm(platform::DialogView& view);
  const engine::LifeTablesRead& Tables();

  EditorServices& services_;
  EventEditing editing_;
  AccountChoices from_choices_;
  AccountChoices to_choices_;
  float captured_balance_ = 0;
  std::optional<engine::LifeTablesRead> tables_;
  bool committed_ = false;
};

bool EditRule72T(EditorServices& services, const EditRequest& request);

}  // namespace tarvel::ui
