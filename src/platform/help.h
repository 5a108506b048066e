// The planner's help: one page per help context, shown in a help window.
#pragma once

namespace tarvel::platform {

// Contexts that have no number of their own in the menus.
inline constexpr int kHelpContents = 0;
inline constexpr int kHelpOnHelp = 1;

class Help {
 public:
  virtual ~Help() = default;
  // Shows the page of a context number; an unknown context shows the contents page.
  virtual void ShowTopic(int context) = 0;
};

}  // namespace tarvel::platform
