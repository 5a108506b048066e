// The list of working files deleted at exit.

#include "model/working_files.h"

#include <array>
#include <filesystem>

namespace tarvel::model {
namespace {

constexpr std::array<const char*, 19> kFixedNames = {
    "bigfile.tmp", "PLOTIN~1.TMP", "BIGFILE.TMP", "OUTFILE.TMP", "INFILE.TMP",
    "TMPFILE.TMP", "TABOUT.TMP",   "TRADE.TMP",   "REF.TMP",     "PPBUDOUT.TMP",
    "BUDOUT.TMP",  "SBUDOUT.TMP",  "HFILES.TMP",  "REFPRT.TMP",  "PBUDOUT.TMP",
    "PSCHED.TMP",  "ptmpsch.dat",  "apage1",      "apage2"};

// Damaged counts never make the list run away.
constexpr int kMostReportPages = 10000;

}  // namespace

std::vector<std::string> WorkingFileNames(int report_page_count) {
  std::vector<std::string> names(kFixedNames.begin(), kFixedNames.end());
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

int DeleteWorkingFiles(const std::string& folder, int report_page_count) {
  int deleted = 0;
  for (const std::string& name : WorkingFileNames(report_page_count)) {
    std::error_code error;
    if (std::filesystem::remove(std::filesystem::path(folder) / name, error)) ++deleted;
  }
  return deleted;
}

}  // namespace tarvel::model
