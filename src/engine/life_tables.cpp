// Reads the life-expectancy files line by line as decimal numbers; a missing, short or
// damaged file is reported once and its missing values count as 0.
#include "engine/life_tables.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "engine/data_folders.h"
#include "engine/line_text.h"
#include "model/money_format.h"

namespace tarvel::engine {
namespace {

namespace fs = std::filesystem;

constexpr int kSingleLifeLine = kLastMortalityAge + 1;                  // first line of L1, 0-based
constexpr int kUniformLine = kSingleLifeLine + kLastSingleLifeAge + 1;  // first line of L2

double At(const std::vector<double>& values, int index) {
  if (index < 0 || index >= static_cast<int>(values.size())) return 0;
  return values[static_cast<std::size_t>(index)];
}

std::string Trimmed(const std::string& text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && std::isspace(static_cast<unsigned char>(text[first]))) ++first;
  while (last > first && std::isspace(static_cast<unsigned char>(text[last - 1]))) --last;
  return text.substr(first, last - first);
}

// A whole line as one finite decimal number.
bool ParseValue(const std::string& line, double& value) {
  if (line.size() > static_cast<std::size_t>(kMaxLifeTableLine)) return false;
  const std::string text = Trimmed(line);
  if (text.empty()) return false;
  char* end = nullptr;
  value = std::strtod(text.c_str(), &end);
  return end == text.c_str() + text.size() && std::isfinite(value);
}

// Reads up to `count` lines; a line longer than any number is kept only in part, enough to
// know it is too long.
struct FileValues {
  std::vector<double> values;
  std::string problem;  // empty when the file was complete and sound
};

FileValues ReadValues(std::FILE* file, const std::string& name, int count) {
  FileValues result;
  result.values.assign(static_cast<std::size_t>(count), 0.0);
  int read = 0;
  std::string line;
  bool at_end = false;
  while (read < count && !at_end) {
    line.clear();
    int c = 0;
    while ((c = std::fgetc(file)) != EOF && c != '\n') {
      if (line.size() <= static_cast<std::size_t>(kMaxLifeTableLine)) {
        line.push_back(static_cast<char>(c));
      }
    }
    at_end = c == EOF;
    if (at_end && line.empty()) break;
    double value = 0;
    if (ParseValue(line, value)) {
      result.values[static_cast<std::size_t>(read)] = value;
    } else if (result.problem.empty()) {
      result.problem =
          model::Format("Line %d of %s is not a number; it counts as 0.", read + 1, name.c_str());
    }
    ++read;
  }
  if (read < count && result.problem.empty()) {
    result.problem = model::Format("%s holds %d of its %d values; the missing ones count as 0.",
                                   name.c_str(), read, count);
  }
  return result;
}

std::string FolderList(const std::vector<fs::path>& folders) {
  std::string text;
  for (std::size_t i = 0; i < folders.size(); ++i) {
    if (i > 0) text += i + 1 == folders.size() ? " or " : ", ";
    text += folders[i].string();
  }
  return text.empty() ? std::string("no data folder") : text;
}

// Reads one file into its values; returns whether it was found.
bool ReadTableFile(const std::vector<fs::path>& folders, const char* name, int count,
                   std::vector<double>& values, std::vector<LifeTableProblem>& problems) {
  values.assign(static_cast<std::size_t>(count), 0.0);
  const fs::path path = FindDataFile(folders, name);
  std::FILE* file = path.empty() ? nullptr : std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    problems.push_back({name,
                        LineText("Cannot find the life-expectancy file %s in %s. Rule 72T "
                                 "amounts are computed with its values as 0.",
                                 name, FolderList(folders).c_str())
                            .str(),
                        "FILE ERROR", true});
    return false;
  }
  FileValues read = ReadValues(file, path.string(), count);
  std::fclose(file);
  values = std::move(read.values);
  if (!read.problem.empty()) problems.push_back({name, std::move(read.problem), "FILE WARNING"});
  return true;
}

}  // namespace

LifeTables::LifeTables() : mortality_lines_(kMortalityLines, 0.0), joint_lines_(kJointLines, 0.0) {}

LifeTables::LifeTables(std::vector<double> mortality_lines, std::vector<double> joint_lines)
    : mortality_lines_(std::move(mortality_lines)), joint_lines_(std::move(joint_lines)) {}

double LifeTables::Mortality(int age) const {
  if (age < 0 || age > kLastMortalityAge) return 0;
  return At(mortality_lines_, age);
}

double LifeTables::SingleLife(int age) const {
  if (age < 0 || age > kLastSingleLifeAge) return 0;
  return At(mortality_lines_, kSingleLifeLine + age);
}

double LifeTables::UniformLifetime(int age) const {
  if (age < kFirstUniformAge || age > kLastUniformAge) return 0;
  return At(mortality_lines_, kUniformLine + age - kFirstUniformAge);
}

double LifeTables::JointLife(int owner_age, int beneficiary_age) const {
  int a = owner_age;
  int b = beneficiary_age;
  if (b > a) std::swap(a, b);
  if (b < 0 || a > kLastJointAge) return 0;
  return At(joint_lines_, a * (a + 1) / 2 + b);
}

LifeTablesRead ReadLifeTables(const std::vector<fs::path>& folders) {
  LifeTablesRead result;
  std::vector<double> mortality;
  std::vector<double> joint;
  result.mortality_found =
      ReadTableFile(folders, kMortalityFileName, kMortalityLines, mortality, result.problems);
  result.joint_found =
      ReadTableFile(folders, kJointTableFileName, kJointLines, joint, result.problems);
  result.tables = LifeTables(std::move(mortality), std::move(joint));
  return result;
}

LifeTablesRead ReadMortalityFile(const std::vector<fs::path>& folders) {
  LifeTablesRead result;
  std::vector<double> mortality;
  result.mortality_found =
      ReadTableFile(folders, kMortalityFileName, kMortalityLines, mortality, result.problems);
  result.tables = LifeTables(std::move(mortality), std::vector<double>(kJointLines, 0.0));
  return result;
}

}  // namespace tarvel::engine
