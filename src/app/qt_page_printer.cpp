// Page-file documents onto printers, PDF files and the preview window.
#include "app/qt_page_printer.h"

#include <QFontDatabase>
#include <QFontDialog>
#include <QPainter>

#include "app/print_preview_window.h"
#include "painting/paper.h"
#include "painting/qt_canvas.h"
#include "painting/report_pdf.h"
#include "results/print_order.h"

namespace tarvel::app {
results::PrintResult QtPagePrinter::Print(const std::string& document,
                                          const results::PageFileJob& job,
                                          const results::PrintLook& page_look,
                                          const ui::PrintToFile& to_file) {
  const results::PrintLook look = results::OrientedForPages(job, page_look);
  platform::PrintChoice initial;
  initial.output_file = to_file.proposed_path;
  std::optional<platform::PrintChoice> choice = printer_.ChoosePrinter(initial, job.page_count);
  if (!choice) return {results::PrintOutcome::Cancelled, "", "", 0};
  if (!choice->output_file.empty() && to_file.ask) {
    const std::optional<std::string> path = to_file.ask(choice->output_file);
    if (!path) return {results::PrintOutcome::Cancelled, "", "", 0};
    choice->output_file = *path;
  }
  std::unique_ptr<platform::PrintDocument> printed =
      printer_.StartDocument(document, *choice, look.setup);
  if (!printed) return {results::PrintOutcome::Failed, "Invalid Printer", "Print Error", 0};
  const std::vector<int> order = results::PagesInPrintOrder(*choice, job.page_count, true);
  QtPrintProgress progress(parent_, static_cast<int>(order.size()));
  results::PrintResult result = results::PrintPageFiles(*printed, job, order, look, &progress);
  if (result.outcome == results::PrintOutcome::Cancelled) printed->Cancel();
  if (!printed->Finish() && result.outcome == results::PrintOutcome::Printed) {
    result = {results::PrintOutcome::Failed, "Cannot print page!", "Print Error", result.pages};
  }
  return result;
}

int QtPagePrinter::SchedulePageHalfLines(const results::PrintLook& look) {
  return painting::ScheduleLayoutOnPaper(look, PrinterPaper()).page_half_lines;
}

void QtPagePrinter::Preview(const results::PageFileJob& job, const results::PrintLook& page_look) {
  const results::PrintLook look = results::OrientedForPages(job, page_look);
  const QSizeF paper = painting::PaperLayout(PrinterPaper(), look.setup.orientation)
                           .fullRect(QPageLayout::Inch)
                           .size();
  PrintPreviewWindow window(
      parent_, 0, job.page_count, paper,
      [&job, &look](QImage& image, int page) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painting::QtCanvas canvas(painter);
        results::DrawPageFile(canvas, job, page, look);
      },
      preview_help_);
  window.exec();
}

std::optional<platform::PageSetup> QtPagePrinter::SetUpPage(const platform::PageSetup& current) {
  return printer_.SetUpPage(current);
}

std::optional<model::PrinterFontChoice> QtPagePrinter::ChooseFont(
    const model::PrinterFontChoice& current) {
  QFont initial = current.face.empty() ? QFontDatabase::systemFont(QFontDatabase::FixedFont)
                                       : QFont(QString::fromStdString(current.face));
  initial.setPointSize(current.points);
  initial.setItalic(current.italic);
  initial.setWeight(current.weight >= 700 ? QFont::Bold : QFont::Normal);
  bool chosen = false;
  const QFont font = QFontDialog::getFont(&chosen, initial, parent_, "Select Printer Font");
  if (!chosen) return std::nullopt;
  model::PrinterFontChoice choice;
  choice.face = font.family().toStdString();
  choice.points = std::clamp(font.pointSize() > 0 ? font.pointSize() : current.points,
                             model::kSmallestPrinterPoints, model::kLargestPrinterPoints);
  choice.weight = font.bold() ? 700 : 400;
  choice.italic = font.italic();
  return choice;
}

bool QtPagePrinter::SavePdf(const results::PageFileJob& job, const results::PrintLook& look,
                            const std::string& path, std::string& error) {
  return painting::WritePageFilesPdf(job, false, look, path, error);
}

}  // namespace tarvel::app
