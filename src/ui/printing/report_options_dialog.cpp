// The report options dialog over the scenario's stored options.
#include "ui/printing/report_options_dialog.h"

namespace tarvel::ui {
namespace {

using namespace report_options_controls;

struct FlagControl {
  int id;
  const char* label;
  bool model::ReportOptions::*member;
};

constexpr FlagControl kFlagControls[] = {
    {kBanding, "Use color banding on reports", &model::ReportOptions::banding},
    {kBoxing, "Use rectangle boxing on reports", &model::ReportOptions::boxing},
    {kColumns, "Use columns on reports", &model::ReportOptions::columns},
    {kReportGraphs, "Print graphs above report tables", &model::ReportOptions::report_graphs},
    {kLogo, "Print the logo in page headers", &model::ReportOptions::logo},
    {kBanner, "Print the banner across the top of pages", &model::ReportOptions::banner},
    {kWatermark, "Print the watermark behind pages", &model::ReportOptions::watermark},
};

}  // namespace

DialogTemplate ReportOptionsTemplate() {
  DialogTemplate dialog{"options", "Reports Options", {}};
  for (int line = 0; line < model::kReportTitleLines; ++line) {
    dialog.controls.push_back(MakeControl(kTitle1 + line, ControlKind::CheckBox,
                                          "Title " + std::to_string(line + 1), line, 0));
    dialog.controls.push_back(
        MakeEdit(kTitleText1 + line, line, 1, static_cast<int>(model::kReportTitleLength), 2));
  }
  int row = model::kReportTitleLines;
  for (const FlagControl& flag : kFlagControls) {
    dialog.controls.push_back(MakeControl(flag.id, ControlKind::CheckBox, flag.label, row++, 0, 3));
  }
  dialog.controls.push_back(MakeControl(kIdOk, ControlKind::DefaultButton, "OK"));
  dialog.controls.push_back(MakeControl(kIdCancel, ControlKind::PushButton, "Cancel"));
  dialog.controls.push_back(MakeControl(kFonts, ControlKind::PushButton, "Fonts"));
  return dialog;
}

void ReportOptionsDialog::Initialise(platform::DialogView& view) {
  const model::ReportOptions options = model::ReadReportOptions(scenario_);
  for (int line = 0; line < model::kReportTitleLines; ++line) {
    view.SetChecked(kTitle1 + line, options.use_title[line]);
    view.SetText(kTitleText1 + line, options.titles[line]);
  }
  for (const FlagControl& flag : kFlagControls) view.SetChecked(flag.id, options.*flag.member);
}

void ReportOptionsDialog::Command(platform::DialogView& view, int control) {
  if (control == kFonts) {
    if (!choose_font_) return;
    if (const auto font = choose_font_(model::ReadPrinterFont(scenario_))) {
      model::StorePrinterFont(*font, scenario_);
      scenario_.modified = true;
      changed_ = true;
    }
    return;
  }
  if (control == kIdCancel) {
    view.Close(kIdCancel);
    return;
  }
  if (control != kIdOk) return;
  model::ReportOptions options;
  for (int line = 0; line < model::kReportTitleLines; ++line) {
    options.use_title[line] = view.Checked(kTitle1 + line);
    options.titles[line] = view.Text(kTitleText1 + line).substr(0, model::kReportTitleLength);
  }
  for (const FlagControl& flag : kFlagControls) options.*flag.member = view.Checked(flag.id);
  if (!(options == model::ReadReportOptions(scenario_))) {
    model::StoreReportOptions(options, scenario_);
    scenario_.modified = true;
  }
  changed_ = true;
  view.Close(kIdOk);
}

}  // namespace tarvel::ui
