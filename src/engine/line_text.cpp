// Filling "%s" patterns of schedule lines.
#include "engine/line_text.h"

#include <cstring>

namespace tarvel::engine {

void TextLine::Append(std::string_view piece) {
  if (!spilled_ && size_ + piece.size() <= inline_.size()) {
    if (!piece.empty()) std::memcpy(inline_.data() + size_, piece.data(), piece.size());
    size_ += piece.size();
    return;
  }
  if (!spilled_) {
    spill_.assign(inline_.data(), size_);
    spilled_ = true;
  }
  spill_.append(piece);
}

TextLine FillPattern(std::string_view pattern, const std::string_view* pieces, int count) {
  TextLine line;
  int next = 0;
  std::size_t from = 0;
  for (std::size_t at = pattern.find("%s"); at != std::string_view::npos && next < count;
       at = pattern.find("%s", from)) {
    line.Append(pattern.substr(from, at - from));
    line.Append(pieces[next++]);
    from = at + 2;
  }
  line.Append(pattern.substr(from));
  return line;
}

}  // namespace tarvel::engine
