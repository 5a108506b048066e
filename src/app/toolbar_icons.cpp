// Drawing the toolbar's SVG icons in the palette's colours.
#include "app/toolbar_icons.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include "app/data_paths.h"

namespace tarvel::app {
namespace {

constexpr char kDrawingColour[] = "#000000";
// Toolbar and menu sizes at 100 % and 200 %.
constexpr int kSizes[] = {16, 22, 24, 32, 44, 48, 64};

}  // namespace

QByteArray TintedSvg(const QByteArray& svg, const QPalette& palette) {
  QByteArray tinted = svg;
  return tinted.replace(kDrawingColour,
                        palette.color(QPalette::WindowText).name(QColor::HexRgb).toLatin1());
}

QIcon ToolbarIcon(const QString& name, const QPalette& palette) {
  QFile file(FindDataFile("icons/toolbar/" + name + ".svg"));
  if (file.fileName().isEmpty() || !file.open(QIODevice::ReadOnly)) return {};
  QSvgRenderer renderer(TintedSvg(file.readAll(), palette));
  if (!renderer.isValid()) return {};
  QIcon icon;
  for (int size : kSizes) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace tarvel::app
