// Rows of tab-separated cells on a printed page: column places across the printable width,
// left-aligned first cells and right-aligned amounts, with banding, boxing and column lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/canvas.h"
#include "results/print_look.h"

namespace tarvel::results {

// Splits a page line at tabs into cells trimmed of spaces.
std::vector<std::string> SplitCells(std::string_view line);

// Column edges for rows of up to count cells across the area: the first column is narrower
// (an age) unless its labels need first_width (at most a third of the area), the others
// share the rest evenly. Edges has count + 1 entries.
std::vector<int> ColumnEdges(const platform::Rect& area, int count, int first_width = 0);

// The font made smaller, when needed, so the widest cell of the tab-separated lines fits
// every column between the edges.
platform::Font FitFontToColumns(const platform::Canvas& canvas, const platform::Font& font,
                                const std::vector<std::string>& lines,
                                const std::vector<int>& edges);

enum class CellAlign { Amounts, Centred };

struct TableRow {
  std::vector<std::string> cells;
  int top = 0;
  int height = 0;
  bool banded = false;  // this row is one of the banded ones
  CellAlign align = CellAlign::Amounts;
  platform::Colour colour = platform::kBlack;
};

// Draws one row between the area's sides with the report options' banding, boxing and
// column lines. A centred title too wide for its column is wrapped onto two smaller lines.
void DrawTableRow(platform::Canvas& canvas, const platform::Rect& area,
                  const std::vector<int>& edges, const TableRow& row, const platform::Font& font,
                  const PrintLook& look);

// True when a centred title of the row is too wide for its column in the font.
bool TitlesNeedTwoLines(const platform::Canvas& canvas, const std::vector<int>& edges,
                        const std::vector<std::string>& cells, const platform::Font& font);

// A horizontal rule across the area at y (with boxing a thin box).
void DrawRule(platform::Canvas& canvas, const platform::Rect& area, int y, const PrintLook& look);

}  // namespace tarvel::results
