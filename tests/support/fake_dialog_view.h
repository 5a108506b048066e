// A dialog view for presenter tests: controls are plain values by id; Close records the result.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialog_view.h"

namespace tarvel::test_support {

class FakeDialogView : public platform::DialogView {
 public:
  std::string Text(int control) const override { return Find(texts, control, std::string()); }
  void SetText(int control, const std::string& text) override { texts[control] = text; }
  bool Checked(int control) const override { return Find(checks, control, false); }
  void SetChecked(int control, bool checked) override { checks[control] = checked; }
  void SetEnabled(int control, bool enabled) override { enabled_controls[control] = enabled; }
  void SetItems(int control, const std::vector<std::string>& list) override {
    items[control] = list;
  }
  int Selection(int control) const override { return Find(selections, control, -1); }
  void SetSelection(int control, int index) override { selections[control] = index; }
  int Position(int control) const override { return Find(positions, control, 0); }
  void SetPosition(int control, int position) override { positions[control] = position; }
  void SetFocus(int control) override { focus = control; }
  void Close(int code) override { result = code; }

  // Checks one radio button of a group and clears the others named.
  void ChooseRadio(int control, const std::vector<int>& group) {
    for (int other : group) checks[other] = other == control;
  }

  std::map<int, std::string> texts;
  std::map<int, bool> checks;
  std::map<int, bool> enabled_controls;
  std::map<int, std::vector<std::string>> items;
  std::map<int, int> selections;
  std::map<int, int> positions;
  int focus = 0;
  std::optional<int> result;

 private:
  template <typename Map, typename Value>
  static Value Find(const Map& map, int control, Value fallback) {
    const auto found = map.find(control);
    return found == map.end() ? fallback : found->second;
  }
};

}  // namespace tarvel::test_support
