// The open-editor guard: every editor dialog and tool window has an open flag; while one is
// open, or a print job runs, commands are refused and the open window is brought to the top.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tarvel::ui {

class EditorGuard {
 public:
  // Marks an editor open, with what brings its window to the top.
  void Open(const std::string& name, std::function<void()> raise = {});
  void Close(const std::string& name);
  void CloseAll();
  bool IsOpen(const std::string& name) const;

  // EditorIsOpen: brings every open editor to the top; true when one is open or printing.
  bool EditorIsOpen(bool printing);

 private:
  struct Entry {
    std::string name;
    std::function<void()> raise;
  };
  std::vector<Entry> open_;
};

}  // namespace tarvel::ui
