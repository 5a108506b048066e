// A dialog runner for presenter tests. Each dialog is initialised on a fresh fake view; then
// the next queued script runs (or the one script given for every dialog), or else the scripted
// texts are typed and the presses made in order. It records the dialogs' names and titles,
// keeps the last view to look at, and returns the result the presenter closed with.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "support/fake_dialog_view.h"
#include "ui/shell/dialog_template.h"

namespace tarvel::test_support {

class ScriptedDialogs : public ui::DialogRunner {
 public:
  using Script = std::function<void(FakeDialogView&, ui::DialogPresenter&)>;

  int RunModal(const ui::DialogTemplate& dialog, ui::DialogPresenter& presenter) override {
    names.push_back(dialog.name);
    titles.push_back(dialog.title);
    view = FakeDialogView{};
    presenter.Initialise(view);
    if (!scripts.empty()) {
      const Script next = std::move(scripts.front());
      scripts.pop_front();
      next(view, presenter);
    } else if (script) {
      script(view, presenter);
    } else {
      Type(presenter);
    }
    return view.result.value_or(ui::kIdCancel);
  }

  std::deque<Script> scripts;  // one per dialog, in the order the dialogs open
  Script script;               // for every dialog once the queue is empty
  std::map<int, std::string> texts;
  std::vector<int> presses;
  std::vector<std::string> names;
  std::vector<std::string> titles;
  FakeDialogView view;  // the last dialog's

 private:
  void Type(ui::DialogPresenter& presenter) {
    for (const auto& [control, text] : texts) view.SetText(control, text);
    for (int control : presses) {
      presenter.Command(view, control);
      if (view.result) break;
    }
  }
};

}  // namespace tarvel::test_support
