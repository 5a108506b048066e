// The planner's own toolbar icons for the commands the icon theme has no picture for: line
// drawings in data/icons/toolbar, drawn in the palette's text colour so they read on light and
// dark themes, and rendered at every size up to twice the toolbar's so they stay sharp at 200 %.
#pragma once

#include <QIcon>
#include <QPalette>
#include <QString>

namespace tarvel::app {

// The icon "icons/toolbar/<name>.svg" of the data folders; a null icon when it is missing.
QIcon ToolbarIcon(const QString& name, const QPalette& palette);

// The SVG text with its drawing colour (black in the files) replaced by the palette's text.
QByteArray TintedSvg(const QByteArray& svg, const QPalette& palette);

}  // namespace tarvel::app
