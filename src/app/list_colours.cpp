// The palette's list colours (its base and text) decide how a banded row is shown.
#include "app/list_colours.h"

#include "ui/shell/band_colours.h"

namespace tarvel::app {
namespace {

std::uint32_t ColourRefOf(const QColor& colour) {
  return static_cast<std::uint32_t>(colour.red()) |
         (static_cast<std::uint32_t>(colour.green()) << 8) |
         (static_cast<std::uint32_t>(colour.blue()) << 16);
}

}  // namespace

QColor QColorOf(std::uint32_t colour) {
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

ShownRow RowInPalette(const QColor& background, const QColor& text, const QPalette& palette) {
  const ui::ListPalette list{ColourRefOf(palette.color(QPalette::Base)),
                             ColourRefOf(palette.color(QPalette::Text))};
  const ui::RowColours shown = ui::InPalette({ColourRefOf(background), ColourRefOf(text)}, list);
  return {QColorOf(shown.background), QColorOf(shown.text)};
}

}  // namespace tarvel::app
