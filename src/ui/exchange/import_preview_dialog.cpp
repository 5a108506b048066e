// The import preview dialog.
#include "ui/exchange/import_preview_dialog.h"

#include <filesystem>

namespace tarvel::ui {
namespace {

std::string Counted(int count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

DialogTemplate ImportPreviewTemplate(const std::string& file_name) {
  DialogTemplate dialog{"importpreview", "Import Preview - " + file_name, {}};
  Control list = MakeControl(kPreviewList, ControlKind::ListView, "", 1, 0, 3);
  list.columns = {"Line Read", "Import Action", "Amount"};
  list.row_span = 8;
  dialog.controls = {
      MakeControl(kPreviewSummary, ControlKind::Label, "", 0, 0, 3),
      list,
      MakeControl(kIdOk, ControlKind::DefaultButton, "&Import"),
      MakeControl(kIdCancel, ControlKind::PushButton, "Cancel"),
  };
  return dialog;
}

std::string PreviewSummary(const std::vector<exchange::PreviewLine>& preview) {
  using exchange::PreviewMark;
  return Counted(exchange::CountMarked(preview, PreviewMark::Matched), "account to update",
                 "accounts to update") +
         ", " +
         Counted(exchange::CountMarked(preview, PreviewMark::New), "new account", "new accounts") +
         ", " +
         Counted(exchange::CountMarked(preview, PreviewMark::Skipped), "line skipped",
                 "lines skipped") +
         ".";
}

void ImportPreviewDialog::Initialise(platform::DialogView& view) {
  view.SetText(kPreviewSummary, PreviewSummary(preview_));
  view.SetItems(kPreviewList, exchange::PreviewRows(preview_, currency_));
}

void ImportPreviewDialog::Command(platform::DialogView& view, int control) {
  if (control == kIdOk || control == kIdCancel) view.Close(control);
}

bool ConfirmImport(DialogRunner& dialogs, const std::string& file_name,
                   const std::vector<exchange::PreviewLine>& preview,
                   const model::Currency& currency) {
  ImportPreviewDialog dialog(preview, currency);
  const std::string shown = std::filesystem::path(file_name).filename().string();
  return dialogs.RunModal(ImportPreviewTemplate(shown), dialog) == kIdOk;
}

}  // namespace tarvel::ui
