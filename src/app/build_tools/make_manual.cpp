// tarvel-make-manual: the PDF manual made at build time from the help pages, in contents
// order, with a title page, a table of contents with page numbers and numbered pages.
#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <cstdio>
#include <vector>

#include "app/help_catalog.h"

namespace {

constexpr int kResolution = 300;       // dots per inch of the PDF's layout
constexpr double kFooterInches = 0.4;  // the band under the text that holds the page number

QString ReadText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

// A page's body, its title made a chapter heading that starts a new sheet.
QString Chapter(const QString& folder, const QString& file) {
  QString html = ReadText(folder + "/" + file);
  const QRegularExpression body(
      "<body[^>]*>(.*)</body>",
      QRegularExpression::DotMatchesEverythingOption | QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch match = body.match(html);
  QString chapter = match.hasMatch() ? match.captured(1) : html;
  chapter.replace("<h1>", "<h1 style=\"page-break-before: always\">");
  return chapter;
}

QString ContentsTable(const std::vector<const tarvel::app::HelpPage*>& pages,
                      const std::vector<int>& numbers) {
  QString rows;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    const QString number = i < numbers.size() ? QString::number(numbers[i]) : QString("00");
    rows += QString("<tr><td width=\"90%\">%1</td><td align=\"right\">%2</td></tr>\n")
                .arg(pages[i]->title.toHtmlEscaped(), number);
  }
  return "<h2>Contents</h2><table width=\"100%\" cellpadding=\"2\">" + rows + "</table>";
}

QString ManualHtml(const QString& folder, const std::vector<const tarvel::app::HelpPage*>& pages,
                   const std::vector<int>& numbers) {
  QString html =
      "<html><body><p style=\"margin-top: 200px\" align=\"center\"><span style=\"font-size: "
      "xx-large; font-weight: bold\">Tarvel Financial Planner</span></p>"
      "<p align=\"center\"><span style=\"font-size: x-large\">Manual</span></p>"
      "<p align=\"center\">Version " TARVEL_VERSION
      "</p>"
      "<div style=\"page-break-before: always\">" +
      ContentsTable(pages, numbers) + "</div>";
  for (const auto* page : pages) html += Chapter(folder, page->file);
  return html + "</body></html>";
}

// The first page (counting from 1) of every chapter of a laid-out document.
std::vector<int> ChapterPages(QTextDocument& document, double page_height) {
  std::vector<int> numbers;
  QAbstractTextDocumentLayout* layout = document.documentLayout();
  bool first_break = true;  // the contents page breaks too, but is no chapter
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    if (!(block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)) continue;
    if (first_break) {
      first_break = false;
      continue;
    }
    numbers.push_back(static_cast<int>(layout->blockBoundingRect(block).top() / page_height) + 1);
  }
  return numbers;
}

void Lay(QTextDocument& document, QPdfWriter& writer, const QString& html, const QString& style,
         const QSizeF& page) {
  document.documentLayout()->setPaintDevice(&writer);
  document.setDefaultStyleSheet(style);
  document.setHtml(html);
  document.setPageSize(page);
}

void Paint(QTextDocument& document, QPdfWriter& writer, const QSizeF& page, double footer) {
  QPainter painter(&writer);
  const int count = document.pageCount();
  for (int index = 0; index < count; ++index) {
    if (index > 0) writer.newPage();
    painter.save();
    painter.translate(0, -index * page.height());
    document.drawContents(&painter, QRectF(0, index * page.height(), page.width(), page.height()));
    painter.restore();
    if (index > 0) {
      painter.drawText(QRectF(0, page.height(), page.width(), footer), Qt::AlignCenter,
                       QString::number(index + 1));
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("Usage: tarvel-make-manual HELP-FOLDER OUT.pdf\n", stderr);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const tarvel::app::HelpCatalog catalog = tarvel::app::HelpCatalog::Read(folder);
  std::vector<const tarvel::app::HelpPage*> pages;
  for (const auto& page : catalog.pages()) {
    if (page.file != "contents.html") pages.push_back(&page);
  }
  if (pages.empty()) {
    std::fprintf(stderr, "No help pages in %s.\n", argv[1]);
    return 1;
  }
  QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
  writer.setResolution(kResolution);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(20, 18, 20, 12), QPageLayout::Millimeter));
  writer.setTitle("Tarvel Financial Planner Manual");
  writer.setCreator("Tarvel Financial Planner " TARVEL_VERSION);
  const QRect area = writer.pageLayout().paintRectPixels(kResolution);
  const double footer = kFooterInches * kResolution;
  const QSizeF page(area.width(), area.height() - footer);
  const QString style = ReadText(folder + "/help.css");

  // Laid out once to learn where the chapters fall, then again with those page numbers; the
  // contents keep their length, so the numbers stay true.
  QTextDocument draft;
  Lay(draft, writer, ManualHtml(folder, pages, {}), style, page);
  const std::vector<int> numbers = ChapterPages(draft, page.height());
  QTextDocument manual;
  Lay(manual, writer, ManualHtml(folder, pages, numbers), style, page);
  Paint(manual, writer, page, footer);
  return 0;
}
