// The graph page's context menu and what it offers beyond the mouse gestures: zooming to a
// range of ages typed in, resetting the zoom, the drawing style, the pie of an age, the
// legend, and the page as an image on the clipboard or in a file.
#include <QActionGroup>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMenu>
#include <QMessageBox>
#include <QSpinBox>
#include <QStandardPaths>
#include <algorithm>
#include <cctype>

#include "app/graph_page.h"
#include "graphs/page_pointer.h"

namespace tarvel::app {
namespace {

using graphs::ChartStyle;

struct StyleChoice {
  ChartStyle style;
  const char* text;
};

constexpr StyleChoice kStyleChoices[] = {
    {ChartStyle::Line, QT_TRANSLATE_NOOP("GraphPage", "&Line Graph")},
    {ChartStyle::Bar, QT_TRANSLATE_NOOP("GraphPage", "&Bar Graph")},
    {ChartStyle::Bar3D, QT_TRANSLATE_NOOP("GraphPage", "&3-D Bar Graph")},
};

// "net-worth.png" from "NET WORTH": the graph's title as a file name.
QString ImageFileName(const std::string& title) {
  std::string name;
  for (const char c : title) {
    if (std::isalnum(static_cast<unsigned char>(c)) != 0) {
      name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    } else if (!name.empty() && name.back() != '-') {
      name += '-';
    }
  }
  while (!name.empty() && name.back() == '-') name.pop_back();
  return QString::fromStdString(name.empty() ? "graph" : name) + ".png";
}

QSpinBox* AgeBox(QWidget* parent, const char* name, int lowest, int highest, int value) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setRange(lowest, highest);
  box->setValue(std::clamp(value, lowest, highest));
  return box;
}

}  // namespace

std::unique_ptr<QMenu> GraphPage::MakeContextMenu(QPoint point) {
  TakeOverState();
  RenderIfStale();
  auto menu = std::make_unique<QMenu>(this);
  menu->setObjectName(QStringLiteral("graph_context_menu"));
  AddZoomActions(*menu, point);
  AddStyleActions(*menu);
  AddPieAction(*menu, point);
  menu->addSeparator();
  AddLegendActions(*menu);
  menu->addSeparator();
  AddImageActions(*menu);
  return menu;
}

void GraphPage::ShowContextMenu(QPoint point) {
  ShowCallout({}, {});  // a read-out would stand beside the menu
  QMenu* menu = MakeContextMenu(point).release();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(mapToGlobal(point));
}

void GraphPage::AddZoomActions(QMenu& menu, QPoint point) {
  QAction* zoom = menu.addAction(tr("&Zoom In on a Range..."));
  zoom->setObjectName(QStringLiteral("zoom_in_action"));
  zoom->setEnabled(has_run_ && !state_->InBreakdown() && state_->run_periods() >= 3);
  connect(zoom, &QAction::triggered, this, [this, point] { AskZoomRange(point); });

  QAction* reset = menu.addAction(tr("&Reset Zoom"));
  reset->setObjectName(QStringLiteral("reset_zoom_action"));
  reset->setEnabled(state_->view().zoomed || state_->selection().start_set);
  connect(reset, &QAction::triggered, this, [this] {
    const bool was_zoomed = state_->view().zoomed;
    state_->ResetZoom();
    ViewChanged(was_zoomed);
  });
}

void GraphPage::AddStyleActions(QMenu& menu) {
  QMenu* styles = menu.addMenu(tr("&Style"));
  styles->setObjectName(QStringLiteral("style_menu"));
  styles->setEnabled(has_run_ && !state_->InBreakdown() && state_->view().Periods() >= 3);
  auto* group = new QActionGroup(styles);
  for (const StyleChoice& choice : kStyleChoices) {
    QAction* action = styles->addAction(tr(choice.text));
    action->setCheckable(true);
    action->setChecked(state_->style() == choice.style);
    action->setActionGroup(group);
    const ChartStyle style = choice.style;
    connect(action, &QAction::triggered, this, [this, style] { SetStyle(style); });
  }
}

void GraphPage::SetStyle(ChartStyle style) {
  TakeOverState();
  const bool was_zoomed = state_->view().zoomed;
  state_->SetStyle(style);
  ViewChanged(was_zoomed != state_->view().zoomed);
}

void GraphPage::AddPieAction(QMenu& menu, QPoint point) {
  if (state_->InBreakdown()) {
    QAction* back = menu.addAction(tr("Back to the &Graph"));
    back->setObjectName(QStringLiteral("pie_action"));
    connect(back, &QAction::triggered, this, [this] {
      state_->LeaveBreakdown();
      ViewChanged(false);
    });
    return;
  }
  const std::optional<PlotHit> hit = PlotAt(point);
  const int period = hit ? graphs::PeriodUnderPointer(*hit->geometry, point.x()) : 0;
  QAction* pie =
      menu.addAction(hit ? tr("Show &Pie at Age %1").arg(static_cast<int>(source_.Age(period)))
                         : tr("Show &Pie at This Age"));
  pie->setObjectName(QStringLiteral("pie_action"));
  pie->setEnabled(hit.has_value());
  if (!hit) return;
  const graphs::GraphKind kind = hit->kind;
  connect(pie, &QAction::triggered, this, [this, kind, period] {
    if (layout_ == graphs::PageLayout::Summary) state_->ShowKind(kind);
    state_->EnterBreakdown(period);
    ViewChanged(false);
  });
}

