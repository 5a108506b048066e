// The group names dialog.
#include "ui/accounts/groups_dialog.h"

#include "model/money_format.h"
#include "ui/accounts/validate_text.h"
#include "ui/editors/field_check.h"
#include "ui/editors/field_text.h"

namespace tarvel::ui {
namespace {

constexpr int kHelpContext = 1541;
constexpr int kNameChars = 20;  // at most 19 characters
constexpr int kRateChars = 13;
constexpr std::size_t kShortestFolderName = 4;        // stored only when longer than 3 characters
constexpr model::FixedFormat kGroupRate{9, 3, true};  // "%-9.3f"

int NameField(int row) { return kFirstGroupNameField + row; }
int MinField(int row) { return kFirstGroupMinField + 2 * row; }
int MaxField(int row) { return kFirstGroupMinField + 2 * row + 1; }

TextRule GroupRateRule(int control) {
  return {control,
          true,
          kRateChars,
          -200,
          200,
          "Rate Error",
          "The rate must be between -200.00% and 200.00%.",
          -1};
}

}  // namespace

DialogTemplate GroupsTemplate() {
  DialogTemplate dialog{"groups", "Groups", {}};
  auto edit = [](int id, int row, int column, int chars) {
    Control control = MakeControl(id, ControlKind::Edit, "", row, column);
    control.max_chars = chars;
    return control;
  };
  dialog.controls = {MakeControl(300, ControlKind::Label, "Group Name", 0, 0),
                     MakeControl(301, ControlKind::Label, "Random Minimum Rate", 0, 1),
                     MakeControl(302, ControlKind::Label, "Random Maximum Rate", 0, 2)};
  for (int row = 0; row < model::kMaxGroups; ++row) {
    dialog.controls.push_back(edit(NameField(row), row + 1, 0, kNameChars));
    dialog.controls.push_back(edit(MinField(row), row + 1, 1, kRateChars));
    dialog.controls.push_back(edit(MaxField(row), row + 1, 2, kRateChars));
  }
  dialog.controls.push_back(MakeControl(303, ControlKind::Label, "Folder Name", 11, 0));
  Control folder = edit(kGroupFolderNameField, 11, 1, kNameChars);
  folder.column_span = 2;
  dialog.controls.push_back(folder);
  dialog.controls.push_back(MakeControl(kGroupsOkButton, ControlKind::DefaultButton, "OK"));
  dialog.controls.push_back(MakeControl(kGroupsCancelButton, ControlKind::PushButton, "Cancel"));
  dialog.controls.push_back(MakeControl(kGroupsHelpButton, ControlKind::PushButton, "&Help"));
  return dialog;
}

GroupsDialog::GroupsDialog(EditorServices& services) : services_(services) {}

void GroupsDialog::Initialise(platform::DialogView& view) {
  const model::GroupTable& groups = services_.scenario.groups;
  if (groups.folder_name.view().size() >= kShortestFolderName) {
    view.SetText(kGroupFolderNameField, groups.folder_name.str());
  }
  for (int row = 0; row < model::kMaxGroups; ++row) {
    if (groups.names[row].empty()) continue;
    view.SetText(NameField(row), groups.names[row].str());
    view.SetText(MinField(row), FieldText(groups.random_min_rate[row], kGroupRate));
    view.SetText(MaxField(row), FieldText(groups.random_max_rate[row], kGroupRate));
  }
}

// Every row is checked before anything is stored, so a refused row leaves the groups as
// they were and the dialog open with the typed text.
bool GroupsDialog::Store(platform::DialogView& view) {
  model::GroupTable groups = services_.scenario.groups;
  const std::string folder = ReadFieldText(view, kGroupFolderNameField, kNameChars);
  if (folder.size() >= kShortestFolderName) groups.folder_name.assign(folder);
  for (int row = 0; row < model::kMaxGroups; ++row) {
    const std::string name = ReadFieldText(view, NameField(row), kNameChars);
    groups.names[row].assign(name);
    float minimum = 0;
    float maximum = 0;
    if (name.size() > 1) {
      const auto low = ValidateText(view, services_.prompter, GroupRateRule(MinField(row)));
      if (!low) return false;
      const auto high = ValidateText(view, services_.prompter, GroupRateRule(MaxField(row)));
      if (!high) return false;
      if (*low > *high) {
        ShowStop(services_.prompter, "The minimum rate must be less than the maximum rate.",
                 "Rate Error");
        view.SetFocus(MinField(row));
        return false;
      }
      minimum = static_cast<float>(*low);
      maximum = static_cast<float>(*high);
    }
    groups.random_min_rate[row] = minimum;
    groups.random_max_rate[row] = maximum;
  }
  services_.scenario.groups = groups;
  services_.scenario.modified = true;
  return true;
}

void GroupsDialog::Command(platform::DialogView& view, int control) {
  switch (control) {
    case kGroupsOkButton:
      if (Store(view)) {
        committed_ = true;
        view.Close(kIdOk);
      }
      break;
    case kGroupsCancelButton:
    case kIdCancel:  // the close box and Escape
      view.Close(kIdCancel);
      break;
    case kGroupsHelpButton:
      services_.help.ShowTopic(kHelpContext);
      break;
    default:
      break;
  }
}

bool EditGroups(EditorServices& services, const EditRequest& /*request*/) {
  GroupsDialog dialog(services);
  services.dialogs.RunModal(GroupsTemplate(), dialog);
  return dialog.committed();
}

}  // namespace tarvel::ui
