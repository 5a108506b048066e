// QPrinter behind the print and page-setup dialogs and the printed document.
#include "app/qt_printer.h"

#include <QApplication>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "app/printer_page_sink.h"
#include "painting/paper.h"

namespace tarvel::app {
namespace {

constexpr double kThousandths = 1000.0;

QMarginsF InchMargins(const platform::PageSetup& setup) {
  return QMarginsF(setup.margin_left / kThousandths, setup.margin_top / kThousandths,
                   setup.margin_right / kThousandths, setup.margin_bottom / kThousandths);
}

void ApplySetup(QPrinter& printer, const platform::PageSetup& setup) {
  printer.setFullPage(true);
  printer.setPageOrientation(setup.orientation == platform::Orientation::Landscape
                                 ? QPageLayout::Landscape
                                 : QPageLayout::Portrait);
  printer.setPageMargins(InchMargins(setup), QPageLayout::Inch);
}

class QtPrintDocument : public platform::PrintDocument {
 public:
  explicit QtPrintDocument(std::unique_ptr<QPrinter> printer)
      : printer_(std::move(printer)), sink_(*printer_) {}
  platform::Canvas* BeginPage() override { return cancelled_ ? nullptr : sink_.BeginPage(); }
  void EndPage() override { sink_.EndPage(); }
  void Cancel() override {
    cancelled_ = true;
    printer_->abort();
  }
  bool Finish() override { return sink_.Finish() && !cancelled_; }
  bool cancelled() const override { return cancelled_; }

 private:
  std::unique_ptr<QPrinter> printer_;
  PrinterPageSink sink_;
  bool cancelled_ = false;
};

}  // namespace

void PrintToPdfWithoutPrinters(QPrinter& printer) {
  if (QtPrinter::HasPrinters()) return;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageSize(QPageSize(painting::DefaultPaper()));
}

QPageSize::PageSizeId PrinterPaper() {
  const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
  if (printer.isNull()) return painting::DefaultPaper();
  const QPageSize::PageSizeId paper = printer.defaultPageSize().id();
  return paper == QPageSize::Custom ? painting::DefaultPaper() : paper;
}

int TakeCopies(QPrinter& printer) {
  const int copies = std::max(1, printer.copyCount());
  printer.setCopyCount(1);
  return copies;
}

bool QtPrinter::HasPrinters() { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

std::optional<platform::PrintChoice> QtPrinter::ChoosePrinter(const platform::PrintChoice& initial,
                                                              int page_count) {
  QPrinter printer(QPrinter::HighResolution);
  if (!initial.printer.empty()) printer.setPrinterName(QString::fromStdString(initial.printer));
  PrintToPdfWithoutPrinters(printer);
  // What a print to a PDF file proposes; the caller settles the path with a file dialog.
  if (!initial.output_file.empty()) {
    printer.setOutputFileName(QString::fromStdString(initial.output_file));
  } else if (printer.outputFormat() == QPrinter::PdfFormat) {
    printer.setOutputFileName("tarvel-print.pdf");
  }
  printer.setCopyCount(std::max(1, initial.copies));
  printer.setCollateCopies(initial.collate);
  QPrintDialog dialog(&printer, parent_);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, page_count > 1);
  dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
  if (page_count > 0) dialog.setMinMax(1, page_count);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  platform::PrintChoice choice;
  choice.printer = printer.printerName().toStdString();
  choice.copies = std::max(1, printer.copyCount());
  choice.collate = printer.collateCopies();
  choice.page_range = printer.printRange() == QPrinter::PageRange;
  choice.first_page = printer.fromPage();
  choice.last_page = printer.toPage();
  if (printer.outputFormat() == QPrinter::PdfFormat) {
    choice.output_file = printer.outputFileName().toStdString();
  }
  return choice;
}

std::optional<platform::PageSetup> QtPrinter::SetUpPage(const platform::PageSetup& current) {
  QPrinter printer(QPrinter::HighResolution);
  PrintToPdfWithoutPrinters(printer);
  ApplySetup(printer, current);
  printer.setFullPage(false);
  QPageSetupDialog dialog(&printer, parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QPageLayout layout = printer.pageLayout();
  const QMarginsF margins = layout.margins(QPageLayout::Inch);
  platform::PageSetup setup;
  const auto thousandths = [](double inches) {
    return static_cast<std::int32_t>(inches * kThousandths + 0.5);
  };
  setup.margin_left = thousandths(margins.left());
  setup.margin_top = thousandths(margins.top());
  setup.margin_right = thousandths(margins.right());
  setup.margin_bottom = thousandths(margins.bottom());
  setup.orientation = layout.orientation() == QPageLayout::Landscape
                          ? platform::Orientation::Landscape
                          : platform::Orientation::Portrait;
  return setup;
}

std::unique_ptr<platform::PrintDocument> QtPrinter::StartDocument(
    const std::string& name, const platform::PrintChoice& choice,
    const platform::PageSetup& setup) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (!choice.output_file.empty()) {
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setPageSize(QPageSize(PrinterPaper()));
    printer->setOutputFileName(QString::fromStdString(choice.output_file));
  } else if (!choice.printer.empty()) {
    printer->setPrinterName(QString::fromStdString(choice.printer));
  } else {
    PrintToPdfWithoutPrinters(*printer);
  }
  if (!printer->isValid()) return nullptr;
  printer->setDocName(QString::fromStdString(name));
  printer->setCopyCount(1);
  ApplySetup(*printer, setup);
  // The page-setup margins are the only margins: the whole paper is drawn on.
  printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Inch);
  return std::make_unique<QtPrintDocument>(std::move(printer));
}

QtPrintProgress::QtPrintProgress(QWidget* parent, int pages)
    : dialog_(QString(), QObject::tr("Cancel"), 0, std::max(1, pages), parent) {
  dialog_.setWindowTitle("Print Schedule");
  dialog_.setWindowModality(Qt::WindowModal);
  dialog_.setMinimumDuration(0);
  dialog_.setAutoClose(false);
  dialog_.setAutoReset(false);
}

bool QtPrintProgress::Update(const std::string& text) {
  dialog_.setLabelText(QString::fromStdString(text));
  dialog_.setValue(done_++);
  QApplication::processEvents();
  return !dialog_.wasCanceled();
}

}  // namespace tarvel::app
