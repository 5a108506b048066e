// The "Add Event" chooser: a modeless tool window beside the Scenario folder whose buttons open
// the event editors in add mode, closing the chooser. It is not an editor: the open-editor
// guard does not count it.
#pragma once

#include <functional>

#include "model/records.h"
#include "platform/help.h"
#include "platform/prompter.h"
#include "ui/shell/dialog_template.h"
#include "ui/shell/dispatcher.h"
#include "ui/shell/shell_view.h"

namespace tarvel::ui {

inline constexpr int kChooserHelpContext = 256;

DialogTemplate AddEventChooserTemplate();

class AddEventChooser : public DialogPresenter {
 public:
  // dispatch carries a command out as the main window's menu would.
  AddEventChooser(const model::Scenario& scenario, ShellState& state, platform::Prompter& prompter,
                  platform::Help& help, std::function<void(int)> dispatch)
      : scenario_(scenario),
        state_(state),
        prompter_(prompter),
        help_(help),
        dispatch_(std::move(dispatch)) {}

  void Initialise(platform::DialogView& view) override;
  void Command(platform::DialogView& view, int control) override;

 private:
  const model::Scenario& scenario_;
  ShellState& state_;
  platform::Prompter& prompter_;
  platform::Help& help_;
  std::function<void(int)> dispatch_;
};

// Command 10, posted by the Scenario folder's Add button: shows the chooser.
class AddEventChooserCommand : public CommandHandler {
 public:
  explicit AddEventChooserCommand(std::function<void()> show) : show_(std::move(show)) {}
  bool Handles(int id) const override;
  CommandOutcome Execute(int id) override;

 private:
  std::function<void()> show_;
};

}  // namespace tarvel::ui
