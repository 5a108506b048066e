// Schedule lines from a pattern whose only conversions are "%s", built without printf and,
// for lines of ordinary length, without the heap: each "%s" takes the next piece of text, as
// printf would write it.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tarvel::engine {

// One line of text kept on the stack; a line longer than the inline room moves to the heap.
class TextLine {
 public:
  void Append(std::string_view piece);
  std::string_view view() const { return spilled_ ? std::string_view(spill_) : Inline(); }
  operator std::string_view() const { return view(); }  // NOLINT: a line is its text
  std::string str() const { return std::string(view()); }

 private:
  std::string_view Inline() const { return {inline_.data(), size_}; }

  std::array<char, 240> inline_;
  std::size_t size_ = 0;
  bool spilled_ = false;
  std::string spill_;
};

// Replaces each "%s" of the pattern, in order, by the next piece.
TextLine FillPattern(std::string_view pattern, const std::string_view* pieces, int count);

template <typename... Pieces>
TextLine LineText(std::string_view pattern, const Pieces&... pieces) {
  const std::array<std::string_view, sizeof...(Pieces)> views{std::string_view(pieces)...};
  return FillPattern(pattern, views.data(), static_cast<int>(views.size()));
}

}  // namespace tarvel::engine
