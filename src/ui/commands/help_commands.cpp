// Help topics by context number, and About.
#include "ui/commands/help_commands.h"

#include "ui/shell/command_ids.h"
#include "ui/shell/command_table.h"

namespace tarvel::ui {
bool HelpCommands::Handles(int id) const {
  return id == kAboutCommand || id == kHelpContentsCommand || id == kHelpOnHelpCommand ||
         HelpContextOf(id).has_value();
}

CommandOutcome HelpCommands::Execute(int id) {
  if (id == kAboutCommand) {
    view_.ShowAbout();
  } else if (id == kHelpContentsCommand) {
    help_.ShowTopic(platform::kHelpContents);
  } else if (id == kHelpOnHelpCommand) {
    help_.ShowTopic(platform::kHelpOnHelp);
  } else if (const auto context = HelpContextOf(id)) {
    help_.ShowTopic(*context);
  }
  return {};
}

}  // namespace tarvel::ui
