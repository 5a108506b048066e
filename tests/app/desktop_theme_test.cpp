// The planner under the desktop's look: banded lists read in a dark palette, and with a
// larger system font the results show their amounts and the summary its legend whole.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QHeaderView>
#include <QImage>
#include <QPalette>
#include <QPushButton>
#include <QTextBrowser>
#include <QTreeWidget>
#include <algorithm>

#include "app/event_list_page.h"
#include "app/help_window.h"
#include "app/main_window_fixture.h"
#include "app/results_folder_page.h"
#include "app/results_list_model.h"
#include "app/results_list_view.h"
#include "ui/shell/band_colours.h"
#include "ui/shell/folders.h"

namespace tarvel::app {
namespace {

ui::RgbColour RgbOf(const QColor& colour) {
  return static_cast<ui::RgbColour>(colour.red() | (colour.green() << 8) | (colour.blue() << 16));
}

double Contrast(const QColor& first, const QColor& second) {
  return ui::ContrastRatio(RgbOf(first), RgbOf(second));
}

// A dark colour scheme as desktops ship them: light text on dark lists and windows.
QPalette DarkPalette() {
  QPalette palette;
  palette.setColor(QPalette::Window, QColor(49, 54, 59));
  palette.setColor(QPalette::WindowText, QColor(239, 240, 241));
  palette.setColor(QPalette::Base, QColor(35, 38, 41));
  palette.setColor(QPalette::AlternateBase, QColor(49, 54, 59));
  palette.setColor(QPalette::Text, QColor(239, 240, 241));
  palette.setColor(QPalette::Button, QColor(49, 54, 59));
  palette.setColor(QPalette::ButtonText, QColor(239, 240, 241));
  palette.setColor(QPalette::Highlight, QColor(61, 174, 233));
  palette.setColor(QPalette::HighlightedText, QColor(239, 240, 241));
  palette.setColor(QPalette::Mid, QColor(70, 76, 82));
  return palette;
}

class DesktopThemeTest : public MainWindowFixture {
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
  ResultsFolderPage& ShowResults() {
    window_->show();
    window_->SwitchFolder(ui::kResultsFolder);
    auto* page = dynamic_cast<ResultsFolderPage*>(window_->current_page());
    EXPECT_NE(page, nullptr);
    return *page;
  }

  void ExpectResultsAmountsWhole();
  void ExpectSummaryLegendWhole();

  const QPalette palette_ = QApplication::palette();
  const QFont font_ = QApplication::font();
};

// A dark scheme chosen while the planner runs recolours the Scenario folder.
TEST_F(DesktopThemeTest, InADarkPaletteEveryEventRowReads) {
  Start();
  window_->SwitchFolder(ui::kScenarioFolder);
  QApplication::setPalette(DarkPalette());
  QCoreApplication::processEvents();
  QTreeWidget* list = window_->event_list_page()->list();
  ASSERT_GE(list->topLevelItemCount(), 4);
  for (int row = 0; row < list->topLevelItemCount(); ++row) {
    const QTreeWidgetItem* item = list->topLevelItem(row);
    const QColor background = item->background(1).color();
    const QColor text = item->foreground(1).color();
    EXPECT_GE(Contrast(background, text), ui::kReadableContrast) << row;
    EXPECT_LT(background.lightness(), text.lightness()) << row;
  }
  // The bands stay apart.
  EXPECT_NE(list->topLevelItem(0)->background(1).color(),
            list->topLevelItem(1)->background(1).color());
}

// The painted results rows are dark behind the palette's light text, the bands apart.
TEST_F(DesktopThemeTest, InADarkPaletteTheResultsRowsAreDarkBands) {
  QApplication::setPalette(DarkPalette());
  Start();
  ResultsListView& list = ShowResults().list();
  const QColor text = DarkPalette().color(QPalette::Text);
  QColor previous;
  const int first_shown = list.indexAt(QPoint(4, 4)).row();
  ASSERT_GE(first_shown, 0);
  for (int row = first_shown; row < first_shown + 2; ++row) {
    const QRect rect = list.visualRect(list.model()->index(row, 0));
    const QImage image = list.viewport()->grab(rect).toImage();
    const QColor background = image.pixelColor(1, image.height() / 2);
    EXPECT_GE(Contrast(background, text), ui::kReadableContrast) << row;
    EXPECT_NE(background, previous) << row;
    previous = background;
  }
}

// The help pages' links read on a dark page, though the dark palette kept the blue of light ones.
TEST_F(DesktopThemeTest, InADarkPaletteHelpLinksRead) {
  QApplication::setPalette(DarkPalette());
  Start();
  session_->help().ShowTopic(1542);
  const QPalette shown = session_->help().window()->browser()->palette();
  EXPECT_GE(Contrast(shown.color(QPalette::Link), shown.color(QPalette::Base)),
            ui::kReadableContrast);
}

// Every amount of every yearly row fits its column, every button shows its caption.
void DesktopThemeTest::ExpectResultsAmountsWhole() {
  ResultsFolderPage& page = ShowResults();
  for (const QPushButton* button : page.findChildren<QPushButton*>()) {
    EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(button->text()))
        << button->text().toStdString();
  }
  ResultsListView& list = page.list();
  const QFontMetrics metrics = list.fontMetrics();
  int summary_rows = 0;
  for (int row = 0; row < list.model()->rowCount(); ++row) {
    const QModelIndex index = list.model()->index(row, 0);
    const auto kind = static_cast<ui::RowKind>(index.data(ResultsListModel::RowKindRole).toInt());
    if (kind != ui::RowKind::Summary) continue;
    ++summary_rows;
    const QStringList cells = index.data(ResultsListModel::CellsRole).toStringList();
    for (int column = 0; column < cells.size(); ++column) {
      EXPECT_LT(metrics.horizontalAdvance(cells[column]), list.header().sectionSize(column))
          << cells[column].toStdString() << " in column " << column;
    }
  }
  EXPECT_GT(summary_rows, 40);
}

// The summary panel's last row of its first column (the incoming total, a blue swatch) is
// drawn inside the page.
void DesktopThemeTest::ExpectSummaryLegendWhole() {
  window_->show();
  window_->SwitchFolder(ui::kSummaryFolder);
  const QImage page = window_->current_page()->grab().toImage();
  const QRect first_column(page.width() / 2, page.height() / 2, page.width() / 4,
                           page.height() / 2);
  int lowest_total = -1;
  for (int y = first_column.top(); y <= first_column.bottom(); ++y) {
    for (int x = first_column.left(); x <= first_column.right(); ++x) {
      if (page.pixelColor(x, y) == QColor(0, 0, 255)) lowest_total = y;
    }
  }
  ASSERT_GE(lowest_total, 0);
  // The swatch ends two pixels above its row's end, and the row ends inside the page.
  EXPECT_LT(lowest_total, page.height() - 3);
}

TEST_F(DesktopThemeTest, WithAFontAQuarterLargerNothingIsCut) {
  ScaleFont(1.25);
  Start();
  ExpectResultsAmountsWhole();
  ExpectSummaryLegendWhole();
}

TEST_F(DesktopThemeTest, WithAFontHalfAgainAsLargeNothingIsCut) {
  ScaleFont(1.5);
  Start();
  ExpectResultsAmountsWhole();
  ExpectSummaryLegendWhole();
}

}  // namespace
}  // namespace tarvel::app
