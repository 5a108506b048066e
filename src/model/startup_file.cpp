// Reads and writes "finance.dat" and keeps the recent-files list.

#include "model/startup_file.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "model/atomic_file.h"

namespace tarvel::model {
namespace {

// The text of one line: up to its line break, a NUL or 263 characters, without the carriage
// returns it ends in. Cutting twice changes nothing, so a name written back reads the same.
std::string CutLine(std::string_view line) {
  line = line.substr(0, std::min(line.find_first_of(std::string_view("\0\n", 2)), line.size()));
  line = line.substr(0, kMaxFileNameLength);
  while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return std::string(line);
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) {
      lines.push_back(text);
      break;
    }
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end + 1);
  }
  return lines;
}

StartupValues ParseValues(std::string_view line) {
  StartupValues values;
  const std::string text(line);
  float read[8] = {};
  int flag = 0;
  std::sscanf(text.c_str(), "%f %f %f %f %f %f %f %f %d", &read[0], &read[1], &read[2], &read[3],
              &read[4], &read[5], &read[6], &read[7], &flag);
  values.counter = read[0];
  for (int i = 0; i < 7; ++i) values.carried[i] = read[i + 1];
  values.carried_flag = flag;
  return values;
}

std::string FormatValues(const StartupValues& values) {
  char line[512];
  std::snprintf(line, sizeof line, "%6.2f %6.2f %6.2f %6.2f %6.2f %6.2f %6.2f %6.2f %1d\n",
                values.counter, values.carried[0], values.carried[1], values.carried[2],
                values.carried[3], values.carried[4], values.carried[5], values.carried[6],
                values.carried_flag);
  return line;
}

std::string StartupPath(const Program& program) {
  return (std::filesystem::path(program.working_directory) / kStartupFileName).string();
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

// The counter runs 0..8; anything else (9 or more, negative, not a number) starts again.
float CounterForThisRun(float counter) {
  return counter >= 0.0f && counter < 9.0f ? counter : 0.0f;
}

}  // namespace

StartupFile ParseStartupFile(std::string_view text) {
  const std::vector<std::string_view> lines = SplitLines(text);
  StartupFile file;
  if (!lines.empty()) file.open_name = CutLine(lines[0]);
  if (lines.size() > 1) file.values = ParseValues(lines[1]);
  for (int i = 0; i < kRecentFileCount; ++i) {
    const std::size_t line = 2 + static_cast<std::size_t>(i);
    if (line < lines.size()) file.recent_files[i] = CutLine(lines[line]);
  }
  return file;
}

std::string FormatStartupFile(const StartupFile& file) {
  std::string text = CutLine(file.open_name) + "\n" + FormatValues(file.values);
  for (const std::string& name : file.recent_files) text += CutLine(name) + "\n";
  return text;
}

bool ReadStartupFile(Program& program) {
  std::vector<std::uint8_t> bytes;
  // Seven full-length lines and a second line of numbers never need more.
  constexpr std::size_t kMostBytes = 1 << 20;
  StartupFile file;
  const bool found = ReadFileBytes(StartupPath(program), kMostBytes, bytes);
  if (found) {
    file = ParseStartupFile(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    program.open_name = file.open_name;
    program.recent_files = file.recent_files;
    program.startup = file.values;
  } else {
    file.values = program.startup;
  }
  program.startup.counter = found ? CounterForThisRun(file.values.counter) : 0.0f;
  file.values.counter = program.startup.counter + 1.0f;
  WriteFileAtomically(StartupPath(program), FormatStartupFile(file));
  return found;
}

bool WriteStartupFile(const Program& program) {
  StartupFile file;
  file.open_name = program.open_name;
  file.values = program.startup;
  file.recent_files = program.recent_files;
  return WriteFileAtomically(StartupPath(program), FormatStartupFile(file));
}

void AddRecentFile(Program& program, std::string_view name) {
  if (name.size() <= 3) return;
  auto& recent = program.recent_files;
  for (int i = kRecentFileCount - 1; i > 0; --i) recent[i] = recent[i - 1];
  recent[0] = std::string(name.substr(0, kMaxFileNameLength));
  for (int i = 0; i < kRecentFileCount - 1; ++i) {
    if (recent[i].empty()) continue;
    int j = i + 1;
    while (j < kRecentFileCount) {
      if (!SameNameIgnoringCase(recent[i], recent[j])) {
        ++j;
        continue;
      }
      // The entry that moves up into j is compared again.
      for (int k = j; k < kRecentFileCount - 1; ++k) recent[k] = recent[k + 1];
      recent[kRecentFileCount - 1].clear();
    }
  }
}

}  // namespace tarvel::model
