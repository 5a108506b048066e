// The list of working files deleted at exit.

#include "model/working_files.h"

#include "model/working_file_names.h"

namespace tarvel::model {
namespace {

// Damaged counts never make the list run away.
constexpr int kMostReportPages = 10000;

}  // namespace

std::vector<std::string> WorkingFileNames(int report_page_count) {
  std::vector<std::string> names(kExitWorkingFileNames.begin(), kExitWorkingFileNames.end());
  const int pages = report_page_count < 0                  ? 0
                    : report_page_count > kMostReportPages ? kMostReportPages
                                                           : report_page_count;
  for (int page = 1; page <= 2 * pages - 1; ++page) {
    names.push_back("page" + std::to_string(page));
  }
  for (int page = 1; page <= pages - 1; ++page) {
    names.push_back("rpage" + std::to_string(page));
    names.push_back("spage" + std::to_string(page));
  }
  return names;
}

}  // namespace tarvel::model
