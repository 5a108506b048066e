// Reads the planner options file, and rewrites its backups line for the File menu.
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

// The key of an options line, or nothing for a comment or a line without "=".
std::string_view KeyOf(std::string_view line) {
  const std::string_view trimmed = Trimmed(line);
  const auto equals = trimmed.find('=');
  if (trimmed.empty() || trimmed.front() == '#' || equals == std::string_view::npos) return {};
  return Trimmed(trimmed.substr(0, equals));
}

void TakeOption(std::string_view key, std::string_view value, Program& program) {
  if (key == "backups") {
    if (value == "off" || value == "0" || value == "no") program.keep_backups = false;
    if (value == "on" || value == "1" || value == "yes") program.keep_backups = true;
  }
  if (key == kPrintFolderKey) program.print_folder = std::string(value);
}

}  // namespace

void ParsePlannerOptions(std::string_view text, Program& program) {
  while (!text.empty()) {
    const auto end = text.find('\n');
    const std::string_view line = Trimmed(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    const std::string_view key = KeyOf(line);
    if (key.empty()) continue;
    TakeOption(key, Trimmed(line.substr(line.find('=') + 1)), program);
  }
}

void ReadPlannerOptions(const std::string& folder, Program& program) {
  std::vector<std::uint8_t> bytes;
  const auto path = std::filesystem::path(folder) / kPlannerOptionsFileName;
  if (!ReadFileBytes(path.string(), kMaxOptionsBytes, bytes)) return;
  ParsePlannerOptions(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                      program);
}

std::string WithBackupsOption(std::string_view text, bool keep_backups) {
  return WithOption(text, "backups", keep_backups ? "on" : "off");
}

std::string WithOption(std::string_view text, std::string_view key, std::string_view value) {
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

FileResult WriteBackupsOption(const std::string& folder, bool keep_backups) {
  return WritePlannerOption(folder, "backups", keep_backups ? "on" : "off");
}

FileResult WritePlannerOption(const std::string& folder, std::string_view key,
                              std::string_view value) {
  const std::string path = (std::filesystem::path(folder) / kPlannerOptionsFileName).string();
  std::vector<std::uint8_t> bytes;
  std::error_code error;
  if (std::filesystem::exists(path, error) || error) {
    // Read one byte past the limit, so a longer file is refused rather than cut short.
    if (!ReadFileBytes(path, kMaxOptionsBytes + 1, bytes) || bytes.size() > kMaxOptionsBytes) {
      return FileResult::Fail(FileProblem::CannotOpen, path);
    }
  }
  const std::string text = WithOption(
      std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), key, value);
  if (!WriteFileAtomically(path, text)) return FileResult::Fail(FileProblem::CannotWrite, path);
  return {};
}

}  // namespace tarvel::model
