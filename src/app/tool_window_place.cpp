// Placing tool windows beside the main window.
#include "app/tool_window_place.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace tarvel::app {
namespace {

constexpr int kGap = 8;  // pixels between the main window and the tool window

}  // namespace

QPoint ToolWindowPlace(const QRect& area, const QRect& main_frame, const QSize& frame_size,
                       const QRect& screen) {
  QPoint place;
  if (main_frame.right() + kGap + frame_size.width() <= screen.right()) {
    place = QPoint(main_frame.right() + 1 + kGap, area.top());
  } else if (main_frame.left() - kGap - frame_size.width() >= screen.left()) {
    place = QPoint(main_frame.left() - kGap - frame_size.width(), area.top());
  } else {
    place = QPoint(area.right() - kGap - frame_size.width(), area.top() + kGap);
  }
  place.setX(std::clamp(place.x(), screen.left(),
                        std::max(screen.left(), screen.right() + 1 - frame_size.width())));
  place.setY(std::clamp(place.y(), screen.top(),
                        std::max(screen.top(), screen.bottom() + 1 - frame_size.height())));
  return place;
}

void PlaceToolWindowBeside(QWidget& tool, const QWidget& area) {
  const QWidget* main_window = area.window();
  // Before the window manager has framed the tool window, the main window's frame is the best
  // guess of its title bar and borders.
  const QSize borders = main_window->frameGeometry().size() - main_window->size();
  const QSize frame = tool.size() + borders;
  const QRect area_on_screen(area.mapToGlobal(QPoint(0, 0)), area.size());
  const QScreen* screen = main_window->screen();
  const QRect available = screen != nullptr ? screen->availableGeometry() : QRect();
  tool.move(ToolWindowPlace(area_on_screen, main_window->frameGeometry(), frame, available));
}

}  // namespace tarvel::app
