// Device measures of a printed page: its margins, its font, and the header's date and time.
#include "results/print_look.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "engine/data_folders.h"

namespace tarvel::results {
namespace {

constexpr int kPointsPerInch = 72;
// The planner's fixed-pitch face when the scenario names none.
constexpr char kDefaultFace[] = "Courier";

int Pixels(int dpi, std::int32_t thousandths) {
  return static_cast<int>(dpi * static_cast<double>(std::max(0, thousandths)) * 0.001);
}

constexpr std::size_t kRedFlagColourIndex = 14;
constexpr std::size_t kBandColourIndex = 15;

// Three quarters of the way to white: rows stay readable and the ink light.
platform::Colour PaperBand(std::uint32_t colour) {
  const auto lighten = [](int channel) { return channel + (255 - channel) * 3 / 4; };
  return platform::Rgb(static_cast<std::uint8_t>(lighten(platform::RedOf(colour))),
                       static_cast<std::uint8_t>(lighten(platform::GreenOf(colour))),
                       static_cast<std::uint8_t>(lighten(platform::BlueOf(colour))));
}

std::string Picture(const std::vector<std::filesystem::path>& folders, const char* name) {
  return engine::FindDataFile(folders, std::string("pictures/") + name).string();
}

}  // namespace

PrintLook PrintLookOf(const model::Scenario& scenario, const std::string& file_name,
                      const platform::Clock& clock,
                      const std::vector<std::filesystem::path>& data_folders) {
  PrintLook look;
  look.options = model::ReadReportOptions(scenario);
  look.font = model::ReadPrinterFont(scenario);
  const auto& colours = scenario.colours.colours;
  const std::uint32_t band = colours[kBandColourIndex];
  look.band_colour = PaperBand(band == 0 ? model::kScrollBarColour : band);
  look.red_flag_colour = colours[kRedFlagColourIndex];
  look.colours = colours;
  look.setup.margin_left = scenario.window.margin_left;
  look.setup.margin_top = scenario.window.margin_top;
  look.setup.margin_right = scenario.window.margin_right;
  look.setup.margin_bottom = scenario.window.margin_bottom;
  look.file_name = file_name;
  look.date = clock.Today();
  look.time = clock.Now();
  look.pictures = {Picture(data_folders, "banner.png"), Picture(data_folders, "logo.png"),
                   Picture(data_folders, "wmark.png")};
  return look;
}

platform::Rect PrintableArea(const platform::Canvas& canvas, const platform::PageSetup& setup) {
  const platform::Size size = canvas.DeviceSize();
  const platform::Resolution dpi = canvas.PixelsPerInch();
  platform::Rect area{Pixels(dpi.x, setup.margin_left), Pixels(dpi.y, setup.margin_top),
                      size.width - Pixels(dpi.x, setup.margin_right),
                      size.height - Pixels(dpi.y, setup.margin_bottom)};
  // Margins wider than the paper leave the whole page.
  if (area.Width() < size.width / 4 || area.Height() < size.height / 4) {
    area = {0, 0, size.width, size.height};
  }
  return area;
}

platform::Font BodyFont(const platform::Canvas& canvas, const model::PrinterFontChoice& font) {
  const int dpi = std::max(1, canvas.PixelsPerInch().y);
  const int points =
      std::clamp(font.points, model::kSmallestPrinterPoints, model::kLargestPrinterPoints);
  return platform::Font(font.face.empty() ? kDefaultFace : font.face,
                        -std::max(1, points * dpi / kPointsPerInch), font.weight, font.italic);
}

std::string HeaderDate(const platform::Date& date) {
  static constexpr std::array<const char*, 12> kMonths = {
      "January", "February", "March",     "April",   "May",      "June",
      "July",    "August",   "September", "October", "November", "December"};
  const char* month = kMonths[static_cast<std::size_t>(std::clamp(date.month, 1, 12) - 1)];
  char text[48];
  std::snprintf(text, sizeof text, "%s %d, %d", month, date.day, date.year);
  return text;
}

std::string HeaderTime(const platform::TimeOfDay& time) {
  const int hour = time.hour % 12 == 0 ? 12 : time.hour % 12;
  char text[32];
  std::snprintf(text, sizeof text, "%d:%02d:%02d %s ", hour, time.minute, time.second,
                time.hour < 12 ? "AM" : "PM");
  return text;
}

}  // namespace tarvel::results
