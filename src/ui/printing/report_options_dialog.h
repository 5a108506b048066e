// The report options ("options", "Reports Options"): the three title lines and whether each
// is printed, colour banding, rectangle boxing and column lines, small graphs above report
// tables, the logo, banner and watermark pictures, and the "Fonts" button for the printer
// font. OK stores the options in the scenario.
#pragma once

#include <functional>
#include <optional>

#include "model/records.h"
#include "model/report_options.h"
#include "ui/shell/dialog_template.h"

namespace tarvel::ui {

namespace report_options_controls {
inline constexpr int kTitle1 = 101;      // 101..103: the check boxes "Title 1" to "Title 3"
inline constexpr int kTitleText1 = 111;  // 111..113: their texts
inline constexpr int kBanding = 121;
inline constexpr int kBoxing = 122;
inline constexpr int kColumns = 123;
inline constexpr int kReportGraphs = 124;
inline constexpr int kLogo = 125;
inline constexpr int kBanner = 126;
inline constexpr int kWatermark = 127;
inline constexpr int kFonts = 130;
}  // namespace report_options_controls

DialogTemplate ReportOptionsTemplate();

// The printer font chooser: a font of 6 to 78 points, or nothing when cancelled.
using PrinterFontChooser =
    std::function<std::optional<model::PrinterFontChoice>(const model::PrinterFontChoice&)>;

class ReportOptionsDialog : public DialogPresenter {
 public:
  ReportOptionsDialog(model::Scenario& scenario, PrinterFontChooser choose_font)
      : scenario_(scenario), choose_font_(std::move(choose_font)) {}
  void Initialise(platform::DialogView& view) override;
  void Command(platform::DialogView& view, int control) override;
  // True when OK stored the options or a font was chosen.
  bool changed() const { return changed_; }

 private:
  model::Scenario& scenario_;
  PrinterFontChooser choose_font_;
  bool changed_ = false;
};

}  // namespace tarvel::ui
