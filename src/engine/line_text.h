// Schedule lines from a pattern whose only conversions are "%s", built without printf: each
// "%s" takes the next piece of text, as printf would write it.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tarvel::engine {

// Replaces each "%s" of the pattern, in order, by the next piece.
std::string FillPattern(std::string_view pattern, const std::string_view* pieces, int count);

template <typename... Pieces>
std::string LineText(std::string_view pattern, const Pieces&... pieces) {
  const std::array<std::string_view, sizeof...(Pieces)> views{std::string_view(pieces)...};
  return FillPattern(pattern, views.data(), static_cast<int>(views.size()));
}

}  // namespace tarvel::engine
