// What a dialog presenter reads and writes in a dialog window, by control id: texts, check
// marks, list items and selections, up-down positions, enabled state, and closing.
#pragma once

#include <string>
#include <vector>

namespace tarvel::platform {

class DialogView {
 public:
  virtual ~DialogView() = default;

  virtual std::string Text(int control) const = 0;  // Windows-1252
  virtual void SetText(int control, const std::string& text) = 0;
  virtual bool Checked(int control) const = 0;
  virtual void SetChecked(int control, bool checked) = 0;
  virtual void SetEnabled(int control, bool enabled) = 0;

  // Combo boxes, list boxes and list views (a list view item is its cells, tab-separated).
  virtual void SetItems(int control, const std::vector<std::string>& items) = 0;
  virtual int Selection(int control) const = 0;  // -1 for none
  virtual void SetSelection(int control, int index) = 0;

  // Up-down controls.
  virtual int Position(int control) const = 0;
  virtual void SetPosition(int control, int position) = 0;

  virtual void SetFocus(int control) = 0;
  // Ends the dialog; the result is what the dialog's runner returns.
  virtual void Close(int result) = 0;
};

}  // namespace tarvel::platform
