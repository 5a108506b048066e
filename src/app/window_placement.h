// Keeps the planner's windows on the screen: a window opens inside the screen's available
// area (without the panels), shrunk when it would not fit.
#pragma once

#include <QRect>

class QWidget;

namespace tarvel::app {

// The rectangle moved into the area and, when it is larger, shrunk to the area's size. The
// rectangle's position counts from the area's top left corner.
QRect FitIntoArea(QRect window, const QRect& area);

// Places a top-level window at that position and size, kept inside the available area of its
// screen with room for the window frame and title bar.
void PlaceInsideScreen(QWidget& window, const QRect& wanted);

}  // namespace tarvel::app
