// The graph pages of the planner under the desktop's look: a dark palette gives a dark page
// with readable labels and a visible grid, while image files stay black on white; a larger
// desktop font gives larger chart texts that still fit their places.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <string>
#include <vector>

#include "app/graph_folders.h"
#include "app/desktop_look.h"
#include "app/graph_page.h"
#include "app/main_window_fixture.h"
#include "model/colour_tones.h"
#include "painting/qt_canvas.h"
#include "ui/shell/folders.h"

namespace tarvel::app {
namespace {

// The text a page drew and the box it took, measured as the screen measures it.
struct TextBox {
  std::string text;
  QRect box;
};

// Paints through the Qt canvas and keeps every text's box.
class TextBoxCanvas : public painting::QtCanvas {
 public:
  explicit TextBoxCanvas(QPainter& painter) : QtCanvas(painter) {}
  void DrawText(platform::Point anchor, std::string_view text, const platform::Font& font,
                const platform::TextStyle& style) override {
    QtCanvas::DrawText(anchor, text, font, style);
    const int width = TextWidth(font, text);
    const int height = Measure(font).height;
    int left = anchor.x;
    if (style.horizontal == platform::HorizontalAlign::Centre) left -= width / 2;
    if (style.horizontal == platform::HorizontalAlign::Right) left -= width;
    int top = anchor.y;
    if (style.vertical == platform::VerticalAlign::Bottom) top -= height;
    if (!text.empty() && text.find_first_not_of(' ') != std::string_view::npos) {
      boxes.push_back({std::string(text), QRect(left, top, width, height)});
    }
  }
  std::vector<TextBox> boxes;
};

class GraphThemeTest : public MainWindowFixture {
 protected:
  void TearDown() override {
    window_.reset();
    QApplication::setPalette(palette_);
    QApplication::setFont(font_);
  }
  static void ScaleFont(double factor) {
    QFont font = QApplication::font();
    font.setPointSizeF(font.pointSizeF() * factor);
    QApplication::setFont(font);
  }
  GraphPage& ShowGraph(int folder) {
    window_->resize(1100, 800);
    window_->show();
    window_->SwitchFolder(folder);
    GraphPage* page = window_->graph_folders().page(folder);
    EXPECT_NE(page, nullptr);
    QCoreApplication::processEvents();
    return *page;
  }
  // The page's texts as it paints them on screen.
  static std::vector<TextBox> PaintedTexts(GraphPage& page) {
    QImage image(page.size(), QImage::Format_RGB32);
    QPainter painter(&image);
    TextBoxCanvas canvas(painter);
    graphs::PaintGraphPage(canvas, page.source(), page.state(), page.ScreenRequest());
    return canvas.boxes;
  }

  const QPalette palette_ = QApplication::palette();
  const QFont font_ = QApplication::font();
};

// The colour farthest from the background within a rectangle of the image: a text's ink.
QColor InkWithin(const QImage& image, const QRect& rect, const QColor& background) {
  QColor ink = background;
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (Contrast(pixel, background) > Contrast(ink, background)) ink = pixel;
    }
  }
  return ink;
}

TEST_F(GraphThemeTest, InADarkPaletteTheNetWorthPageIsDarkWithReadableLabels) {
  QApplication::setPalette(DarkPalette());
  Start();
  GraphPage& page = ShowGraph(ui::kNetWorthFolder);
  const QImage image = page.grab().toImage();
  const graphs::ChartGeometry& chart = page.painted().chart;
  ASSERT_GT(chart.x0, 10);
  const QColor background = image.pixelColor(2, 2);
  EXPECT_EQ(background, DarkPalette().color(QPalette::Base));
  // The value labels left of the value axis.
  const QColor label =
      InkWithin(image, QRect(0, chart.y0 - chart.height, chart.x0 - 3, chart.height), background);
  EXPECT_GE(Contrast(label, background), model::kReadableContrast);
  // The top grid line, left of any series, shows on the page.
  const QColor grid = image.pixelColor(chart.x0 + chart.grid_x / 2, chart.y0 - chart.height);
  EXPECT_GE(Contrast(grid, background), 1.5);
}

TEST_F(GraphThemeTest, InADarkPaletteTheSummaryPageIsDarkWithReadableTexts) {
  QApplication::setPalette(DarkPalette());
  Start();
  GraphPage& page = ShowGraph(ui::kSummaryFolder);
  const QImage image = page.grab().toImage();
  const QColor background = image.pixelColor(2, 2);
  EXPECT_EQ(background, DarkPalette().color(QPalette::Base));
  const QRect panel(image.width() / 2, image.height() / 2, image.width() / 2, image.height() / 2);
  EXPECT_GE(Contrast(InkWithin(image, panel, background), background), model::kReadableContrast);
}

// Saved and copied images are drawn as on paper whatever the desktop's palette.
TEST_F(GraphThemeTest, InADarkPaletteImagesStayBlackOnWhite) {
  QApplication::setPalette(DarkPalette());
  Start();
  GraphPage& page = ShowGraph(ui::kNetWorthFolder);
  const QImage image = page.Image();
  EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::white));
  const graphs::ChartGeometry& chart = page.painted().chart;
  EXPECT_LT(image.pixelColor(chart.x0, chart.y0 - chart.height / 2).lightness(), 64);  // the axis
}

// Chart texts grow with the desktop font, and none leaves the page or runs into another.
void ExpectTextsFit(const std::vector<TextBox>& texts, const QRect& page) {
  ASSERT_GT(texts.size(), 10u);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_TRUE(page.contains(texts[i].box)) << texts[i].text;
    for (std::size_t j = i + 1; j < texts.size(); ++j) {
      EXPECT_FALSE(texts[i].box.intersects(texts[j].box))
          << texts[i].text << " runs into " << texts[j].text;
    }
  }
}

TEST_F(GraphThemeTest, WithAFontHalfAgainAsLargeTheChartTextsGrowAndFit) {
  Start();
  const int usual = ShowGraph(ui::kNetWorthFolder).painted().chart.line_height;
  window_.reset();
  ScaleFont(1.5);
  Start(false);  // the same plan, named in the start-up file
  for (int folder : {ui::kNetWorthFolder, ui::kNetWorthFolder + 1, ui::kSummaryFolder}) {
    GraphPage& page = ShowGraph(folder);
    if (folder == ui::kNetWorthFolder) EXPECT_GE(page.painted().chart.line_height, usual * 4 / 3);
    ExpectTextsFit(PaintedTexts(page), page.rect());
  }
}

}  // namespace
}  // namespace tarvel::app
