// Re-Index Accounts (command 14): asks first, then renumbers the accounts in name order with
// every account reference following its account.
#pragma once

#include "ui/editors/editor_services.h"

namespace tarvel::ui {

bool ReindexAccountsCommand(EditorServices& services, const EditRequest& request);

}  // namespace tarvel::ui
