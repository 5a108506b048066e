// The Help menu's topics and the About command.
#pragma once

#include "platform/help.h"
#include "ui/shell/dispatcher.h"

namespace tarvel::ui {

class HelpCommands : public CommandHandler {
 public:
  HelpCommands(ShellView& view, platform::Help& help) : view_(view), help_(help) {}
  bool Handles(int id) const override;
  CommandOutcome Execute(int id) override;

 private:
  ShellView& view_;
  platform::Help& help_;
};

}  // namespace tarvel::ui
