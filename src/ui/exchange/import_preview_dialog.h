// The import preview: every line read from the file with what the import will do with it
// (update which account, make a new one, or skip it and why) and the amount read. Import goes
// on; Cancel leaves the scenario as it is.
#pragma once

#include <string>
#include <vector>

#include "exchange/account_import.h"
#include "model/money_format.h"
#include "ui/shell/dialog_template.h"

namespace tarvel::ui {

inline constexpr int kPreviewSummary = 100;
inline constexpr int kPreviewList = 101;

DialogTemplate ImportPreviewTemplate(const std::string& file_name);

class ImportPreviewDialog : public DialogPresenter {
 public:
  ImportPreviewDialog(const std::vector<exchange::PreviewLine>& preview,
                      const model::Currency& currency)
      : preview_(preview), currency_(currency) {}
  void Initialise(platform::DialogView& view) override;
  void Command(platform::DialogView& view, int control) override;

 private:
  const std::vector<exchange::PreviewLine>& preview_;
  const model::Currency& currency_;
};

// "2 accounts to update, 1 new account, 3 lines skipped."
std::string PreviewSummary(const std::vector<exchange::PreviewLine>& preview);

// Shows the preview; true when the user chose to import.
bool ConfirmImport(DialogRunner& dialogs, const std::string& file_name,
                   const std::vector<exchange::PreviewLine>& preview,
                   const model::Currency& currency);

}  // namespace tarvel::ui
