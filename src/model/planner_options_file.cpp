// Reads the planner options file, and rewrites one of its lines for the menus.
#include "model/planner_options_file.h"

#include <filesystem>
#include <functional>
#include <vector>

#include "model/atomic_file.h"

namespace tarvel::model {
namespace {

// A hand-edited file is never large; anything longer is not read.
constexpr std::size_t kMaxOptionsBytes = 64 * 1024;
constexpr char kBackupsKey[] = "backups";

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// The key of an options line, or nothing for a comment or a line without "=".
std::string_view KeyOf(std::string_view line) {
  const std::string_view trimmed = Trimmed(line);
  const auto equals = trimmed.find('=');
  if (trimmed.empty() || trimmed.front() == '#' || equals == std::string_view::npos) return {};
  return Trimmed(trimmed.substr(0, equals));
}

// Calls take(key, value) for every setting line of the text, in order.
void ForEachOption(std::string_view text,
                   const std::function<void(std::string_view, std::string_view)>& take) {
  while (!text.empty()) {
    const auto end = text.find('\n');
    const std::string_view line = Trimmed(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    const std::string_view key = KeyOf(line);
    if (key.empty()) continue;
    take(key, Trimmed(line.substr(line.find('=') + 1)));
  }
}

void TakeOption(std::string_view key, std::string_view value, Program& program) {
  if (key == kBackupsKey) {
    if (value == "off" || value == "0" || value == "no") program.keep_backups = false;
    if (value == "on" || value == "1" || value == "yes") program.keep_backups = true;
  }
  if (key == kPrintFolderKey) program.print_folder = std::string(value);
}

std::string OptionsPath(const std::string& folder) {
  return (std::filesystem::path(folder) / kPlannerOptionsFileName).string();
}

// At most max_bytes of the file, or nothing when it cannot be read.
std::optional<std::string> ReadOptionsText(const std::string& path, std::size_t max_bytes) {
  std::vector<std::uint8_t> bytes;
  if (!ReadFileBytes(path, max_bytes, bytes)) return std::nullopt;
  return std::string(bytes.begin(), bytes.end());
}

}  // namespace

void ParsePlannerOptions(std::string_view text, Program& program) {
  ForEachOption(text, [&program](std::string_view key, std::string_view value) {
    TakeOption(key, value, program);
  });
}

void ReadPlannerOptions(const std::string& folder, Program& program) {
  const auto text = ReadOptionsText(OptionsPath(folder), kMaxOptionsBytes);
  if (text) ParsePlannerOptions(*text, program);
}

std::optional<std::string> PlannerOptionValue(std::string_view text, std::string_view key) {
  std::optional<std::string> found;
  ForEachOption(text, [&](std::string_view line_key, std::string_view value) {
    if (line_key == key && !found) found = std::string(value);
  });
  return found;
}

std::optional<std::string> ReadPlannerOption(const std::string& folder, std::string_view key) {
  const auto text = ReadOptionsText(OptionsPath(folder), kMaxOptionsBytes);
  if (!text) return std::nullopt;
  return PlannerOptionValue(*text, key);
}

std::string WithPlannerOption(std::string_view text, std::string_view key, std::string_view value) {
  const std::string setting = std::string(key) + "=" + std::string(value);
  std::string result;
  bool written = false;
  while (!text.empty()) {
    const auto end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    const std::string_view newline = end == std::string_view::npos ? "" : "\n";
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (KeyOf(line) != key) {
      result.append(line).append(newline);
    } else if (!written) {
      // The line keeps its ending, "\r\n" included.
      result.append(setting).append(line.ends_with('\r') ? "\r" : "").append(newline);
      written = true;
    }
  }
  if (!written) {
    if (!result.empty() && !result.ends_with('\n')) result += '\n';
    result.append(setting).append("\n");
  }
  return result;
}

FileResult WritePlannerOption(const std::string& folder, std::string_view key,
                              std::string_view value) {
  const std::string path = OptionsPath(folder);
  std::string text;
  std::error_code error;
  if (std::filesystem::exists(path, error) || error) {
    // Read one byte past the limit, so a longer file is refused rather than cut short.
    const auto old_text = ReadOptionsText(path, kMaxOptionsBytes + 1);
    if (!old_text || old_text->size() > kMaxOptionsBytes) {
      return FileResult::Fail(FileProblem::CannotOpen, path);
    }
    text = *old_text;
  }
  if (!WriteFileAtomically(path, WithPlannerOption(text, key, value))) {
    return FileResult::Fail(FileProblem::CannotWrite, path);
  }
  return {};
}

std::string WithBackupsOption(std::string_view text, bool keep_backups) {
  return WithPlannerOption(text, kBackupsKey, keep_backups ? "on" : "off");
}

FileResult WriteBackupsOption(const std::string& folder, bool keep_backups) {
  return WritePlannerOption(folder, kBackupsKey, keep_backups ? "on" : "off");
}

}  // namespace tarvel::model
