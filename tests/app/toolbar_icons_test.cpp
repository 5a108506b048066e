// Every toolbar button has a picture, sharp at twice the toolbar size, and the planner's own
// drawings take the palette's text colour, so they read on dark themes too.
#include "app/toolbar_icons.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QPalette>

#include "app/main_window_fixture.h"
#include "ui/shell/command_table.h"

namespace tarvel::app {
namespace {

// The colour of the most opaque pixel of a picture.
QColor StrongestInk(const QImage& image) {
  QColor strongest(0, 0, 0, 0);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor colour = image.pixelColor(x, y);
      if (colour.alpha() > strongest.alpha()) strongest = colour;
    }
  }
  return strongest;
}

class ToolbarIconsTest : public MainWindowFixture {};

TEST_F(ToolbarIconsTest, EveryButtonHasAPictureAtDoubleSize) {
  Start();
  for (const ui::ToolbarButton& button : ui::ToolbarButtons()) {
    if (button.id == 0) continue;
    const QIcon icon = Action(button.id)->icon();
    ASSERT_FALSE(icon.isNull()) << button.id;
    const QImage picture = icon.pixmap(44, 44).toImage();
    EXPECT_GE(picture.width(), 44) << button.id;
    EXPECT_GT(StrongestInk(picture).alpha(), 200) << button.id;
  }
}

TEST(ToolbarIcons, OwnDrawingsTakeThePalettesTextColour) {
  const struct { QColor text; } palettes[] = {{QColor("#202020")}, {QColor("#f0f0f0")}};
  for (const char* name : {"mortgage", "credit-card", "rule72t", "help"}) {
    for (const auto& p : palettes) {
      QPalette palette;
      palette.setColor(QPalette::WindowText, p.text);
      const QIcon icon = ToolbarIcon(name, palette);
      ASSERT_FALSE(icon.isNull()) << name;
      const QColor ink = StrongestInk(icon.pixmap(48, 48).toImage());
      EXPECT_EQ(ink.rgb(), p.text.rgb()) << name << " " << p.text.name().toStdString();
    }
  }
}

}  // namespace
}  // namespace tarvel::app
