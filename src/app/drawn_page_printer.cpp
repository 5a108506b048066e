// Drawn documents onto QtPrinter's documents; pages left out at a step are drawn onto a
// scratch PDF page in memory, laid out on the same paper as the printed ones.
#include "app/drawn_page_printer.h"

#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include "app/printer_page_sink.h"
#include "app/qt_printer.h"
#include "painting/paper.h"
#include "painting/qt_canvas.h"
#include "results/print_order.h"

namespace tarvel::app {
namespace {

void TellPrintError(QWidget* parent, const std::string& text) {
  QMessageBox::warning(parent, QObject::tr("Print Error"), QString::fromStdString(text));
}

}  // namespace

bool PrintDrawnDocument(QWidget* parent, const std::string& document,
                        const platform::PageSetup& setup, const results::DrawPages& draw,
                        const ui::PrintToFile& to_file) {
  painting::MeasuringPage scratch(QPageSize::Letter, setup.orientation);
  const int count = results::CountDrawnPages(scratch.canvas(), draw);
  if (count == 0) return false;
  QtPrinter printer(parent);
  platform::PrintChoice initial;
  initial.output_file = to_file.proposed_path;
  std::optional<platform::PrintChoice> choice = printer.ChoosePrinter(initial, count);
  if (!choice) return false;
  if (!choice->output_file.empty() && to_file.ask) {
    const std::optional<std::string> path = to_file.ask(choice->output_file);
    if (!path) return false;
    choice->output_file = *path;
  }
  std::unique_ptr<platform::PrintDocument> printed =
      printer.StartDocument(document, *choice, setup);
  if (!printed) {
    TellPrintError(parent, "Invalid Printer");
    return false;
  }
  const std::vector<int> order = results::PagesInPrintOrder(*choice, count, false);
  QtPrintProgress progress(parent, static_cast<int>(order.size()));
  const results::PrintResult result =
      results::PrintDrawnPages(*printed, scratch.canvas(), order, draw, &progress);
  if (result.outcome == results::PrintOutcome::Cancelled) printed->Cancel();
  const bool finished = printed->Finish();
  if (result.outcome == results::PrintOutcome::Failed) {
    TellPrintError(parent, result.message);
  } else if (!finished && result.outcome == results::PrintOutcome::Printed) {
    TellPrintError(parent, "Cannot print page!");
  }
  return finished && result.outcome == results::PrintOutcome::Printed;
}

bool PrintDrawnDocumentOn(QPrinter& printer, const platform::PageSetup& setup,
                          const results::DrawPages& draw) {
  painting::MeasuringPage scratch(QPageSize::Letter, setup.orientation);
  const int count = results::CountDrawnPages(scratch.canvas(), draw);
  if (count == 0) return false;
  platform::PrintChoice choice;
  choice.copies = TakeCopies(printer);
  choice.collate = printer.collateCopies();
  printer.setFullPage(true);
  printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Inch);
  PrinterPageSink sink(printer);
  const results::PrintResult result = results::PrintDrawnPages(
      sink, scratch.canvas(), results::PagesInPrintOrder(choice, count, false), draw, nullptr);
  return sink.Finish() && result.outcome == results::PrintOutcome::Printed;
}

}  // namespace tarvel::app
