// The print preview's state: the page shown, the zoom level 1..8 and the scroll position.
// A left click on the page zooms in, a right click zooms out; at level 1 the page fits the
// window and the scroll position returns to the top left.
#pragma once

#include <string>

namespace tarvel::ui {

inline constexpr int kSmallestZoom = 1;
inline constexpr int kLargestZoom = 8;
// Pixels the page moves for one step of the vertical scroll bar.
inline constexpr int kPreviewScrollStep = 80;

class PrintPreviewState {
 public:
  // Pages first_page..last_page (0 is the title page when the document has one).
  PrintPreviewState(int first_page, int last_page)
      : first_page_(first_page),
        last_page_(last_page < first_page ? first_page : last_page),
        page_(first_page) {}

  int page() const { return page_; }
  int zoom() const { return zoom_; }
  int scroll_x() const { return scroll_x_; }
  int scroll_y() const { return scroll_y_; }
  bool CanGoBack() const { return page_ > first_page_; }
  bool CanGoForward() const { return page_ < last_page_; }

  void ZoomIn();   // left click, "+"
  void ZoomOut();  // right click, "-"
  void FitToPage();
  void NextPage();      // ">>"
  void PreviousPage();  // "<<"
  // Scroll by whole steps; never above or left of the page's corner.
  void ScrollLines(int lines);
  void ScrollTo(int x, int y);

  // How much larger than the page fitted into the window it is drawn: 1 at level 1, then
  // half as much again at each level (4.5 at level 8).
  double Magnification() const { return 1.0 + 0.5 * (zoom_ - 1); }
  // Beside the buttons: "Title page" or "Page 2 of 5", then the zoom ("Fit", "150%").
  std::string StatusText() const;

 private:
  int first_page_;
  int last_page_;
  int page_;
  int zoom_ = kSmallestZoom;
  int scroll_x_ = 0;
  int scroll_y_ = 0;
};

}  // namespace tarvel::ui
