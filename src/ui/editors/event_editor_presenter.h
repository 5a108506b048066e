// What the event editors' presenters share: a working copy of the event, OK that commits it
// only when every field passed its check, Cancel that always closes and stores nothing, and
// Help at the editor's context.
#pragma once

#include <cstdint>

#include "model/records.h"
#include "ui/editors/editor_services.h"
#include "ui/editors/event_editing.h"
#include "ui/shell/dialog_template.h"

namespace tarvel::ui {

class EventEditorPresenter : public DialogPresenter {
 public:
  EventEditorPresenter(EditorServices& services, const EditRequest& request, int help_context);

  void Command(platform::DialogView& view, int control) final;
  // True once OK has written the event into the scenario.
  bool committed() const { return committed_; }

 protected:
  // Reads and checks the fields into `event` (a copy of the working copy); false at the first
  // refused check, whose message has been shown.
  virtual bool ReadFields(platform::DialogView& view, model::FinancialEvent& event) = 0;
  // Any other control: a box toggled, an account chosen, a button of the editor's own.
  virtual void OtherCommand(platform::DialogView& view, int control);

  EditorServices& services() const { return services_; }
  EventEditing& editing() { return editing_; }
  const EventEditing& editing() const { return editing_; }
  // AccountUsedByMortgage over the events that existed when the editor opened.
  bool UsedByMortgage(std::uint16_t account) const;
  const model::Currency& currency() const { return services_.program.currency; }
  double initial_start_age() const { return services_.scenario.initial.start_age; }

 private:
  void Ok(platform::DialogView& view);

  EditorServices& services_;
  EventEditing editing_;
  int help_context_;
  bool committed_ = false;
};

// Runs an editor's dialog and answers whether it wrote the event. Adding asks first whether
// the event table has room.
template <typename Editor>
bool RunEventEditor(EditorServices& services, const EditRequest& request,
                    const DialogTemplate& dialog) {
  if (request.adding() && !RoomForEvent(services.scenario, services.prompter)) return false;
  Editor editor(services, request);
  services.dialogs.RunModal(dialog, editor);
  return editor.committed();
}

}  // namespace tarvel::ui
