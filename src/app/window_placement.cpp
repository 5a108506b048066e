// Placing top-level windows inside the screen's available area.
#include "app/window_placement.h"

#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace tarvel::app {

QRect FitIntoArea(QRect window, const QRect& area) {
  window.setWidth(std::min(window.width(), area.width()));
  window.setHeight(std::min(window.height(), area.height()));
  window.moveLeft(
      std::clamp(area.left() + window.left(), area.left(), area.right() + 1 - window.width()));
  window.moveTop(
      std::clamp(area.top() + window.top(), area.top(), area.bottom() + 1 - window.height()));
  return window;
}

void PlaceInsideScreen(QWidget& window, const QRect& wanted) {
  QRect placed = wanted;
  if (const QScreen* screen = window.screen(); screen != nullptr) {
    // Before the first showing the frame's size is only known from the style.
    int frame_width = window.frameGeometry().width() - window.geometry().width();
    int frame_height = window.frameGeometry().height() - window.geometry().height();
    if (frame_height <= 0) {
      frame_width = 2 * window.style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
      frame_height = window.style()->pixelMetric(QStyle::PM_TitleBarHeight) + frame_width;
    }
    const QRect area = screen->availableGeometry().adjusted(0, 0, -frame_width, -frame_height);
    placed = FitIntoArea(wanted, area);
  }
  window.setMinimumSize(window.minimumSize().boundedTo(placed.size()));
  window.resize(placed.size());
  window.move(placed.topLeft());
}

}  // namespace tarvel::app
