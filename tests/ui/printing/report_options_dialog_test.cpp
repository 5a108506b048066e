#include "ui/printing/report_options_dialog.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/scenario_ops.h"
#include "support/fake_dialog_view.h"

namespace tarvel::ui {
namespace {

using namespace report_options_controls;

TEST(ReportOptionsDialog, ShowsTheStoredOptionsAndOkStoresWhatWasChanged) {
  auto scenario = std::make_unique<model::Scenario>();
  model::ClearScenario(*scenario);
  model::ReportOptions stored;
  stored.use_title[1] = true;
  stored.titles[1] = "Plan B";
  stored.boxing = true;
  model::StoreReportOptions(stored, *scenario);

  ReportOptionsDialog dialog(*scenario, nullptr);
  test_support::FakeDialogView view;
  dialog.Initialise(view);
  EXPECT_TRUE(view.checks[kTitle1 + 1]);
  EXPECT_EQ(view.texts[kTitleText1 + 1], "Plan B");
  EXPECT_TRUE(view.checks[kBoxing]);
  EXPECT_FALSE(view.checks[kBanding]);

  view.checks[kTitle1] = true;
  view.texts[kTitleText1] = std::string(45, 'A');
  view.checks[kBoxing] = false;
  view.checks[kBanding] = view.checks[kWatermark] = true;
  dialog.Command(view, kIdOk);

  EXPECT_EQ(view.result, kIdOk);
  EXPECT_TRUE(scenario->modified);
  const model::ReportOptions read = model::ReadReportOptions(*scenario);
  EXPECT_TRUE(read.use_title[0]);
  EXPECT_EQ(read.titles[0], std::string(39, 'A'));
  EXPECT_EQ(read.titles[1], "Plan B");
  EXPECT_TRUE(read.banding && read.watermark);
  EXPECT_FALSE(read.boxing || read.columns || read.logo || read.banner);
}

TEST(ReportOptionsDialog, FontsStoresTheChosenPrinterFontAndCancelStoresNothing) {
  auto scenario = std::make_unique<model::Scenario>();
  model::ClearScenario(*scenario);
  model::PrinterFontChoice offered;
  ReportOptionsDialog dialog(*scenario, [&](const model::PrinterFontChoice& current) {
    offered = current;
    return std::optional<model::PrinterFontChoice>({"DejaVu Sans Mono", 12, 400, false});
  });
  test_support::FakeDialogView view;
  dialog.Initialise(view);
  view.checks[kColumns] = true;
  dialog.Command(view, kFonts);
  dialog.Command(view, kIdCancel);

  EXPECT_EQ(offered.points, model::kDefaultPrinterPoints);
  EXPECT_EQ(model::ReadPrinterFont(*scenario).face, "DejaVu Sans Mono");
  EXPECT_EQ(model::ReadPrinterFont(*scenario).points, 12);
  EXPECT_FALSE(model::ReadReportOptions(*scenario).columns);
  EXPECT_EQ(view.result, kIdCancel);
}

}  // namespace
}  // namespace tarvel::ui
