// The account import as the user meets it: choosing the report file, the preview, and then
// either LoadNewAccounts (each imported account completed in the account dialog) or
// UpdateAccounts (its questions, and unknown accounts added on request).
#pragma once

#include <functional>

#include "ui/editors/editor_services.h"
#include "ui/exchange/exchange_file_dialogs.h"
#include "ui/shell/keywords.h"

namespace tarvel::ui {

// Updates the initial amounts of the accounts a chosen report names. True when the scenario
// changed.
bool UpdateAccounts(EditorServices& services, const Keywords& keywords, bool comma);

// Makes the accounts of a new scenario from a chosen report: once the preview is confirmed,
// start_new_scenario clears the scenario (false stops), then the account dialog opens on each
// imported account. True when the new scenario was started.
bool LoadNewAccounts(EditorServices& services, const Keywords& keywords, bool comma,
                     const std::function<bool()>& start_new_scenario);

}  // namespace tarvel::ui
