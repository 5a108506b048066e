// Line and number reading shared by the readers of the files handed to the siblings.
#include "siblings/text_lines.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "siblings/load_result.h"

namespace tarvel::siblings {

std::string CannotOpenMessage(const std::string& path) { return "Cannot open " + path + "."; }

std::string DamagedMessage(const std::string& path, const std::string& why) {
  return path + " is damaged: " + why + ".";
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    start = end + 1;
  }
  return lines;
}

std::optional<std::vector<std::string>> ReadLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return SplitLines(text.str());
}

std::optional<std::vector<double>> NumbersOf(std::string_view line) {
  std::vector<double> numbers;
  std::istringstream words{std::string(line)};
  std::string word;
  while (words >> word) {
    char* end = nullptr;
    const double value = std::strtod(word.c_str(), &end);
    if (end == word.c_str() || *end != '\0' || !std::isfinite(value)) return std::nullopt;
    numbers.push_back(value);
  }
  return numbers;
}

std::optional<double> NumberOf(std::string_view line) {
  const auto numbers = NumbersOf(line);
  if (!numbers || numbers->size() != 1) return std::nullopt;
  return numbers->front();
}

std::optional<std::string> LineCursor::Take() {
  if (AtEnd()) return std::nullopt;
  return lines_[next_++];
}

}  // namespace tarvel::siblings
