// Program-wide state that is not part of the scenario: the open and save names, the program
// colours, the start-up file's values, the recent files, the working directory, the
// currency, the page margins and the window preferences. The shell owns exactly one.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "model/calculator_inputs.h"
#include "model/money_format.h"
#include "model/records.h"
#include "model/scenario_file_claim.h"
#include "model/working_file_names.h"

namespace tarvel::model {

inline constexpr int kRecentFileCount = 6;
// Longest name a recent-file entry or the start-up file's first line holds.
inline constexpr std::size_t kMaxFileNameLength = 263;

// Page margins, thousandths of an inch: left, top, right, bottom.
struct PageMargins {
  std::int32_t left = 1000;
  std::int32_t top = 1000;
  std::int32_t right = 500;
  std::int32_t bottom = 1000;
};

// Margins converted to screen pixels (dots per inch x value x 0.001, truncated).
struct MarginPixels {
  int left = 96;
  int top = 96;
  int right = 48;
  int bottom = 96;
};

// Main window position and size, pixels.
struct WindowGeometry {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// The values of the start-up file's second line besides its meaning for working names.
struct StartupValues {
  float counter = 0;               // working-file counter used during this program run
  std::array<float, 7> carried{};  // written back exactly as read
  int carried_flag = 0;
};

struct Program {
  std::string open_name = kFallbackScenarioName;  // shown in the window title
  std::string save_name = kFallbackScenarioName;  // the file Save writes
  // Where the start-up, preferences, colours and working files live; relative scenario
  // names are taken relative to it.
  std::string working_directory = ".";

  std::array<std::uint32_t, kColourCount> colours = kDefaultColours;
  std::array<std::string, kRecentFileCount> recent_files{};
  StartupValues startup;
  Currency currency;

  int screen_dpi_x = 96;
  int screen_dpi_y = 96;
  PageMargins margins;
  MarginPixels margin_pixels;
  std::int32_t print_option = 1;

  // Window block offsets 8..24: three preference values restored with a scenario, the
  // colour-banding switch and the "Do not show" switch of the maker's page.
  std::int32_t preference_8 = 0;
  std::int32_t colour_banding = 0;
  std::int32_t preference_16 = 0;
  std::int32_t hide_maker_page = 0;
  std::int32_t preference_24 = 0;
  bool toolbar_visible = true;
  WindowGeometry window;

  bool show_purchasing_power = false;  // net worth in today's purchasing power
  std::int16_t birth_month = 0;
  std::int16_t birth_day = 0;

  // This planner's claim on the open scenario file (nothing when another planner has it).
  std::shared_ptr<const ScenarioFileClaim> scenario_claim;

  // Whether a save keeps the previous version as "NAME.ret.bak"; the planner options file
  // can turn it off.
  bool keep_backups = true;
  // The folder the last printed PDF file went to (planner options file); empty before one.
  std::string print_folder;

  // The calculators' last inputs, kept while the program runs.
  CalculatorInputs calculators;
};

}  // namespace tarvel::model
