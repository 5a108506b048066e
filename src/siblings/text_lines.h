// Reading a sibling's input file as lines, and the numbers on them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvel::siblings {

// The file's lines without their line ends ("\r\n" or "\n"); nothing when it cannot be read.
std::optional<std::vector<std::string>> ReadLines(const std::string& path);
std::vector<std::string> SplitLines(std::string_view text);

// The blank-separated numbers of a line; nothing when any word is not a finite number.
std::optional<std::vector<double>> NumbersOf(std::string_view line);
// A line holding exactly one number.
std::optional<double> NumberOf(std::string_view line);

// Reads lines front to back, counting them for messages.
class LineCursor {
 public:
  explicit LineCursor(const std::vector<std::string>& lines) : lines_(lines) {}
  bool AtEnd() const { return next_ >= lines_.size(); }
  // The next line, or nothing at the end.
  std::optional<std::string> Take();
  const std::string* Peek() const { return AtEnd() ? nullptr : &lines_[next_]; }
  // 1-based number of the line last taken.
  int line_number() const { return static_cast<int>(next_); }

 private:
  const std::vector<std::string>& lines_;
  std::size_t next_ = 0;
};

}  // namespace tarvel::siblings
