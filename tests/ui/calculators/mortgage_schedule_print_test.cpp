// The mortgage calculator's Print Schedule: the schedule plotter prints to the printer, and
// without a printer it writes the PDF file the user chose in a file dialog.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "ui/calculators/mortgage_calculator_dialog.h"
#include "ui/editors/debt_editor_fixture.h"

namespace tarvel::ui {
namespace {

using test_support::FakeDialogView;

class StubPrinter : public platform::Printer {
 public:
  explicit StubPrinter(bool installed) : installed_(installed) {}
  bool PrinterInstalled() const override { return installed_; }
  std::optional<platform::PrintChoice> ChoosePrinter(const platform::PrintChoice&, int) override {
    return std::nullopt;
  }
  std::optional<platform::PageSetup> SetUpPage(const platform::PageSetup&) override {
    return std::nullopt;
  }
  std::unique_ptr<platform::PrintDocument> StartDocument(const std::string&,
                                                         const platform::PrintChoice&,
                                                         const platform::PageSetup&) override {
    return nullptr;
  }

 private:
  bool installed_;
};

class MortgageSchedulePrint : public test_support::DebtEditorTest {
 protected:
  void PressPrintSchedule() {
    MortgageCalculatorDialog dialog(services);
    FakeDialogView view;
    dialog.Initialise(view);
    view.texts[104] = "200000";
    view.texts[105] = "40000";
    view.texts[106] = "6";
    view.texts[107] = "30";
    dialog.Command(view, 114);
  }
};

TEST_F(MortgageSchedulePrint, WithoutAPrinterAsksWhereThePdfGoes) {
  StubPrinter none(false);
  services.printer = &none;
  const std::string chosen = folder.File("my schedule.pdf");
  prompter.save_choices = {chosen};
  PressPrintSchedule();
  ASSERT_EQ(prompter.save_dialogs.size(), 1u);
  EXPECT_EQ(prompter.save_dialogs[0].initial_name, "Mortgage Schedule.pdf");
  ASSERT_EQ(launcher.programs.size(), 1u);
  EXPECT_EQ(launcher.programs[0].name, "plotter");
  EXPECT_EQ(launcher.programs[0].arguments,
            (std::vector<std::string>{"plotter.dat", "--pdf", chosen}));

  // Cancelled: nothing is started and nothing is written.
  std::filesystem::remove(folder.File("plotter.dat"));
  PressPrintSchedule();
  EXPECT_EQ(launcher.programs.size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(folder.File("plotter.dat")));
}

TEST_F(MortgageSchedulePrint, WithAPrinterSendsTheScheduleToItWithoutAsking) {
  StubPrinter installed(true);
  services.printer = &installed;
  PressPrintSchedule();
  EXPECT_TRUE(prompter.save_dialogs.empty());
  ASSERT_EQ(launcher.programs.size(), 1u);
  EXPECT_EQ(launcher.programs[0].arguments, std::vector<std::string>{"plotter.dat"});
}

}  // namespace
}  // namespace tarvel::ui
