// Help topics by context number, and About.
#include "ui/commands/help_commands.h"

#include "ui/analysis/monte_carlo_folder.h"
#include "ui/shell/command_ids.h"
#include "ui/shell/command_table.h"

namespace tarvel::ui {

int ContentsTopicOver(int folder) {
  return folder == kMonteCarloFolder ? kMonteCarloHelpContext : platform::kHelpContents;
}

bool HelpCommands::Handles(int id) const {
  return id == kAboutCommand || id == kHelpContentsCommand || id == kHelpOnHelpCommand ||
         HelpContextOf(id).has_value();
}

CommandOutcome HelpCommands::Execute(int id) {
  if (id == kAboutCommand) {
    view_.ShowAbout();
  } else if (id == kHelpContentsCommand) {
    help_.ShowTopic(ContentsTopicOver(state_.current_folder));
  } else if (id == kHelpOnHelpCommand) {
    help_.ShowTopic(platform::kHelpOnHelp);
  } else if (const auto context = HelpContextOf(id)) {
    help_.ShowTopic(*context);
  }
  return {};
}

}  // namespace tarvel::ui
