// Filling "%s" patterns of schedule lines.
#include "engine/line_text.h"

namespace tarvel::engine {

std::string FillPattern(std::string_view pattern, const std::string_view* pieces, int count) {
  std::size_t length = pattern.size();
  for (int i = 0; i < count; ++i) length += pieces[i].size();
  std::string line;
  line.reserve(length);
  int next = 0;
  std::size_t from = 0;
  for (std::size_t at = pattern.find("%s"); at != std::string_view::npos && next < count;
       at = pattern.find("%s", from)) {
    line.append(pattern.substr(from, at - from));
    line.append(pieces[next++]);
    from = at + 2;
  }
  line.append(pattern.substr(from));
  return line;
}

}  // namespace tarvel::engine
