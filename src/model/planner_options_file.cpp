// Reads the planner options file.
#include "model/planner_options_file.h"

#include <filesystem>
#include <vector>

#include "model/atomic_file.h"

namespace tarvel::model {
namespace {

// A hand-edited file is never large; anything longer is not read.
constexpr std::size_t kMaxOptionsBytes = 64 * 1024;

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

void TakeOption(std::string_view key, std::string_view value, Program& program) {
  if (key == "backups") {
    if (value == "off" || value == "0" || value == "no") program.keep_backups = false;
    if (value == "on" || value == "1" || value == "yes") program.keep_backups = true;
  }
}

}  // namespace

void ParsePlannerOptions(std::string_view text, Program& program) {
  while (!text.empty()) {
    const auto end = text.find('\n');
    const std::string_view line = Trimmed(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    const auto equals = line.find('=');
    if (line.empty() || line.front() == '#' || equals == std::string_view::npos) continue;
    TakeOption(Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1)), program);
  }
}

void ReadPlannerOptions(const std::string& folder, Program& program) {
  std::vector<std::uint8_t> bytes;
  const auto path = std::filesystem::path(folder) / kPlannerOptionsFileName;
  if (!ReadFileBytes(path.string(), kMaxOptionsBytes, bytes)) return;
  ParsePlannerOptions(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                      program);
}

}  // namespace tarvel::model
