// The group names dialog ("groups", command 102): ten named groups with their random rate
// bounds, and the folder name the user gives the group concept (it titles the Groups tab
// and the group report menu items).
#pragma once

#include "ui/editors/editor_services.h"
#include "ui/shell/dialog_template.h"

namespace tarvel::ui {

// Row r (0..9): name control r + 1, minimum rate 14 + 2r, maximum rate 15 + 2r.
inline constexpr int kFirstGroupNameField = 1;
inline constexpr int kFirstGroupMinField = 14;
inline constexpr int kGroupFolderNameField = 200;
// The buttons' ids stay clear of the name fields 1 and 2.
inline constexpr int kGroupsOkButton = 34;
inline constexpr int kGroupsCancelButton = 35;
inline constexpr int kGroupsHelpButton = 36;

DialogTemplate GroupsTemplate();

class GroupsDialog : public DialogPresenter {
 public:
  explicit GroupsDialog(EditorServices& services);
  void Initialise(platform::DialogView& view) override;
  void Command(platform::DialogView& view, int control) override;
  bool committed() const { return committed_; }

 private:
  bool Store(platform::DialogView& view);

  EditorServices& services_;
  bool committed_ = false;
};

bool EditGroups(EditorServices& services, const EditRequest& request);

}  // namespace tarvel::ui
