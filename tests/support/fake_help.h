// A help system for tests: records the contexts asked for.
#pragma once

#include <vector>

#include "platform/help.h"

namespace tarvel::test_support {

class FakeHelp : public platform::Help {
 public:
  void ShowTopic(int context) override { topics.push_back(context); }
  std::vector<int> topics;
};

}  // namespace tarvel::test_support
