// The title page of a printed document: the header block at the top, then the document's
// title set large a third of the way down, with the plan's name, the date and the page count.
#pragma once

#include <string>

#include "platform/canvas.h"
#include "results/print_header.h"
#include "results/print_look.h"

namespace tarvel::results {

// The plan's name as the printed pages give it: the scenario file's name without its folder
// and its ".ret" ending.
std::string PlanName(const std::string& file_name);

// "couple-saving — Financial Schedule" (UTF-8): the name of a printed document in the printer's
// queue and the title of a PDF file; the title alone when the plan has no name. The title is
// record text (Windows-1252).
std::string PrintedDocumentName(const std::string& file_name, const std::string& title);

void DrawTitlePage(platform::Canvas& canvas, const platform::Rect& area, const PrintLook& look,
                   const std::string& title, PageBody body, int page_count);

}  // namespace tarvel::results
