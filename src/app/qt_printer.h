// The Qt side of printing: the native print and page-setup dialogs over QPrinter (CUPS
// printers, or a PDF file when none is installed), documents printed page by page, and the
// cancel box as a progress dialog.
#pragma once

#include <QPageSize>
#include <QPointer>
#include <QProgressDialog>
#include <memory>

#include "platform/printer.h"

class QPrinter;
class QWidget;

namespace tarvel::app {

// Without a printer installed the printer writes a PDF file on the desktop's usual paper:
// never a dialog with nothing to print on.
void PrintToPdfWithoutPrinters(QPrinter& printer);

// The paper documents are laid out on: the default printer's, else the desktop's usual one.
QPageSize::PageSizeId PrinterPaper();

// The copy count the print dialog left in the printer; the printer itself is set to one
// copy, as the page loops print the copies.
int TakeCopies(QPrinter& printer);

class QtPrinter : public platform::Printer {
 public:
  explicit QtPrinter(QWidget* parent) : parent_(parent) {}

  // Offers pages 1..page_count with copies and collation; with no printer installed the
  // dialog prints to a PDF file.
  bool PrinterInstalled() const override { return HasPrinters(); }
  std::optional<platform::PrintChoice> ChoosePrinter(const platform::PrintChoice& initial,
                                                     int page_count) override;
  std::optional<platform::PageSetup> SetUpPage(const platform::PageSetup& current) override;
  // The document prints one copy of each page it is given: the page loop makes the copies.
  std::unique_ptr<platform::PrintDocument> StartDocument(const std::string& name,
                                                         const platform::PrintChoice& choice,
                                                         const platform::PageSetup& setup) override;

  // True when at least one printer is installed.
  static bool HasPrinters();

 private:
  QWidget* parent_;
};

// "   Now printing Page %d of %d....." with a Cancel button; the main window stays disabled
// while it shows.
class QtPrintProgress : public platform::PrintProgress {
 public:
  QtPrintProgress(QWidget* parent, int pages);
  bool Update(const std::string& text) override;

 private:
  QProgressDialog dialog_;
  int done_ = 0;
};

}  // namespace tarvel::app
