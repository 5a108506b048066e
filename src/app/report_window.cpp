// The report window's widgets over its presenter.
#include "app/report_window.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/list_colours.h"
#include "app/mortgage_schedule_window.h"
#include "app/planner_session.h"
#include "painting/text_1252.h"
#include "results/line_class.h"
#include "ui/shell/band_colours.h"

namespace tarvel::app {
namespace {

constexpr int kBandColourIndex = 15;
constexpr int kFillColumns = 8;  // fewer columns are widened to fill the window
constexpr int kWindowMargin = 20;
constexpr int kCellPadding = 16;

}  // namespace

QColor ReportBandColour(PlannerSession& session) {
  return QColorOf(ui::ScreenBandColour(session.scenario().colours.colours[kBandColourIndex],
                                       session.state().keywords));
}

void FillBandedList(QTreeWidget& list, const std::vector<std::string>& titles,
                    const std::vector<std::vector<std::string>>& rows, const QColor& band) {
  list.clear();
  QStringList header;
  for (const std::string& title : titles) header << painting::FromWindows1252(title).trimmed();
  list.setColumnCount(static_cast<int>(titles.size()));
  list.setHeaderLabels(header);
  list.setRootIsDecorated(false);
  list.setUniformRowHeights(true);
  list.setSelectionMode(QAbstractItemView::SingleSelection);
  list.setAllColumnsShowFocus(true);
  list.header()->setStretchLastSection(false);
  for (int column = 1; column < list.columnCount(); ++column) {
    list.headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
  }
  QList<QTreeWidgetItem*> items;
  for (std::size_t row = 0; row < rows.size(); ++row) {
    auto* item = new QTreeWidgetItem;
    const ShownRow shown =
        RowInPalette(row % 2 == 0 ? QColor(Qt::white) : band, QColor(Qt::black), list.palette());
    for (int column = 0; column < list.columnCount(); ++column) {
      const auto& cells = rows[row];
      const std::string text =
          static_cast<std::size_t>(column) < cells.size() ? cells[column] : std::string();
      item->setText(column, painting::FromWindows1252(text).trimmed());
      item->setTextAlignment(column,
                             (column == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
      item->setBackground(column, shown.background);
      item->setForeground(column, shown.text);
    }
    items << item;
  }
  list.addTopLevelItems(items);
}

ReportWindow::ReportWindow(std::unique_ptr<ui::ReportWindowPresenter> presenter, const QColor& band,
                           QWidget* parent)
    : QDialog(parent), presenter_(std::move(presenter)) {
  setObjectName("reportschedule");
  setWindowTitle(painting::FromWindows1252(presenter_->title()));
  setAttribute(Qt::WA_DeleteOnClose);
  auto* layout = new QVBoxLayout(this);
  list_ = new QTreeWidget(this);
  list_->setObjectName("report_list");
  list_->setFrameShadow(QFrame::Sunken);
  FillBandedList(*list_, presenter_->page().titles, presenter_->page().rows, band);
  layout->addWidget(list_);
  auto* buttons = new QHBoxLayout;
  BuildButtons(*buttons);
  layout->addLayout(buttons);
  resize(860, 520);
  SizeColumns();
}

ReportWindow::~ReportWindow() = default;

void ReportWindow::BuildButtons(QHBoxLayout& row) {
  auto add = [&](const char* name, const QString& text, auto&& action) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, action);
    row.addWidget(button);
    return button;
  };
  add("ok", tr("OK"), [this] { close(); })->setDefault(true);
  add("print", tr("Print"), [this] { presenter_->Print(); });
  if (presenter_->offers_selected_age()) {
    row.addSpacing(16);
    row.addWidget(new QLabel(tr("Selected Age"), this));
    selected_age_ = new QLineEdit(this);
    selected_age_->setObjectName("selected_age");
    selected_age_->setMaxLength(9);
    selected_age_->setMaximumWidth(80);
    row.addWidget(selected_age_);
    add("print_selected_age", tr("Print Selected Age"),
        [this] { presenter_->PrintSelectedAge(painting::ToWindows1252(selected_age_->text())); });
  }
  row.addStretch();
  add("save_as", tr("Save As…"), [this] { presenter_->SaveAs(); });
}

// Each column as wide as its widest sample; fewer than 8 columns share the window's width.
void ReportWindow::SizeColumns() {
  const std::vector<std::string> samples = presenter_->ColumnSamples();
  if (samples.empty()) return;
  const QFontMetrics metrics(list_->font());
  std::vector<int> widths;
  int total = 0;
  for (const std::string& sample : samples) {
    widths.push_back(metrics.horizontalAdvance(painting::FromWindows1252(sample)) + kCellPadding);
    total += widths.back();
  }
  const int room = list_->viewport()->width() - kWindowMargin;
  if (static_cast<int>(widths.size()) < kFillColumns && total > 0 && room > total) {
    for (int& width : widths) width = width * room / total;
  }
  for (std::size_t column = 0; column < widths.size(); ++column) {
    list_->setColumnWidth(static_cast<int>(column), widths[column]);
  }
}

void ReportWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  SizeColumns();
}

void ReportWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  SizeColumns();
}

void ReportWindows::OpenReportWindow(results::ReportKind kind) {
  PlannerSession& session = session_;
  ui::ReportWindowServices services{
      session.scenario(),
      [&session]() -> const engine::Run& { return session.last_run(); },
      session.program().working_directory,
      session.prompter(),
      [this](const results::ReportPrintRequest& request) {
        if (print_) print_(request);
      },
      [&session](int pages) {
        int& count = session.state().report_page_count;
        count = std::max(count, pages);
      }};
  auto presenter = std::make_unique<ui::ReportWindowPresenter>(std::move(services), kind);
  if (!presenter->Open()) return;
  auto* window = new ReportWindow(std::move(presenter), ReportBandColour(session), &parent_);
  window->setWindowFlag(Qt::Window);
  window->show();
}

void ReportWindows::OpenMortgageSchedule(const model::FinancialEvent& mortgage) {
  ui::MortgageScheduleServices services{session_.program().working_directory, session_.prompter(),
                                        [this](const results::ReportPrintRequest& request) {
                                          if (print_) print_(request);
                                        },
                                        session_.program().currency};
  auto presenter = std::make_unique<ui::MortgageSchedulePresenter>(
      std::move(services), mortgage, session_.scenario().initial.start_age);
  presenter->Open();
  // The editor that asks is modal: the schedule sits above it until it is closed.
  QWidget* over = QApplication::activeModalWidget();
  MortgageScheduleWindow window(std::move(presenter), ReportBandColour(session_),
                                over != nullptr ? over : &parent_);
  window.exec();
}

}  // namespace tarvel::app
