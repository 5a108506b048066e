// What every printed page of a job shares: the report options, the page-setup margins, the
// printer font, the colours, the file name and the moment printed, and the pictures.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "model/money_format.h"
#include "model/records.h"
#include "model/report_options.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/printer.h"

namespace tarvel::results {

// The picture files of the banner, logo and watermark options; an empty path draws nothing.
struct PrintPictures {
  std::string banner;
  std::string logo;
  std::string watermark;
};

struct PrintLook {
  model::ReportOptions options;
  model::PrinterFontChoice font;
  platform::PageSetup setup;  // margins in thousandths of an inch
  platform::Colour band_colour = 0xE0E0E0;
  platform::Colour red_flag_colour = 0x6400C8;
  std::array<platform::Colour, model::kColourCount> colours = model::kDefaultColours;  // charts
  model::Currency currency;  // the value labels of the charts
  std::string file_name;     // the scenario's file name, shown in the header block
  platform::Date date;
  platform::TimeOfDay time;
  PrintPictures pictures;
  bool page_of_total = false;  // "Page n of N" in the footer (saved PDF files)
};

// The area inside the page-setup margins, in device pixels (margin x dots per inch x 0.001).
platform::Rect PrintableArea(const platform::Canvas& canvas, const platform::PageSetup& setup);

// The printer font at the device's resolution.
platform::Font BodyFont(const platform::Canvas& canvas, const model::PrinterFontChoice& font);

// The header date "%s %d, %d" ("December 7, 2026") and time "%d:%02d:%02d %s " ("3:04:09 PM ").
std::string HeaderDate(const platform::Date& date);
std::string HeaderTime(const platform::TimeOfDay& time);

// The look a scenario asks for: its report options, printer font and colours (the band
// colour lightened for paper, the red-flag colour), the pictures found in the data folders
// ("pictures/banner.png", "pictures/logo.png", "pictures/wmark.png"), and the clock's moment.
PrintLook PrintLookOf(const model::Scenario& scenario, const std::string& file_name,
                      const platform::Clock& clock,
                      const std::vector<std::filesystem::path>& data_folders);

}  // namespace tarvel::results
