// How the results list recognises and lays out a schedule line: its class, the red-flag
// colouring, the eight cells of a yearly summary row, the purchasing-power row's two cells,
// and the lightened band colour of odd rows.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvel::results {

enum class LineClass {
  HeadingMarker,    // begins with "??": not shown, two empty lines before it in files
  Separator,        // contains "------": not shown in the list
  SummaryRow,       // first character a digit 1 to 9: eight cells
  PurchasingPower,  // contains "Purchasing Power": two cells
  RedFlag,          // contains a red-flag phrase
  Negative,         // a currency symbol directly followed by "-"
  Other,
};

inline constexpr int kSummaryCells = 8;

// The class that decides how a line is shown; the first matching class in the order above.
LineClass ClassifyLine(std::string_view text, char currency_symbol);

// Contains one of the red-flag phrases ("withdrawal account" counts only with "depleted").
bool IsRedFlagLine(std::string_view text);
// Does not begin with a blank or "-", and shows the currency symbol directly followed by "-".
bool IsNegativeLine(std::string_view text, char currency_symbol);
// Drawn in the red-flag colour: a red-flag line or a negative line, whatever its layout.
bool UsesRedFlagColour(std::string_view text, char currency_symbol);

// The cells of a yearly summary row: blanks and tabs before each cell are skipped and a cell
// runs up to the next blank or tab. Missing cells are empty.
std::array<std::string, kSummaryCells> SplitSummaryRow(std::string_view text);

struct PurchasingPowerCells {
  std::string label;  // column 6: "Net Worth in Age 45.00 Purchasing Power"
  std::string value;  // column 7: the text from the first currency symbol to the end
};
PurchasingPowerCells SplitPurchasingPowerRow(std::string_view text, float start_age,
                                             char currency_symbol);

// The band brush of odd rows: each channel of a 0x00BBGGRR colour is raised by a third of
// the smallest headroom, so the band stays the same hue but lighter. A colour with a channel
// of 0 or 255 is used unchanged.
std::uint32_t LightenBandColour(std::uint32_t colour);

}  // namespace tarvel::results
