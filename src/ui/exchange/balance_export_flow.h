// Export (commands 446 and 447): the save dialog, the overwrite question, a run of the
// scenario for its yearly balances, and the file written in one piece.
#pragma once

#include "ui/editors/editor_services.h"
#include "ui/shell/keywords.h"

namespace tarvel::ui {

// True when the file was written.
bool ExportBalances(EditorServices& services, const Keywords& keywords, bool comma);

}  // namespace tarvel::ui
