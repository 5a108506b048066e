// A dialog runner for tests: Initialise, then the scripted texts and checks, then the presses
// in order; it keeps the last view to look at and returns the presenter's close result.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "support/fake_dialog_view.h"
#include "ui/shell/dialog_template.h"

namespace tarvel::test_support {

class ScriptedDialogs : public ui::DialogRunner {
 public:
  int RunModal(const ui::DialogTemplate& dialog, ui::DialogPresenter& presenter) override {
    names.push_back(dialog.name);
    view = FakeDialogView{};
    presenter.Initialise(view);
    for (const auto& [control, text] : texts) view.SetText(control, text);
    for (int control : presses) {
      presenter.Command(view, control);
      if (view.result) break;
    }
    return view.result.value_or(ui::kIdCancel);
  }
  std::map<int, std::string> texts;
  std::vector<int> presses;
  std::vector<std::string> names;
  FakeDialogView view;
};

}  // namespace tarvel::test_support
