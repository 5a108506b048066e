// Reads the start-up keywords out of the command line.
#include "ui/shell/keywords.h"

#include <algorithm>

namespace tarvel::ui {
namespace {

bool Holds(std::string_view command_line, std::string_view keyword) {
  return command_line.find(keyword) != std::string_view::npos;
}

}  // namespace

Keywords ParseKeywords(std::string_view command_line) {
  Keywords keywords;
  if (Holds(command_line, "NORET")) keywords.runs_suppressed = true;
  if (Holds(command_line, "Pound")) keywords.currency = model::Currency::Pounds();
  if (Holds(command_line, "Euro")) keywords.currency = model::Currency::Euros();
  if (Holds(command_line, "Yen")) keywords.currency = model::Currency::Yen();
  if (Holds(command_line, "VOSK")) keywords.alternate_tab_filter = true;
  if (Holds(command_line, "LIGHTER")) keywords.keep_dark_shade = false;
  if (Holds(command_line, "SUMMARY")) keywords.summary_lines = false;
  if (Holds(command_line, "DARKYELLOW")) keywords.banding_shade = 0;
  if (Holds(command_line, "RPREVIEW")) keywords.report_preview_variant = true;
  return keywords;
}

std::uint32_t BandingColour(std::uint32_t colour, const Keywords& keywords) {
  if (keywords.keep_dark_shade && keywords.banding_shade == 0) return colour;
  const int red = colour & 0xFF;
  const int green = (colour >> 8) & 0xFF;
  const int blue = (colour >> 16) & 0xFF;
  const int headroom = std::min({256 - red, 256 - green, 256 - blue});
  const int raise = (headroom - 1) / 3;
  return static_cast<std::uint32_t>((red + raise) | ((green + raise) << 8) |
                                    ((blue + raise) << 16));
}

}  // namespace tarvel::ui
