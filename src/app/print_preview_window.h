// The print preview ("Print Preview"): one page at a time drawn by the page loop's own page
// drawing, scaled into the window, with "<<", ">>", "Fit to page", "+", "-", "Close" and
// "Help"; a left click on the page zooms in, a right click zooms out.
#pragma once

#include <QDialog>
#include <functional>

#include "ui/printing/print_preview_state.h"

class QLabel;
class QPushButton;
class QScrollArea;

namespace tarvel::app {

class PrintPreviewWindow : public QDialog {
  Q_OBJECT

 public:
  // draw_page paints page n onto an image of the paper's size in pixels.
  using PageDrawer = std::function<void(QImage& paper, int page)>;
  PrintPreviewWindow(QWidget* parent, int first_page, int last_page, QSizeF paper_inches,
                     PageDrawer draw_page, std::function<void()> help);

  const ui::PrintPreviewState& state() const { return state_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Show();
  void Act(const std::function<void(ui::PrintPreviewState&)>& change);

  ui::PrintPreviewState state_;
  QSizeF paper_inches_;
  PageDrawer draw_page_;
  QScrollArea* scroll_ = nullptr;
  QLabel* page_ = nullptr;
  QPushButton* back_ = nullptr;
  QPushButton* forward_ = nullptr;
  QLabel* status_ = nullptr;  // the page shown and the zoom
};

}  // namespace tarvel::app
