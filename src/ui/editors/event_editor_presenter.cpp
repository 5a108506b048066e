// The event editors' shared OK, Cancel and Help.
#include "ui/editors/event_editor_presenter.h"

#include "ui/editors/account_choices.h"
#include "ui/editors/cash_flow_fields.h"

namespace tarvel::ui {

EventEditorPresenter::EventEditorPresenter(EditorServices& services, const EditRequest& request,
                                           int help_context)
    : services_(services), editing_(services.scenario, request), help_context_(help_context) {}

void EventEditorPresenter::Command(platform::DialogView& view, int control) {
  switch (control) {
    case kIdOk:
      Ok(view);
      break;
    case kIdCancel:
      view.Close(kIdCancel);
      break;
    case kEditorHelpButton:
      services_.help.ShowTopic(help_context_);
      break;
    default:
      OtherCommand(view, control);
      break;
  }
}

void EventEditorPresenter::OtherCommand(platform::DialogView&, int) {}

bool EventEditorPresenter::UsedByMortgage(std::uint16_t account) const {
  return AccountUsedByMortgage(services_.scenario, editing_.event_count_at_opening(),
                               services_.prompter, account);
}

void EventEditorPresenter::Ok(platform::DialogView& view) {
  model::FinancialEvent event = editing_.event();
  if (!ReadFields(view, event)) return;
  editing_.event() = event;
  if (!editing_.Commit(services_.scenario, services_.prompter)) return;
  committed_ = true;
  view.Close(kIdOk);
}

}  // namespace tarvel::ui
