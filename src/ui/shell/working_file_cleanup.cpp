// Removing the working files of a session.
#include "ui/shell/working_file_cleanup.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <utility>

#include "model/working_file_names.h"
#include "model/working_files.h"

namespace tarvel::ui {

std::vector<std::string> ExitWorkingFileNames(int report_page_count) {
  std::vector<std::string> names = model::WorkingFileNames(report_page_count);
  const std::size_t count = names.size();
  for (std::size_t i = 0; i < count; ++i) {
    std::string lower = names[i];
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (std::find(names.begin(), names.end(), lower) == names.end()) names.push_back(lower);
  }
  names.push_back(model::kPlotFileName);
  return names;
}

int DeleteTempFiles(const std::string& folder, int report_page_count) {
  int deleted = 0;
  for (const std::string& name : ExitWorkingFileNames(report_page_count)) {
    std::error_code error;
    if (std::filesystem::remove(std::filesystem::path(folder) / name, error)) ++deleted;
  }
  // The thumbnail pages and any accounts-list pages past the second, as many as were written.
  for (const auto& [prefix, first] : {std::pair{"tpage", 1}, std::pair{"apage", 3}}) {
    std::error_code error;
    for (int page = first; std::filesystem::remove(
             std::filesystem::path(folder) / (prefix + std::to_string(page)), error);
         ++page) {
      ++deleted;
    }
  }
  return deleted;
}

}  // namespace tarvel::ui
