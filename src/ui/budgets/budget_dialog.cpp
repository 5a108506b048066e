// The budget dialog.
#include "ui/budgets/budget_dialog.h"

#include <algorithm>
#include <optional>

#include "model/money_format.h"
#include "model/scenario_ops.h"
#include "ui/budgets/budget_file.h"
#include "ui/budgets/budget_items.h"
#include "ui/budgets/budget_page.h"
#include "ui/budgets/budget_withdrawal.h"
#include "ui/editors/event_editing.h"
#include "ui/editors/field_check.h"
#include "ui/editors/field_text.h"
#include "ui/shell/budget_menu.h"

namespace tarvel::ui {
namespace {

using namespace budget_controls;

constexpr int kHelpContext = 1585;
constexpr int kNameChars = 29;      // 28 characters
constexpr int kItemNameChars = 20;  // 19 characters
constexpr int kAgeChars = 4;        // 3 digits
constexpr int kNumberChars = 13;

const FieldRule kStartAgeRule{kStartAge, false, kAgeChars, 1, 120, 3, "START AGE ERROR"};
const FieldRule kEndAgeRule{kEndAge, false, kAgeChars, 1, 120, 3, "END AGE ERROR"};
const FieldRule kItemAmountRule{kItemAmount, true, kNumberChars, -1e8, 1e8, 2, "AMOUNT ERROR"};
const FieldRule kItemRateRule{kItemRate, true, kNumberChars, -20, 20, 8, "RATE ERROR"};

Control Button(int id, const char* label, bool enabled = true) {
  Control control = MakeControl(id, ControlKind::PushButton, label);
  control.enabled = enabled;
  return control;
}

std::string TodaysDollarsText(const EditorServices& services) {
  return model::Format("Use amounts in age %3.1f %s", double{services.scenario.initial.start_age},
                       services.program.currency.word.c_str());
}

}  // namespace

DialogTemplate BudgetDialogTemplate() {
  Control items = MakeControl(kItems, ControlKind::ListView, "", 8, 0, 4);
  items.columns.assign(std::begin(kBudgetListColumns), std::end(kBudgetListColumns));
  Control item_box = MakeControl(601, ControlKind::GroupBox, "Budget Item", 4, 0, 4);
  return DialogTemplate{
      "budget",
      "Budget",
      {
          MakeControl(602, ControlKind::Label, "Budget &Name", 0, 0),
          MakeEdit(kName, 0, 1, kNameChars, 3),
          MakeControl(603, ControlKind::Label, "&Start Age", 1, 0),
          MakeEdit(kStartAge, 1, 1, kAgeChars),
          MakeControl(604, ControlKind::Label, "&End Age", 1, 2),
          MakeEdit(kEndAge, 1, 3, kAgeChars),
          MakeControl(605, ControlKind::Label, "Associated &Account:", 2, 0),
          MakeControl(kAccount, ControlKind::ComboBox, "", 2, 1, 3),
          MakeControl(kActivate, ControlKind::CheckBox, "Activate this &budget", 3, 0, 2),
          MakeControl(kTodaysDollars, ControlKind::CheckBox, "Use amounts in age 30.0 Dollars", 3,
                      2, 2),
          item_box,
          MakeControl(606, ControlKind::Label, "Na&me", 5, 0),
          MakeEdit(kItemName, 5, 1, kItemNameChars),
          MakeControl(607, ControlKind::Label, "Amoun&t", 5, 2),
          MakeEdit(kItemAmount, 5, 3, kNumberChars),
          MakeControl(608, ControlKind::Label, "Apply &Rate (%)", 6, 0),
          MakeEdit(kItemRate, 6, 1, kNumberChars),
          MakeControl(kItemMonthly, ControlKind::CheckBox, "M&onthly", 6, 2),
          MakeControl(kItemTrack, ControlKind::CheckBox, "Trac&k", 6, 3),
          MakeControl(kItemInflation, ControlKind::CheckBox, "Apply &inflation rate", 7, 0, 2),
          items,
          MakeControl(609, ControlKind::Label, "Yearly Total", 9, 2),
          MakeControl(kYearlyTotal, ControlKind::Label, "", 9, 3),
          Button(kEnter, "Enter"),
          Button(kClear, "Clear"),
          Button(kDelete, "Delete"),
          Button(kCopyAll, "Copy All"),
          Button(kPasteAll, "Paste All"),
          Button(kClearAll, "Clear All"),
          Button(kPrint, "Print", false),
          Button(kPrintReport, "Print Report", false),
          MakeControl(kIdOk, ControlKind::DefaultButton, "OK"),
          Button(kCancel, "Cancel"),
          Button(kHelp, "&Help"),
      }};
}

BudgetDialog::BudgetDialog(EditorServices& services, int budget_index)
    : services_(services),
      index_(std::clamp(budget_index, 0, model::kBudgetCount - 1)),
      working_(services.scenario.budgets[index_]),
      accounts_(services.scenario, true) {}

void BudgetDialog::Initialise(platform::DialogView& view) {
  view.SetText(kTodaysDollars, TodaysDollarsText(services_));
  ShowBudget(view);
}

void BudgetDialog::ShowBudget(platform::DialogView& view) const {
  view.SetText(kName, working_.name.str());
  view.SetText(kStartAge, std::to_string(working_.start_age));
  view.SetText(kEndAge, std::to_string(working_.end_age));
  view.SetChecked(kActivate, working_.active != 0);
  view.SetChecked(kTodaysDollars, working_.todays_dollars != 0);
  const bool chosen = working_.account >= 0 && working_.account < model::kNoAccount;
  accounts_.Show(view, kAccount,
                 chosen ? static_cast<std::uint16_t>(working_.account) : model::kNoAccount);
  ShowItems(view);
}

void BudgetDialog::ShowItems(platform::DialogView& view) const {
  view.SetItems(kItems, BudgetListRows(working_));
  view.SetText(kYearlyTotal, model::Money(working_.total, services_.program.currency));
}

void BudgetDialog::ShowSelectedItem(platform::DialogView& view) const {
  const std::vector<BudgetItem> items = BudgetItems(working_);
  const int selected = view.Selection(kItems);
  if (selected < 0 || selected >= static_cast<int>(items.size())) return;
  const BudgetItem& item = items[selected];
  view.SetText(kItemName, item.name);
  view.SetText(kItemAmount, MoneyFieldText(item.amount, services_.program.currency));
  view.SetText(kItemRate, FieldText(item.apply_rate, kRateField));
  view.SetChecked(kItemMonthly, item.monthly);
  view.SetChecked(kItemTrack, item.track);
  view.SetChecked(kItemInflation, item.apply_inflation);
}

void BudgetDialog::ClearItemFields(platform::DialogView& view) const {
  for (int control : {kItemName, kItemAmount, kItemRate}) view.SetText(control, "");
  for (int control : {kItemMonthly, kItemTrack, kItemInflation}) view.SetChecked(control, false);
}

void BudgetDialog::EnterItem(platform::DialogView& view) {
  BudgetItem item;
  item.name = ReadFieldText(view, kItemName, kItemNameChars);
  if (item.name.empty()) return;
  const char symbol = services_.program.currency.symbol;
  const std::optional<double> amount =
      ValidateField(view, services_.prompter, kItemAmountRule, symbol);
  if (!amount) return;
  const std::optional<double> rate = ValidateField(view, services_.prompter, kItemRateRule, symbol);
  if (!rate) return;
  item.amount = static_cast<float>(*amount);
  item.apply_rate = static_cast<float>(*rate);
  item.monthly = view.Checked(kItemMonthly);
  item.track = view.Checked(kItemTrack);
  item.apply_inflation = view.Checked(kItemInflation);
  if (EnterBudgetItem(working_, item) == ItemEntry::Refused) {
    const model::CapacityProblem full = model::CheckRoomForBudgetItem(working_);
    ShowStop(services_.prompter, full.text, full.caption);
    return;
  }
  ShowItems(view);
  ClearItemFields(view);
}

void BudgetDialog::DeleteItem(platform::DialogView& view) {
  DeleteBudgetItem(working_, view.Selection(kItems));
  ShowItems(view);
  ClearItemFields(view);
}

void BudgetDialog::CopyAll() {
  WriteBudgetFile(working_, BudgetFileKind::Copy, services_.program.working_directory,
                  services_.prompter);
}

void BudgetDialog::PasteAll(platform::DialogView& view) {
  if (ReadBudgetFile(working_, BudgetFileKind::Copy, services_.program.working_directory,
                     services_.prompter)) {
    ShowBudget(view);
  }
}

void BudgetDialog::ClearAll(platform::DialogView& view) {
  SetBudgetItems(working_, {});
  ShowItems(view);
}

bool BudgetDialog::ReadBudgetFields(platform::DialogView& view) {
  const std::optional<double> start = ValidateField(view, services_.prompter, kStartAgeRule);
  if (!start) return false;
  const std::optional<double> end = ValidateField(view, services_.prompter, kEndAgeRule);
  if (!end) return false;
  const std::uint16_t account = accounts_.Chosen(view, kAccount);
  if (!CheckAccountChoice(services_.scenario, services_.prompter, account,
                          AccountCheck::NoAssetsNoAllocation)) {
    view.SetFocus(kAccount);
    return false;
  }
  working_.name.assign(ReadFieldText(view, kName, kNameChars));
  working_.start_age = static_cast<std::int16_t>(*start);
  working_.end_age = static_cast<std::int16_t>(*end);
  working_.active = view.Checked(kActivate) ? 1 : 0;
  working_.todays_dollars = view.Checked(kTodaysDollars) ? 1 : 0;
  working_.account = account == model::kNoAccount ? -1 : std::int32_t{account};
  return true;
}

void BudgetDialog::Confirm(platform::DialogView& view) {
  if (!ReadBudgetFields(view)) return;
  model::Scenario& scenario = services_.scenario;
  // A new withdrawal needs room before anything is stored, so a full table loses nothing.
  if (working_.active != 0 && FindBudgetWithdrawal(scenario, index_) < 0 &&
      !RoomForEvent(scenario, services_.prompter)) {
    return;
  }
  scenario.budgets[index_] = working_;
  UpdateBudgetMenu(scenario);  // an empty name takes the default again
  if (working_.active != 0) {
    WriteBudgetWithdrawal(scenario, services_.prompter, index_);
  } else {
    RemoveBudgetWithdrawal(scenario, index_);
  }
  scenario.modified = true;
  committed_ = true;
  view.Close(kIdOk);
}

void BudgetDialog::Command(platform::DialogView& view, int control) {
  switch (control) {
    case kIdOk:
      Confirm(view);
      break;
    case kCancel:
    case kIdCancel:
      view.Close(kIdCancel);
      break;
    case kEnter:
      EnterItem(view);
      break;
    case kClear:
      ClearItemFields(view);
      break;
    case kDelete:
      DeleteItem(view);
      break;
    case kItems:
      ShowSelectedItem(view);
      break;
    case kCopyAll:
      CopyAll();
      break;
    case kPasteAll:
      PasteAll(view);
      break;
    case kClearAll:
      ClearAll(view);
      break;
    case kHelp:
      services_.help.ShowTopic(kHelpContext);
      break;
    default:
      break;
  }
}

bool EditBudget(EditorServices& services, const EditRequest& request) {
  BudgetDialog dialog(services, request.which);
  services.dialogs.RunModal(BudgetDialogTemplate(), dialog);
  return dialog.committed();
}

}  // namespace tarvel::ui
