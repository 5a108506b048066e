// Recognising schedule lines by their text for the results list: classes, red-flag colour,
// summary-row cells and the band colour.
#include "results/line_class.h"

#include <algorithm>
#include <cstdio>

namespace tarvel::results {
namespace {

constexpr std::array<std::string_view, 11> kRedFlagPhrases = {
    "Red flags",        "you must select a",  "withdrawal was not made",      "penalty was imposed",
    "Penalties Paid =", "A penalty was paid", "Minimum age for withdrawal",   "were depleted",
    "not transferred",  "insufficient funds", "Your net worth went negative",
};

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

bool IsRedFlagLine(std::string_view text) {
  if (Contains(text, "withdrawal account") && Contains(text, "depleted")) return true;
  return std::any_of(kRedFlagPhrases.begin(), kRedFlagPhrases.end(),
                     [&](std::string_view phrase) { return Contains(text, phrase); });
}

bool IsNegativeLine(std::string_view text, char currency_symbol) {
  if (text.empty() || text.front() == ' ' || text.front() == '-') return false;
  const char negative[] = {currency_symbol, '-'};
  return Contains(text, std::string_view(negative, 2));
}

bool UsesRedFlagColour(std::string_view text, char currency_symbol) {
  return IsRedFlagLine(text) || IsNegativeLine(text, currency_symbol);
}

LineClass ClassifyLine(std::string_view text, char currency_symbol) {
  if (text.starts_with("??")) return LineClass::HeadingMarker;
  if (Contains(text, "------")) return LineClass::Separator;
  if (!text.empty() && text.front() >= '1' && text.front() <= '9') return LineClass::SummaryRow;
  if (Contains(text, "Purchasing Power")) return LineClass::PurchasingPower;
  if (IsRedFlagLine(text)) return LineClass::RedFlag;
  if (IsNegativeLine(text, currency_symbol)) return LineClass::Negative;
  return LineClass::Other;
}

std::array<std::string, kSummaryCells> SplitSummaryRow(std::string_view text) {
  std::array<std::string, kSummaryCells> cells;
  std::size_t position = 0;
  for (std::string& cell : cells) {
    while (position < text.size() && IsBlank(text[position])) ++position;
    const std::size_t begin = position;
    while (position < text.size() && !IsBlank(text[position])) ++position;
    cell.assign(text.substr(begin, position - begin));
  }
  return cells;
}

PurchasingPowerCells SplitPurchasingPowerRow(std::string_view text, float start_age,
                                             char currency_symbol) {
  PurchasingPowerCells cells;
  char label[80];
  std::snprintf(label, sizeof label, "Net Worth in Age %-5.2f Purchasing Power", start_age);
  cells.label = label;
  const std::size_t symbol = text.find(currency_symbol);
  if (symbol != std::string_view::npos) cells.value.assign(text.substr(symbol));
  return cells;
}

std::uint32_t LightenBandColour(std::uint32_t colour) {
  std::array<std::uint32_t, 3> channels = {colour & 0xFF, (colour >> 8) & 0xFF,
                                           (colour >> 16) & 0xFF};
  std::uint32_t headroom = 256;
  for (std::uint32_t channel : channels) headroom = std::min(headroom, (256 - channel) % 256);
  if (headroom == 0) return colour;
  const std::uint32_t step = (headroom - 1) / 3;
  for (std::uint32_t& channel : channels) channel += step;
  return channels[0] | (channels[1] << 8) | (channels[2] << 16);
}

}  // namespace tarvel::results
