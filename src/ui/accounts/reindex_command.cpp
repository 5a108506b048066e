// Re-Index Accounts.
#include "ui/accounts/reindex_command.h"

#include "model/account_reindex.h"

namespace tarvel::ui {

bool ReindexAccountsCommand(EditorServices& services, const EditRequest& /*request*/) {
  platform::Message question;
  question.text =
      "This may change the account assignments in your scenario!\nDo you wish to continue?";
  question.caption = "Accounts";
  question.buttons = platform::Buttons::YesNo;
  question.icon = platform::Icon::Question;
  if (services.prompter.Ask(question) != platform::Answer::Yes) return false;
  model::ReindexAccounts(services.scenario);
  services.scenario.modified = true;
  platform::Message done;
  done.text =
      "The Accounts have been re-indexed.\nPlease check the account assignments in your scenario.";
  done.caption = "Accounts";
  done.icon = platform::Icon::Information;
  services.prompter.Ask(done);
  return true;
}

}  // namespace tarvel::ui
