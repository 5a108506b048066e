// Printing goes through the planner's print path (its dialog, copies, collation, margins and
// PDF fallback); pictures through the image writer of the command-line planner.
#include "siblings_app/sibling_output.h"

#include <QFileDialog>
#include <QMessageBox>

#include "app/drawn_page_printer.h"
#include "cli/image_writer.h"
#include "ui/shell/keywords.h"

namespace tarvel::siblings_app {
bool PrintWithDialog(QWidget* parent, const QString& document_name,
                     const std::function<bool(platform::PageSink&)>& print) {
  // The pages draw their own half-inch borders; the default page setup is used.
  return app::PrintDrawnDocument(parent, document_name.toStdString(), platform::PageSetup{}, print);
}

bool PrintOnePage(QWidget* parent, const QString& document_name,
                  const std::function<void(platform::Canvas&)>& paint) {
  return PrintWithDialog(parent, document_name, [&](platform::PageSink& sink) {
    platform::Canvas* canvas = sink.BeginPage();
    if (!canvas) return false;
    paint(*canvas);
    sink.EndPage();
    return true;
  });
}

void ExportPicture(QWidget* parent, const QString& suggested_name, platform::Size size,
                   const std::function<void(platform::Canvas&)>& paint) {
  const QString path = QFileDialog::getSaveFileName(
      parent, QObject::tr("Export Picture"), suggested_name,
      QObject::tr("PNG pictures (*.png);;SVG drawings (*.svg);;PDF documents (*.pdf)"));
  if (path.isEmpty()) return;
  cli::ImageFormat format;
  if (!cli::ImageFormatOf(path.toStdString(), format)) {
    QMessageBox::warning(parent, QObject::tr("FILE ERROR"),
                         QObject::tr("%1 does not end in .png, .svg or .pdf.").arg(path));
    return;
  }
  std::string error;
  if (!cli::WriteImage(path.toStdString(), format, size, paint, error)) {
    QMessageBox::warning(parent, QObject::tr("FILE ERROR"), QString::fromStdString(error));
  }
}

QLabel* MakeProblemLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);
  label->setMargin(24);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

model::Currency CurrencyOfWord(const QString& word) {
  return ui::ParseKeywords(word.toStdString()).currency;
}

}  // namespace tarvel::siblings_app
