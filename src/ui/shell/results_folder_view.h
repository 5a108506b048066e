// What the results folder asks of the page on screen: the rows it draws (already split into
// cells and coloured), the scroll position, the "Go To" edit and the two check boxes.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "results/line_class.h"

namespace tarvel::ui {

enum class RowKind {
  Summary,          // eight cells under the eight columns, ruled above and below
  PurchasingPower,  // a label in column 6 and the amount in column 7, ruled like a summary
  Text,             // one left-aligned text from column 1 onwards
};

// One list row as the page draws it. Texts are Windows-1252; colours are 0x00BBGGRR.
struct ResultsRow {
  RowKind kind = RowKind::Text;
  std::array<std::string, results::kSummaryCells> cells;  // Summary: all; PurchasingPower: 6, 7
  std::string text;                                       // Text
  std::uint32_t text_colour = 0;
  std::uint32_t background = 0xFFFFFF;  // when the row is not selected
};

enum class RowPlacement {
  Visible,  // scrolled only as far as needed
  AtTop,    // the row becomes the first one in view
};

class ResultsFolderView {
 public:
  virtual ~ResultsFolderView() = default;

  // The rows changed: forget what was shown and ask the presenter again.
  virtual void ReloadRows() = 0;
  virtual void ScrollToRow(int row, RowPlacement placement) = 0;
  virtual std::string GoToText() const = 0;
  virtual void SetGoToText(const std::string& text) = 0;
  virtual void SetDetailedChecked(bool checked) = 0;
  virtual void SetShowAccountsChecked(bool checked) = 0;
};

}  // namespace tarvel::ui
