// The report options kept with a scenario: the three title lines, banding, boxing, column
// lines, small graphs above report tables, the logo, banner and watermark pictures, and the
// printer font. Each has a fixed place in the scenario's blocks; 0 means off, so scenarios
// written before the option existed read with it off.
#pragma once

#include <array>
#include <string>

#include "model/records.h"

namespace tarvel::model {

inline constexpr int kReportTitleLines = 3;
inline constexpr std::size_t kReportTitleLength = 39;  // characters the dialog keeps

// Places in the window and page setup block's display options (byte offsets 40..123), each
// a 32-bit flag: 1 on, 0 off.
inline constexpr int kBandingOptionOffset = 40;
inline constexpr int kBoxingOptionOffset = 44;
inline constexpr int kColumnsOptionOffset = 48;
inline constexpr int kReportGraphsOptionOffset = 52;
inline constexpr int kLogoOptionOffset = 56;
inline constexpr int kBannerOptionOffset = 60;
inline constexpr int kWatermarkOptionOffset = 64;

struct ReportOptions {
  std::array<bool, kReportTitleLines> use_title{};
  std::array<std::string, kReportTitleLines> titles{};  // Windows-1252, at most 39 characters
  bool banding = false;
  bool boxing = false;
  bool columns = false;
  bool report_graphs = false;
  bool logo = false;
  bool banner = false;
  bool watermark = false;

  bool operator==(const ReportOptions&) const = default;
};

ReportOptions ReadReportOptions(const Scenario& scenario);
// Stores every option; title texts are cut to 39 characters.
void StoreReportOptions(const ReportOptions& options, Scenario& scenario);

// The printer font is report font 1, sized in points. A stored negative height is a
// character height in pixels at 96 dots per inch, a positive one a cell height; both give
// points clamped to 6..78, and 0 gives 10 points.
inline constexpr int kSmallestPrinterPoints = 6;
inline constexpr int kLargestPrinterPoints = 78;
inline constexpr int kDefaultPrinterPoints = 10;

struct PrinterFontChoice {
  std::string face;  // empty: the planner's own fixed-pitch face
  int points = kDefaultPrinterPoints;
  int weight = 400;
  bool italic = false;
};

PrinterFontChoice ReadPrinterFont(const Scenario& scenario);
// Stores the font as report font 1 (height in pixels at 96 dots per inch, negative).
void StorePrinterFont(const PrinterFontChoice& font, Scenario& scenario);

}  // namespace tarvel::model
