// The life-expectancy table editor.
#include "ui/options/life_table_editor.h"

#include <algorithm>

#include "model/money_format.h"
#include "model/scenario_ops.h"
#include "ui/editors/field_check.h"
#include "ui/options/rmd_table_fill.h"

namespace tarvel::ui {
namespace {

using namespace life_table_controls;

constexpr int kHelpContext = 1573;
constexpr int kNameChars = 30;  // 29 characters
constexpr int kValueChars = 13;
constexpr double kLargestValue = 50.0;
constexpr char kValueCaption[] = "Probable RMD Value Error";
constexpr int kValueColumns = 3;  // the 30 values are laid out in three columns of ten

const FieldRule kStartAgeRule{kStartAge, false, 4, 1, 120, 3, "AGE ERROR"};

std::string OutOfRangeText(const std::string& value, int age) {
  return model::Format(
      "The value %s for age %2d seems out of range. Please check your Life Expectancy Tables.",
      value.c_str(), age);
}

std::string ValueText(double value) { return model::Format("%4.1f", value); }

void ShowAges(platform::DialogView& view, int start_age) {
  for (int k = 0; k < model::kRmdTableLength; ++k) {
    view.SetText(kFirstAgeLabel + k, model::Format("Age %3d", start_age + k));
  }
}

void ShowValues(platform::DialogView& view,
                const std::array<float, model::kRmdTableLength>& values) {
  for (int k = 0; k < model::kRmdTableLength; ++k) {
    view.SetText(kFirstValue + k, model::Format("%-4.1f", double{values[k]}));
  }
}

}  // namespace

DialogTemplate LifeTableTemplate() {
  DialogTemplate dialog{"mrdtable", "Life Expectancy Values From IRS Tables", {}};
  dialog.controls.push_back(MakeControl(kTitle, ControlKind::Label, "Table  1", 0, 0));
  Control name = MakeControl(kName, ControlKind::Edit, "", 0, 1);
  name.column_span = 2 * kValueColumns - 1;
  name.max_chars = kNameChars;
  dialog.controls.push_back(name);
  dialog.controls.push_back(MakeControl(601, ControlKind::Label, "Withdrawal &Start Age", 1, 0));
  Control start = MakeControl(kStartAge, ControlKind::Edit, "", 1, 1);
  start.max_chars = 4;
  dialog.controls.push_back(start);
  Control fill =
      MakeControl(kFillUniform, ControlKind::PushButton,
                  "&Fill from the IRS Uniform Lifetime Table", 1, 2, 2 * kValueColumns - 2);
  fill.on_grid = true;
  dialog.controls.push_back(fill);
  const int rows = model::kRmdTableLength / kValueColumns;
  for (int k = 0; k < model::kRmdTableLength; ++k) {
    const int row = 2 + k % rows;
    const int column = 2 * (k / rows);
    // The age labels show the position; the presenter writes the real ages.
    dialog.controls.push_back(MakeControl(kFirstAgeLabel + k, ControlKind::Label,
                                          model::Format("Age %3d", 70 + k), row, column));
    Control value = MakeControl(kFirstValue + k, ControlKind::Edit, "", row, column + 1);
    value.max_chars = kValueChars;
    dialog.controls.push_back(value);
  }
  dialog.controls.push_back(MakeControl(kIdOk, ControlKind::DefaultButton, "OK"));
  dialog.controls.push_back(MakeControl(kIdCancel, ControlKind::PushButton, "Cancel"));
  dialog.controls.push_back(MakeControl(kHelp, ControlKind::PushButton, "&Help"));
  return dialog;
}

std::optional<int> FirstSuspectValue(const std::array<float, model::kRmdTableLength>& values) {
  for (int k = 0; k < model::kRmdTableLength; ++k) {
    if (values[k] == 0 || (k > 0 && values[k] >= values[k - 1])) return k;
  }
  return std::nullopt;
}

LifeTableEditor::LifeTableEditor(EditorServices& services, int table)
    : services_(services), table_(std::clamp(table, 0, model::kRmdTables - 1)) {}

void LifeTableEditor::Initialise(platform::DialogView& view) {
  const model::AccountSettings& settings = services_.scenario.settings;
  const int start = settings.rmd_start_age[table_];
  view.SetText(kTitle, model::Format("Table %2d", table_ + 1));
  view.SetText(kName, settings.rmd_table_name[table_].str());
  view.SetText(kStartAge, model::Format("%-3d", start));
  ShowAges(view, start);
  ShowValues(view, settings.rmd_life_expectancy[table_]);
}

void LifeTableEditor::FillFromUniformTable(platform::DialogView& view) {
  const std::optional<double> start = ValidateField(view, services_.prompter, kStartAgeRule);
  if (!start) return;
  const int start_age = static_cast<int>(*start);
  const UniformFill fill = ReadUniformFill(services_.program, start_age);
  if (!fill.divisors) {
    services_.prompter.Ask(fill.problem);
    view.SetFocus(kStartAge);
    return;
  }
  ShowAges(view, start_age);
  ShowValues(view, *fill.divisors);
}

void LifeTableEditor::Confirm(platform::DialogView& view) {
  platform::Prompter& prompter = services_.prompter;
  const std::optional<double> start = ValidateField(view, prompter, kStartAgeRule);
  if (!start) return;
  const int start_age = static_cast<int>(*start);
  std::array<float, model::kRmdTableLength> values{};
  for (int k = 0; k < model::kRmdTableLength; ++k) {
    const std::string text = ReadFieldText(view, kFirstValue + k, kValueChars);
    const std::optional<double> value = ParseFieldNumber(text, services_.program.currency.symbol);
    // What is not a number cannot be stored: the dialog stays open on it.
    if (!value) {
      ShowStop(prompter, OutOfRangeText(text, start_age + k), kValueCaption);
      view.SetFocus(kFirstValue + k);
      return;
    }
    values[k] = static_cast<float>(*value);
  }
  for (int k = 0; k < model::kRmdTableLength; ++k) {
    if (values[k] < 0 || values[k] > kLargestValue) {
      ShowStop(prompter, OutOfRangeText(ValueText(values[k]), start_age + k), kValueCaption);
    }
  }
  model::Scenario& scenario = services_.scenario;
  model::AccountSettings& settings = scenario.settings;
  settings.rmd_table_name[table_].assign(ReadFieldText(view, kName, kNameChars));
  settings.rmd_start_age[table_] = start_age;
  settings.rmd_life_expectancy[table_] = values;
  if (const std::optional<int> suspect = FirstSuspectValue(values)) {
    ShowStop(prompter,
             model::Format("Possible incorrect value %s at age %2d.\nPlease check the IRS RMD "
                           "Life Expectancy Tables.",
                           ValueText(values[*suspect]).c_str(), start_age + *suspect),
             kValueCaption);
  }
  model::RepairSettingsSlots(scenario);
  model::MatchRmdListingEntries(scenario);
  scenario.modified = true;
  committed_ = true;
  view.Close(kIdOk);
}

void LifeTableEditor::Command(platform::DialogView& view, int control) {
  switch (control) {
    case kIdOk:
      Confirm(view);
      break;
    case kIdCancel:
      view.Close(kIdCancel);
      break;
    case kHelp:
      services_.help.ShowTopic(kHelpContext);
      break;
    case kFillUniform:
      FillFromUniformTable(view);
      break;
    default:
      break;
  }
}

bool EditLifeTable(EditorServices& services, int table) {
  LifeTableEditor editor(services, table);
  services.dialogs.RunModal(LifeTableTemplate(), editor);
  return editor.committed();
}

}  // namespace tarvel::ui
