// The minimum-distribution tables on the desktop: a plan made by hand from File > New has its
// tables filled, and the table editor's Fill button fills the fields for the typed start age.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <string>
#include <vector>

#include "app/dialog_driving_fixture.h"
#include "ui/commands/new_accounts_chooser.h"
#include "ui/options/life_table_editor.h"
#include "ui/options/rmd_options_dialog.h"
#include "ui/shell/command_ids.h"

namespace tarvel::app {
namespace {

namespace table = ui::life_table_controls;

class RmdTablesDesktopTest : public DialogDrivingFixture {};

TEST_F(RmdTablesDesktopTest, ANewPlanByHandHasItsTablesFilledAndFillFollowsTheStartAge) {
  Start(true, "", &prompter_);
  OnNextDialog([](TemplateDialog& dialog) {
    Enter(dialog, {ui::kByHandChoice, ""});
    Press(dialog, ui::kIdOk);
  });
  Action(ui::kNewCommand)->trigger();
  const model::AccountSettings& settings = session_->scenario().settings;
  EXPECT_EQ(settings.rmd_start_age[0], 73);
  EXPECT_FLOAT_EQ(settings.rmd_life_expectancy[0][0], 26.5f);
  EXPECT_FLOAT_EQ(settings.rmd_life_expectancy[2][29], 5.6f);

  // Edit > Required Minimum Distribution > Edit Table 1: the editor shows the filled table;
  // Fill for a start age of 75 shows that age's divisors, and Cancel keeps the stored ones.
  std::vector<QString> seen;
  OnNextDialog([this, &seen](TemplateDialog& options) {
    OnNextDialog([&seen](TemplateDialog& editor) {
      seen.push_back(Shown(editor, table::kStartAge));
      seen.push_back(Shown(editor, table::kFirstValue));
      Type(editor, table::kStartAge, "75");
      Press(editor, table::kFillUniform);
      seen.push_back(Shown(editor, table::kFirstValue));
      seen.push_back(Shown(editor, table::kFirstValue + 29));
      auto* label = qobject_cast<QLabel*>(editor.ControlWidget(table::kFirstAgeLabel));
      seen.push_back(label == nullptr ? QString() : label->text());
      Press(editor, ui::kIdCancel);
    });
    Press(options, ui::rmd_controls::kEditTable1);
    Press(options, ui::kIdCancel);
  });
  Action(ui::kMinimumDistributionCommand)->trigger();
  EXPECT_EQ(shown_, (std::vector<std::string>{"newtab", "mrw", "mrdtable"}));
  EXPECT_EQ(seen, (std::vector<QString>{"73", "26.5", "24.6", "4.9", "Age  75"}));
  EXPECT_TRUE(prompter_.messages.empty());
  EXPECT_EQ(settings.rmd_start_age[0], 73);
  EXPECT_FLOAT_EQ(settings.rmd_life_expectancy[0][0], 26.5f);
}

}  // namespace
}  // namespace tarvel::app
