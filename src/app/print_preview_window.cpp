// The preview window: the page is painted at the size the zoom level asks for.
#include "app/print_preview_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace tarvel::app {
namespace {

constexpr double kMetresPerInch = 0.0254;

}  // namespace

PrintPreviewWindow::PrintPreviewWindow(QWidget* parent, int first_page, int last_page,
                                       QSizeF paper_inches, PageDrawer draw_page,
                                       std::function<void()> help)
    : QDialog(parent),
      state_(first_page, last_page),
      paper_inches_(paper_inches),
      draw_page_(std::move(draw_page)) {
  setWindowTitle("Print Preview");
  auto* buttons = new QHBoxLayout;
  back_ = new QPushButton("<<");
  forward_ = new QPushButton(">>");
  auto* fit = new QPushButton("Fit to page");
  auto* plus = new QPushButton("+");
  auto* minus = new QPushButton("-");
  auto* close = new QPushButton("Close");
  auto* help_button = new QPushButton("Help");
  for (QPushButton* button : {back_, forward_, fit, plus, minus, close, help_button}) {
    button->setAutoDefault(false);
    buttons->addWidget(button);
  }
  buttons->addStretch();
  status_ = new QLabel;
  status_->setContentsMargins(12, 0, 8, 0);
  buttons->addWidget(status_);
  connect(back_, &QPushButton::clicked, this,
          [this] { Act(&ui::PrintPreviewState::PreviousPage); });
  connect(forward_, &QPushButton::clicked, this, [this] { Act(&ui::PrintPreviewState::NextPage); });
  connect(fit, &QPushButton::clicked, this, [this] { Act(&ui::PrintPreviewState::FitToPage); });
  connect(plus, &QPushButton::clicked, this, [this] { Act(&ui::PrintPreviewState::ZoomIn); });
  connect(minus, &QPushButton::clicked, this, [this] { Act(&ui::PrintPreviewState::ZoomOut); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(help_button, &QPushButton::clicked, this, [help] {
    if (help) help();
  });

  page_ = new QLabel;
  page_->setAlignment(Qt::AlignCenter);
  page_->installEventFilter(this);
  scroll_ = new QScrollArea;
  scroll_->setWidget(page_);
  scroll_->setAlignment(Qt::AlignCenter);
  scroll_->setBackgroundRole(QPalette::Dark);
  scroll_->verticalScrollBar()->setSingleStep(ui::kPreviewScrollStep);
  // The fitted page follows the room the layout finally gives the page.
  scroll_->viewport()->installEventFilter(this);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(scroll_, 1);
  // As tall as the screen allows, the paper's shape, and wide enough for the buttons and the
  // longest status in the window's font.
  const QRect screen = this->screen()->availableGeometry();
  const int height = std::min(900, screen.height() * 9 / 10);
  status_->setMinimumWidth(status_->fontMetrics().horizontalAdvance("Page 888 of 888   800%") +
                           status_->contentsMargins().left() + status_->contentsMargins().right());
  const int width = std::max({720, height * 17 / 20, layout->sizeHint().width()});
  resize(std::min(screen.width() * 9 / 10, width), height);
  Show();
}

void PrintPreviewWindow::Act(const std::function<void(ui::PrintPreviewState&)>& change) {
  change(state_);
  Show();
}

// The page fitted into the window at level 1, larger by the state's magnification above it.
void PrintPreviewWindow::Show() {
  const QSize room = scroll_->viewport()->size() - QSize(16, 16);
  const double fit =
      std::min(room.width() / paper_inches_.width(), room.height() / paper_inches_.height());
  const double dpi = std::max(20.0, fit * state_.Magnification());
  QImage paper(static_cast<int>(paper_inches_.width() * dpi),
               static_cast<int>(paper_inches_.height() * dpi), QImage::Format_RGB32);
  paper.setDotsPerMeterX(static_cast<int>(dpi / kMetresPerInch));
  paper.setDotsPerMeterY(static_cast<int>(dpi / kMetresPerInch));
  paper.fill(Qt::white);
  draw_page_(paper, state_.page());
  page_->setPixmap(QPixmap::fromImage(paper));
  page_->resize(paper.size());
  scroll_->horizontalScrollBar()->setValue(state_.scroll_x());
  scroll_->verticalScrollBar()->setValue(state_.scroll_y());
  status_->setText(QString::fromStdString(state_.StatusText()));
  back_->setEnabled(state_.CanGoBack());
  forward_->setEnabled(state_.CanGoForward());
}

bool PrintPreviewWindow::eventFilter(QObject* watched, QEvent* event) {
  if (scroll_ != nullptr && watched == scroll_->viewport() && event->type() == QEvent::Resize &&
      state_.zoom() == ui::kSmallestZoom) {
    Show();
    return false;
  }
  if (watched == page_ && event->type() == QEvent::MouseButtonPress) {
    const auto* click = static_cast<QMouseEvent*>(event);
    state_.ScrollTo(scroll_->horizontalScrollBar()->value(), scroll_->verticalScrollBar()->value());
    if (click->button() == Qt::LeftButton) {
      Act(&ui::PrintPreviewState::ZoomIn);
    } else if (click->button() == Qt::RightButton) {
      Act(&ui::PrintPreviewState::ZoomOut);
    }
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void PrintPreviewWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  Show();
}

}  // namespace tarvel::app
