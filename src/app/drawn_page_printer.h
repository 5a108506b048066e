// Documents drawn page by page (the graph pages, the sibling programs' pages) printed through
// the planner's one printing path: the print dialog with its page range, copies and collation,
// the page-setup margins, the cancel box, and a PDF file when no printer is installed.
#pragma once

#include <string>

#include "platform/printer.h"
#include "results/print_drawn_pages.h"
#include "ui/printing/page_printer.h"

class QPrinter;
class QWidget;

namespace tarvel::app {

// The page-setup margins replace the printer's own; problems are told in a message box. A
// print to a PDF file proposes to_file's path and asks where the file goes, when it can.
// False when nothing was printed or the job was cancelled.
bool PrintDrawnDocument(QWidget* parent, const std::string& document,
                        const platform::PageSetup& setup, const results::DrawPages& draw,
                        const ui::PrintToFile& to_file = {});

// Onto a printer set up already (a PDF file in tests), with the copies and collation left in
// it and the page-setup margins as the only margins. False when nothing was printed.
bool PrintDrawnDocumentOn(QPrinter& printer, const platform::PageSetup& setup,
                          const results::DrawPages& draw);

}  // namespace tarvel::app
