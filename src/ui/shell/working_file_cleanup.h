// DeleteTempFiles at exit. The run files carry lower-case names on a case-sensitive file
// system ("plotinf01.tmp", "infile.tmp"), so each working name is also tried in lower case.
#pragma once

#include <string>
#include <vector>

namespace tarvel::ui {

// The working files' names with their lower-case forms and the plot file's long name.
std::vector<std::string> ExitWorkingFileNames(int report_page_count);
// Deletes those that exist in the folder; returns how many were deleted.
int DeleteTempFiles(const std::string& folder, int report_page_count);

}  // namespace tarvel::ui
