// Starting other programs without waiting for them: the sibling programs beside the planner,
// the desktop's calculator, and web or e-mail addresses in the user's default programs.
#pragma once

#include <string>
#include <vector>

namespace tarvel::platform {

class Launcher {
 public:
  virtual ~Launcher() = default;
  // Starts a program by name (looked up beside the planner, then on the search path) with
  // its arguments; shown false asks for no window. True when the program started.
  virtual bool StartProgram(const std::string& name, const std::vector<std::string>& arguments,
                            bool shown) = 0;
  // Starts the first desktop calculator found; false when there is none.
  virtual bool StartCalculator() = 0;
  // Hands a "mailto:" or "https:" address to the desktop; false when nothing took it.
  virtual bool OpenAddress(const std::string& address) = 0;
};

}  // namespace tarvel::platform
