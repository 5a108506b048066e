// Fixed-size, NUL-terminated single-byte text as records store it. Reading never runs past
// the field, even when a damaged file left no terminating zero.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tarvel::model {

template <std::size_t N>
struct TextField {
  std::array<char, N> bytes{};

  // The text up to the first NUL, or all N bytes when there is none.
  std::string_view view() const {
    const auto end = std::find(bytes.begin(), bytes.end(), '\0');
    return std::string_view(bytes.data(), static_cast<std::size_t>(end - bytes.begin()));
  }
  std::string str() const { return std::string(view()); }
  bool empty() const { return bytes[0] == '\0'; }
  std::size_t length() const { return view().size(); }

  // Stores at most N - 1 bytes and zero-fills the rest of the field.
  void assign(std::string_view text) {
    bytes.fill('\0');
    const std::size_t count = std::min(text.size(), N - 1);
    std::copy_n(text.begin(), count, bytes.begin());
  }
  void clear() { bytes.fill('\0'); }

  bool operator==(const TextField&) const = default;
};

}  // namespace tarvel::model
