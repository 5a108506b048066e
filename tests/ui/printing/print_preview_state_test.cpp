#include "ui/printing/print_preview_state.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvel::ui {
namespace {

// Plays clicks and buttons: L left click, R right click, + - F (fit), > and < (pages),
// D (scroll a line down).
PrintPreviewState Play(const std::string& keys) {
  PrintPreviewState state(0, 3);
  for (char key : keys) {
    switch (key) {
      case 'L':
      case '+':
        state.ZoomIn();
        break;
      case 'R':
      case '-':
        state.ZoomOut();
        break;
      case 'F':
        state.FitToPage();
        break;
      case '>':
        state.NextPage();
        break;
      case '<':
        state.PreviousPage();
        break;
      case 'D':
        state.ScrollLines(1);
        break;
    }
  }
  return state;
}

TEST(PrintPreviewState, ZoomRunsFrom1To8AndLevel1ReturnsToTheTopLeft) {
  struct Case {
    std::string keys;
    int zoom;
    int scroll_y;
    int page;
  };
  const Case cases[] = {
      {"", 1, 0, 0},
      {"L", 2, 0, 0},
      {"LLLLLLLLLL", 8, 0, 0},  // never beyond 8
      {"LLLLLLLLLLR", 7, 0, 0},
      {"RRR", 1, 0, 0},
      {"LLDD", 3, 160, 0},
      {"LLDDR", 2, 160, 0},  // zooming out keeps the place above level 1
      {"LLDDRR", 1, 0, 0},   // ... and level 1 goes back to the corner
      {"LLDDF", 1, 0, 0},
      {"+++-", 3, 0, 0},
      {">>>>>", 1, 0, 3},  // the last page stops ">>"
      {">><<<", 1, 0, 0},
  };
  for (const Case& c : cases) {
    const PrintPreviewState state = Play(c.keys);
    EXPECT_EQ(state.zoom(), c.zoom) << c.keys;
    EXPECT_EQ(state.scroll_y(), c.scroll_y) << c.keys;
    EXPECT_EQ(state.page(), c.page) << c.keys;
  }
  EXPECT_DOUBLE_EQ(Play("LLLLLLL").Magnification(), 4.5);
}

TEST(PrintPreviewState, StatusNamesThePageAndTheZoom) {
  const struct {
    std::string keys;
    std::string status;
  } cases[] = {{"", "Title page   Fit"},
               {">", "Page 1 of 3   Fit"},
               {">>>>L", "Page 3 of 3   150%"},
               {">++++++++", "Page 1 of 3   450%"},
               {">LLR-", "Page 1 of 3   Fit"}};
  for (const auto& c : cases) EXPECT_EQ(Play(c.keys).StatusText(), c.status) << c.keys;
}

}  // namespace
}  // namespace tarvel::ui
