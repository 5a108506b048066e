// The editor commands: which editor each command opens. The event-editor command handler looks
// commands up here, so a new editor is one line in editor_table.cpp.
#pragma once

#include <span>

#include "ui/editors/editor_services.h"

namespace tarvel::ui {

struct EditorEntry {
  int command = 0;
  EditorFunction edit = nullptr;
  bool calculator = false;  // the dialog is used as a calculator and writes no event
  int which = 0;            // passed on in EditRequest::which (the budget of 461..465)
};

// The request an entry's editor is opened with on the event slot `index` (-1 adds).
inline EditRequest RequestFor(const EditorEntry& entry, int index) {
  return EditRequest{index, entry.calculator, entry.which};
}

std::span<const EditorEntry> EditorTable();
// The entry of a command, or nullptr when no editor answers it.
const EditorEntry* FindEditor(int command);

}  // namespace tarvel::ui
