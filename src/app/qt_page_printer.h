// The desktop's page printer: the print dialog, the page loop onto the printer with the
// cancel box, the preview window, the page setup and the printer font dialog.
#pragma once

#include <functional>

#include "app/qt_printer.h"
#include "ui/printing/page_printer.h"

class QWidget;

namespace tarvel::app {

class QtPagePrinter : public ui::PagePrinter {
 public:
  QtPagePrinter(QWidget* parent, std::function<void()> preview_help)
      : parent_(parent), printer_(parent), preview_help_(std::move(preview_help)) {}

  // A document printed to a file goes where to_file's dialog says.
  results::PrintResult Print(const std::string& document, const results::PageFileJob& job,
                             const results::PrintLook& look,
                             const ui::PrintToFile& to_file) override;
  // Measured on the default printer's paper (the desktop's usual paper without a printer).
  int SchedulePageHalfLines(const results::PrintLook& look) override;
  bool SavePdf(const results::PageFileJob& job, const results::PrintLook& look,
               const std::string& path, std::string& error) override;
  void Preview(const results::PageFileJob& job, const results::PrintLook& look) override;
  std::optional<platform::PageSetup> SetUpPage(const platform::PageSetup& current) override;
  std::optional<model::PrinterFontChoice> ChooseFont(
      const model::PrinterFontChoice& current) override;

  // The printers behind the print dialog.
  platform::Printer& printer() { return printer_; }

 private:
  QWidget* parent_;
  QtPrinter printer_;
  std::function<void()> preview_help_;
};

}  // namespace tarvel::app
