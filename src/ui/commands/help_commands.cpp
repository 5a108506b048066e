// Help topics by context number, and About.
#include "ui/commands/help_commands.h"

#include "ui/shell/command_table.h"

namespace tarvel::ui {
namespace {

constexpr int kAbout = 6;
constexpr int kContents = 104;
constexpr int kHelpOnHelp = 105;

}  // namespace

bool HelpCommands::Handles(int id) const {
  return id == kAbout || id == kContents || id == kHelpOnHelp || HelpContextOf(id).has_value();
}

CommandOutcome HelpCommands::Execute(int id) {
  if (id == kAbout) {
    view_.ShowAbout();
  } else if (id == kContents) {
    help_.ShowTopic(platform::kHelpContents);
  } else if (id == kHelpOnHelp) {
    help_.ShowTopic(platform::kHelpOnHelp);
  } else if (const auto context = HelpContextOf(id)) {
    help_.ShowTopic(*context);
  }
  return {};
}

}  // namespace tarvel::ui
