// The list of working files deleted when the program ends: run files, report page files and
// the tools' scratch files.
#pragma once

#include <string>
#include <vector>

namespace tarvel::model {

// Names of the working files, with the page files of report_page_count report pages.
std::vector<std::string> WorkingFileNames(int report_page_count);

}  // namespace tarvel::model
