// plotter plotter.dat [--pdf OUT.pdf]: the schedule plotter, started hidden by the loan
// editor and the mortgage calculator. It prints the schedule to the default printer; with no
// printer it writes a PDF beside the working files and asks the desktop to open it, since a
// hidden program shows no dialog.
#include <QApplication>
#include <QCommandLineParser>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPrinter>
#include <QPrinterInfo>
#include <QUrl>
#include <cstdio>

#include "app/printer_page_sink.h"
#include "siblings/plotter_file.h"
#include "siblings/schedule_pages.h"

namespace {

constexpr char kScheduleDocument[] = "schedule.pdf";

int Fail(const QString& message) {
  std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  // It shows no window, so it also runs where there is no display.
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
      qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName("plotter");
  QApplication::setApplicationVersion(TARVEL_VERSION);
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Tarvel schedule plotter: prints the amortisation schedule of plotter.dat to the default "
      "printer, or to a PDF file.");
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument("DATAFILE", "The schedule the planner writes (plotter.dat).");
  const QCommandLineOption pdf("pdf", "Write the schedule to this PDF file instead.", "OUT.pdf");
  parser.addOption(pdf);
  parser.process(application);
  const QString data_path = parser.positionalArguments().value(0, "plotter.dat");

  const auto load = tarvel::siblings::ReadPlotterFile(data_path.toStdString());
  if (!load.ok()) return Fail(QString::fromStdString(load.message));

  QPrinter printer(QPrinter::HighResolution);
  QString pdf_path = parser.value(pdf);
  const bool no_printer = QPrinterInfo::defaultPrinter().isNull();
  if (pdf_path.isEmpty() && no_printer) {
    pdf_path = QFileInfo(data_path).absoluteDir().filePath(kScheduleDocument);
  }
  // The document is named as its file is, which the planner proposes after the plan.
  printer.setDocName(pdf_path.isEmpty() ? QString("Mortgage Schedule")
                                        : QFileInfo(pdf_path).completeBaseName());
  if (!pdf_path.isEmpty()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf_path);
  }
  tarvel::app::PrinterPageSink sink(printer);
  const std::string date =
      QLocale(QLocale::English).toString(QDate::currentDate(), "MMMM d, yyyy").toStdString();
  const int pages = tarvel::siblings::PrintSchedule(sink, *load.data, date);
  if (pages == 0 || !sink.Finish()) {
    return Fail(pdf_path.isEmpty() ? "The schedule could not be printed."
                                   : "Cannot write " + pdf_path + ".");
  }
  if (no_printer && parser.value(pdf).isEmpty()) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(pdf_path));
  }
  return 0;
}
