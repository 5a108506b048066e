// The common editor protocol over one event: the editor changes a working copy of the record
// and the scenario sees it only when every check has passed, so Cancel (or a failed OK) leaves
// the stored event exactly as it was. Only adding counts a new event; editing never changes the
// event count, so events added meanwhile (an equity loan from the Mortgage editor) stay.
#pragma once

#include "model/records.h"
#include "platform/prompter.h"
#include "ui/editors/editor_services.h"

namespace tarvel::ui {

// Whether the editors and the event list treat the event as inactive: a start age above 1000
// (an age of exactly 1000 is active).
bool ShownInactive(const model::FinancialEvent& event);

// True when the event table has room for one more event; otherwise the one capacity message
// is shown. Every way of adding an event asks this first.
bool RoomForEvent(const model::Scenario& scenario, platform::Prompter& prompter);

class EventEditing {
 public:
  // Adding: a cleared record for the slot at the event count. Editing: a copy of the event,
  // with the inactive offset taken off its start age.
  EventEditing(const model::Scenario& scenario, const EditRequest& request);

  model::FinancialEvent& event() { return event_; }
  const model::FinancialEvent& event() const { return event_; }
  bool adding() const { return adding_; }
  bool was_inactive() const { return was_inactive_; }
  // The slot the event is written to.
  int slot() const { return slot_; }
  // The number of events before the editor opened (the mortgages the account checks see).
  int event_count_at_opening() const { return count_at_opening_; }

  // Writes the working copy into its slot; adding counts it. False, after the capacity
  // message, when a new event finds the table full.
  bool Commit(model::Scenario& scenario, platform::Prompter& prompter) const;

 private:
  model::FinancialEvent event_;
  bool adding_;
  bool was_inactive_ = false;
  int slot_;
  int count_at_opening_;
};

}  // namespace tarvel::ui
