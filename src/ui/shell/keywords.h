// The start-up keywords of the command line and the switches they set, and the banding
// colour of lists and reports that two of them shade.
#pragma once

#include <cstdint>
#include <string_view>

#include "model/money_format.h"

namespace tarvel::ui {

struct Keywords {
  bool runs_suppressed = false;         // "NORET"
  model::Currency currency;             // "Pound", "Euro", "Yen"
  bool alternate_tab_filter = false;    // "VOSK"
  bool keep_dark_shade = true;          // cleared by "LIGHTER"
  int banding_shade = 2;                // 0 after "DARKYELLOW"
  bool summary_lines = true;            // cleared by "SUMMARY"
  bool report_preview_variant = false;  // "RPREVIEW"
};

// Each keyword counts wherever it stands in the command line, case-sensitively and as part of
// a longer word ("Pounds" holds "Pound"); a later currency overrides an earlier one.
Keywords ParseKeywords(std::string_view command_line);

// The banding colour (0x00BBGGRR) as lists and reports use it: unchanged with the dark shade
// kept at shade 0, otherwise each channel raised by a third of the smallest headroom.
std::uint32_t BandingColour(std::uint32_t colour, const Keywords& keywords);

}  // namespace tarvel::ui
