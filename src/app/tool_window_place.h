// Where a tool window of the main window opens: beside the part of the main window it serves,
// never over the menus, and always whole on the screen.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace tarvel::app {

// The top-left corner of a tool window's frame of frame_size that serves `area` (in screen
// coordinates) of a main window framed by main_frame: right of the main window, level with the
// area's top, when the screen has room there; else left of it; else inside the area's top-right
// corner. The result is kept inside the screen.
QPoint ToolWindowPlace(const QRect& area, const QRect& main_frame, const QSize& frame_size,
                       const QRect& screen);

// Moves a shown tool window beside `area`, a widget of the main window.
void PlaceToolWindowBeside(QWidget& tool, const QWidget& area);

}  // namespace tarvel::app
