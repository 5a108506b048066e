// The file dialog of printing to a PDF file.
#include "ui/printing/print_file_chooser.h"

#include <filesystem>
#include <system_error>

#include "model/planner_options_file.h"
#include "results/print_title_page.h"

namespace tarvel::ui {
namespace {

namespace fs = std::filesystem;

constexpr char kDialogTitle[] = "Print to File";

bool Replaces(platform::Prompter& prompter, const std::string& path) {
  platform::Message question;
  question.text = path + " already exists. Do you want to replace it?";
  question.caption = kDialogTitle;
  question.buttons = platform::Buttons::YesNo;
  question.icon = platform::Icon::Question;
  return prompter.Ask(question) == platform::Answer::Yes;
}

// Characters a file name cannot hold become "-".
std::string FileNameFrom(std::string text) {
  for (char& c : text) {
    if (c == '/' || c == '\0') c = '-';
  }
  return text;
}

}  // namespace

std::string PrintFileChooser::StartFolder() const {
  std::error_code error;
  if (!program_.print_folder.empty() && fs::is_directory(program_.print_folder, error)) {
    return program_.print_folder;
  }
  const fs::path plan = fs::path(program_.working_directory) / program_.open_name;
  return fs::absolute(plan, error).parent_path().lexically_normal().string();
}

std::string PrintFileChooser::SuggestedPath(const std::string& title) const {
  const std::string plan = results::PlanName(program_.open_name);
  const std::string name = FileNameFrom(plan.empty() ? title : plan + " - " + title);
  return (fs::path(StartFolder()) / (name + ".pdf")).string();
}

std::optional<std::string> PrintFileChooser::Ask(const std::string& proposed_path) {
  const fs::path proposed(proposed_path);
  platform::FileDialog dialog;
  dialog.title = kDialogTitle;
  dialog.filters = {{"PDF Files (*.PDF)", "*.pdf;*.PDF"}};
  dialog.default_extension = "pdf";
  dialog.start_folder =
      proposed.has_parent_path() ? proposed.parent_path().string() : StartFolder();
  dialog.initial_name = proposed.filename().string();
  const std::optional<std::string> chosen = prompter_.ChooseFileToSave(dialog);
  if (!chosen) return std::nullopt;
  std::error_code error;
  if (fs::exists(*chosen, error) && !Replaces(prompter_, *chosen)) return std::nullopt;
  Remember(fs::path(*chosen).parent_path().string());
  return chosen;
}

void PrintFileChooser::Remember(const std::string& folder) {
  if (folder.empty() || folder.find_first_of("\r\n") != std::string::npos) return;
  if (folder == program_.print_folder) return;
  program_.print_folder = folder;
  // A folder that cannot be remembered across sessions is still used for this one.
  model::WritePlannerOption(program_.working_directory, model::kPrintFolderKey, folder);
}

}  // namespace tarvel::ui
