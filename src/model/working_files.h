// The working files a session leaves in the working directory, deleted when the program
// ends: run files, report page files and the tools' scratch files.
#pragma once

#include <string>
#include <vector>

namespace tarvel::model {

// Names of the working files, with the page files of report_page_count report pages.
std::vector<std::string> WorkingFileNames(int report_page_count);
// Deletes those of them that exist in the folder; returns how many were deleted.
int DeleteWorkingFiles(const std::string& folder, int report_page_count);

}  // namespace tarvel::model
