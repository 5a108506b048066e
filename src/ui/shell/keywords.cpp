// Reads the start-up keywords out of the command line.
#include "ui/shell/keywords.h"

#include "results/line_class.h"

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
  return results::LightenBandColour(colour);
}

}  // namespace tarvel::ui
