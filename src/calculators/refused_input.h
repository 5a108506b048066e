// A calculator input that was refused: which input, and the message and caption that say why.
#pragma once

#include <string>

namespace tarvel::calculators {

template <typename Input>
struct RefusedInput {
  Input input;
  std::string message;
  std::string caption;
};

}  // namespace tarvel::calculators
