// Report options to and from their places in the report header and window blocks.
#include "model/report_options.h"

#include <algorithm>
#include <cmath>

namespace tarvel::model {
namespace {

constexpr int kDisplayOptionsOffset = 40;
constexpr int kScreenDpi = 96;
constexpr int kPointsPerInch = 72;

std::int32_t& Flag(Scenario& scenario, int offset) {
  return scenario.window.display_options[(offset - kDisplayOptionsOffset) / 4];
}
bool Flag(const Scenario& scenario, int offset) {
  return scenario.window.display_options[(offset - kDisplayOptionsOffset) / 4] != 0;
}

struct FlagPlace {
  int offset;
  bool ReportOptions::*member;
};

constexpr FlagPlace kFlags[] = {
    {kBandingOptionOffset, &ReportOptions::banding},
    {kBoxingOptionOffset, &ReportOptions::boxing},
    {kColumnsOptionOffset, &ReportOptions::columns},
    {kReportGraphsOptionOffset, &ReportOptions::report_graphs},
    {kLogoOptionOffset, &ReportOptions::logo},
    {kBannerOptionOffset, &ReportOptions::banner},
    {kWatermarkOptionOffset, &ReportOptions::watermark},
};

int ClampPoints(int points) {
  return std::clamp(points, kSmallestPrinterPoints, kLargestPrinterPoints);
}

}  // namespace

ReportOptions ReadReportOptions(const Scenario& scenario) {
  ReportOptions options;
  for (int line = 0; line < kReportTitleLines; ++line) {
    options.use_title[line] = scenario.report_headers.print[line] == 1;
    options.titles[line] =
        std::string(scenario.report_headers.lines[line].view().substr(0, kReportTitleLength));
  }
  for (const FlagPlace& place : kFlags) options.*place.member = Flag(scenario, place.offset);
  return options;
}

void StoreReportOptions(const ReportOptions& options, Scenario& scenario) {
  for (int line = 0; line < kReportTitleLines; ++line) {
    scenario.report_headers.print[line] = options.use_title[line] ? 1 : 0;
    scenario.report_headers.lines[line].assign(
        std::string_view(options.titles[line]).substr(0, kReportTitleLength));
  }
  for (const FlagPlace& place : kFlags) Flag(scenario, place.offset) = options.*place.member;
}

PrinterFontChoice ReadPrinterFont(const Scenario& scenario) {
  const LogFont& stored = scenario.report_fonts[0];
  PrinterFontChoice font;
  font.face = stored.face_name.str();
  const int pixels = std::abs(stored.height);
  font.points = pixels == 0 ? kDefaultPrinterPoints
                            : ClampPoints(static_cast<int>(std::lround(
                                  static_cast<double>(pixels) * kPointsPerInch / kScreenDpi)));
  font.weight = stored.weight == 0 ? 400 : std::clamp(stored.weight, 100, 900);
  font.italic = stored.italic != 0;
  return font;
}

void StorePrinterFont(const PrinterFontChoice& font, Scenario& scenario) {
  LogFont& stored = scenario.report_fonts[0];
  const int points = ClampPoints(font.points);
  stored.height = -static_cast<std::int32_t>(
      std::lround(static_cast<double>(points) * kScreenDpi / kPointsPerInch));
  stored.width = 0;
  stored.weight = font.weight;
  stored.italic = font.italic ? 1 : 0;
  stored.face_name.assign(font.face);
}

}  // namespace tarvel::model