void GraphPage::AddLegendActions(QMenu& menu) {
  QAction* front = menu.addAction(tr("Legend in &Front") + QStringLiteral("\tL"));
  front->setCheckable(true);
  front->setChecked(state_->legend_in_front() && !state_->legend_hidden());
  connect(front, &QAction::triggered, this, [this](bool in_front) {
    if (state_->legend_hidden()) state_->ToggleLegend();  // shows it again
    if (state_->legend_in_front() != in_front) state_->ToggleLegend();
    Redraw();
  });
  QAction* hide = menu.addAction(tr("&Hide Legend") + QStringLiteral("\tN"));
  hide->setCheckable(true);
  hide->setChecked(state_->legend_hidden());
  connect(hide, &QAction::triggered, this, [this](bool hidden) {
    if (hidden) {
      state_->HideLegend();
    } else {
      // "L" shows a hidden legend and keeps its place behind or in front.
      state_->ToggleLegend();
    }
    Redraw();
  });
}

void GraphPage::AddImageActions(QMenu& menu) {
  QAction* copy = menu.addAction(tr("&Copy Image"));
  copy->setObjectName(QStringLiteral("copy_image_action"));
  copy->setEnabled(has_run_);
  connect(copy, &QAction::triggered, this,
          [this] { QGuiApplication::clipboard()->setImage(Image()); });
  QAction* save = menu.addAction(tr("Save &Image As..."));
  save->setObjectName(QStringLiteral("save_image_action"));
  save->setEnabled(has_run_);
  connect(save, &QAction::triggered, this, &GraphPage::AskImageFile);
}

void GraphPage::AskZoomRange(QPoint point) {
  const int first_age = static_cast<int>(source_.Age(0));
  const int last_age = static_cast<int>(
      std::min(source_.end_age, source_.Age(std::max(0, source_.PeriodCount() - 1))));
  // The pending marks, else the age clicked on to the last age shown.
  int from = static_cast<int>(source_.Age(state_->view().first_period));
  int to = static_cast<int>(
      source_.Age(state_->view().first_period + std::max(0, state_->view().Periods() - 1)));
  const graphs::ZoomSelection& marks = state_->selection();
  if (marks.start_set) {
    from = static_cast<int>(marks.start_age);
    if (marks.end_set) to = static_cast<int>(marks.end_age);
  } else if (const std::optional<PlotHit> hit = PlotAt(point)) {
    from = static_cast<int>(source_.Age(graphs::PeriodUnderPointer(*hit->geometry, point.x())));
  }

  QDialog dialog(this);
  dialog.setObjectName(QStringLiteral("zoom_range_dialog"));
  dialog.setWindowTitle(tr("Zoom In on a Range"));
  auto* form = new QFormLayout(&dialog);
  QSpinBox* from_box = AgeBox(&dialog, "zoom_from_age", first_age, last_age, from);
  QSpinBox* to_box = AgeBox(&dialog, "zoom_to_age", first_age, last_age, to);
  form->addRow(tr("&From age:"), from_box);
  form->addRow(tr("&To age:"), to_box);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  form->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
    if (std::abs(to_box->value() - from_box->value()) >= 2) {
      dialog.accept();
      return;
    }
    QMessageBox::information(&dialog, tr("Zoom In on a Range"),
                             tr("A zoomed range covers at least 2 years. Choose ages further "
                                "apart."));
  });
  connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  if (dialog.exec() != QDialog::Accepted) return;
  ZoomToAges(from_box->value(), to_box->value());
}

QImage GraphPage::Image() {
  RenderIfStale();
  // Image files are drawn as on paper, whatever the desktop's palette and font.
  graphs::PageRequest request = ScreenRequest();
  request.font = graphs::ScreenChartFont();
  request.scheme = {};
  QImage image(buffer_.size(), QImage::Format_RGB32);
  PaintOnto(image, request);
  return image;
}

bool GraphPage::SaveImage(const QString& path, QString* reason) {
  QImageWriter writer(path);
  if (QFileInfo(path).suffix().isEmpty()) writer.setFormat("png");
  if (writer.write(Image())) return true;
  if (reason != nullptr) *reason = writer.errorString();
  return false;
}

void GraphPage::AskImageFile() {
  if (image_folder_.isEmpty()) {
    image_folder_ = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (image_folder_.isEmpty() || !QDir(image_folder_).exists()) image_folder_ = QDir::homePath();
  }
  const graphs::GraphKind kind = state_->SeriesKind();
  const std::string title =
      layout_ == graphs::PageLayout::Summary
          ? std::string("summary")
          : graphs::SeriesOfKind(kind, source_, accounts_, allocation_title_).title;
  QString path = QFileDialog::getSaveFileName(
      this, tr("Save Image As"), QDir(image_folder_).filePath(ImageFileName(title)),
      tr("PNG image (*.png);;JPEG image (*.jpg *.jpeg);;BMP image (*.bmp)"));
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".png");
  image_folder_ = QFileInfo(path).absolutePath();
  QString reason;
  if (SaveImage(path, &reason)) return;
  QMessageBox::warning(this, tr("Save Image As"),
                       tr("Cannot save the image to %1: %2.\nChoose another folder or name.")
                           .arg(QDir::toNativeSeparators(path), reason));
}

}  // namespace tarvel::app
