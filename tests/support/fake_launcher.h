// A launcher for tests: records every start and answers with scripted results.
#pragma once

#include <string>
#include <vector>

#include "platform/launcher.h"

namespace tarvel::test_support {

class FakeLauncher : public platform::Launcher {
 public:
  struct Start {
    std::string name;
    std::vector<std::string> arguments;
    bool shown = true;
  };

  bool StartProgram(const std::string& name, const std::vector<std::string>& arguments,
                    bool shown) override {
    programs.push_back({name, arguments, shown});
    return programs_start;
  }
  bool StartCalculator() override {
    ++calculator_starts;
    return calculator_found;
  }
  bool OpenAddress(const std::string& address) override {
    addresses.push_back(address);
    return addresses_open;
  }

  bool programs_start = false;  // sibling programs are usually missing in tests
  bool calculator_found = true;
  bool addresses_open = true;
  std::vector<Start> programs;
  int calculator_starts = 0;
  std::vector<std::string> addresses;
};

}  // namespace tarvel::test_support
