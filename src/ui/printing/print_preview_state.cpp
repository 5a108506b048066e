// Zoom and paging of the print preview.
#include "ui/printing/print_preview_state.h"

#include <algorithm>
#include <cstdio>

namespace tarvel::ui {

void PrintPreviewState::ZoomIn() { zoom_ = std::min(zoom_ + 1, kLargestZoom); }

void PrintPreviewState::ZoomOut() {
  zoom_ = std::max(zoom_ - 1, kSmallestZoom);
  if (zoom_ == kSmallestZoom) ScrollTo(0, 0);
}

void PrintPreviewState::FitToPage() {
  zoom_ = kSmallestZoom;
  ScrollTo(0, 0);
}

void PrintPreviewState::NextPage() {
  if (CanGoForward()) ++page_;
}

void PrintPreviewState::PreviousPage() {
  if (CanGoBack()) --page_;
}

void PrintPreviewState::ScrollLines(int lines) {
  ScrollTo(scroll_x_, scroll_y_ + lines * kPreviewScrollStep);
}

void PrintPreviewState::ScrollTo(int x, int y) {
  scroll_x_ = std::max(0, x);
  scroll_y_ = std::max(0, y);
}

std::string PrintPreviewState::StatusText() const {
  char text[64];
  if (page_ == 0) {
    std::snprintf(text, sizeof text, "Title page");
  } else {
    std::snprintf(text, sizeof text, "Page %d of %d", page_, last_page_);
  }
  std::string status = text;
  if (zoom_ == kSmallestZoom) return status + "   Fit";
  std::snprintf(text, sizeof text, "   %d%%", static_cast<int>(Magnification() * 100 + 0.5));
  return status + text;
}

}  // namespace tarvel::ui
