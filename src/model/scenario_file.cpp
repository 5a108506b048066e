// Reads and writes scenario files with the program state that travels with them, and runs
// the File menu's New, Open, Save and Save As steps.

#include "model/scenario_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "model/atomic_file.h"
#include "model/colours_file.h"
#include "model/money_format.h"
#include "model/scenario_codec.h"
#include "model/scenario_ops.h"
#include "model/startup_file.h"

namespace tarvel::model {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using platform::Message;

constexpr char kInvalidFileText[] = " doesn't seem to be a valid Tarvel Financial Planner file.";
constexpr char kFileError[] = "FILE ERROR";
constexpr char kFileWarning[] = "FILE WARNING";

void ShowFileError(platform::Prompter& prompter, std::string text) {
  Message message;
  message.text = std::move(text);
  message.caption = kFileError;
  message.icon = Icon::Error;
  prompter.Ask(message);
}

bool CanOpenForReading(const std::string& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return false;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  std::fclose(file);
  return true;
}

// Opening for update changes nothing in the file.
bool CanOpenForWriting(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "r+b");
  if (file == nullptr) return false;
  std::fclose(file);
  return true;
}

enum class Creation { Created, Exists, Failed };

// Creates an empty file unless one exists already.
Creation CreateNewFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
  if (fd >= 0) {
    ::close(fd);
    return Creation::Created;
  }
  return errno == EEXIST ? Creation::Exists : Creation::Failed;
}

MarginPixels ToScreenPixels(const PageMargins& margins, int dpi_x, int dpi_y) {
  const auto pixels = [](int dpi, std::int32_t thousandths) {
    return static_cast<int>(dpi * static_cast<double>(thousandths) * 0.001);
  };
  return {pixels(dpi_x, margins.left), pixels(dpi_y, margins.top), pixels(dpi_x, margins.right),
          pixels(dpi_y, margins.bottom)};
}

// The program takes its page settings and preference values from a read window block; a
// short block leaves the default margins and print option.
void TakeWindowBlock(Program& program, const WindowSetup& block, bool complete) {
  if (complete) {
    program.margins = {block.margin_left, block.margin_top, block.margin_right,
                       block.margin_bottom};
    program.print_option = block.print_option;
    program.preference_8 = block.preference_8;
    program.preference_16 = block.preference_16;
    program.preference_24 = block.preference_24;
  } else {
    program.margins = PageMargins{};
    program.print_option = 1;
  }
  program.margin_pixels =
      ToScreenPixels(program.margins, program.screen_dpi_x, program.screen_dpi_y);
}

void PutWindowBlock(const Program& program, WindowSetup& block) {
  block.width = program.window.width;
  block.margin_left = program.margins.left;
  block.margin_top = program.margins.top;
  block.margin_right = program.margins.right;
  block.margin_bottom = program.margins.bottom;
  block.print_option = program.print_option;
  block.preference_8 = program.preference_8;
  block.preference_16 = program.preference_16;
  block.preference_24 = program.preference_24;
}

platform::FileDialog ScenarioDialog(const Program& program, std::string title) {
  platform::FileDialog dialog;
  dialog.title = std::move(title);
  dialog.filters = {{"Scenario Files (*.RET)", "*.ret;*.RET"}};
  dialog.default_extension = "ret";
  dialog.start_folder = program.working_directory;
  return dialog;
}

}  // namespace

std::string WindowTitle(const std::string& name) { return "Retirement Planner - " + name; }

std::string ScenarioPath(const Program& program, const std::string& name) {
  const std::filesystem::path path(name);
  if (path.is_absolute() || program.working_directory.empty()) return name;
  return (std::filesystem::path(program.working_directory) / path).string();
}

bool ReadScenario(Program& program, Scenario& scenario, platform::Prompter& prompter) {
  std::vector<std::uint8_t> bytes;
  // Nothing after the largest complete file is ever read.
  if (!ReadFileBytes(ScenarioPath(program, program.open_name), CompleteScenarioSize(kMaxEvents),
                     bytes)) {
    return false;
  }
  scenario.colours.colours = program.colours;
  const ScenarioLoad load = DecodeScenario(bytes, scenario);
  if (!load.valid) {
    Message message;
    message.text = program.open_name + kInvalidFileText;
    message.caption = kFileWarning;
    message.icon = Icon::Error;
    message.system_modal = true;
    prompter.Ask(message);
    program.open_name = kFallbackScenarioName;
    program.save_name = kFallbackScenarioName;
    return false;
  }
  program.show_purchasing_power = scenario.initial.purchasing_power != 0;
  TakeWindowBlock(program, scenario.window, load.window_read);
  program.colours = scenario.colours.colours;
  WriteColoursFile(program.working_directory, program.colours);
  program.save_name = program.open_name;
  program.birth_month = scenario.initial.birth_month;
  program.birth_day = scenario.initial.birth_day;
  program.colour_banding = 1;
  program.toolbar_visible = true;
  return true;
}

bool WriteScenario(Program& program, Scenario& scenario, platform::Prompter& prompter) {
  scenario.colours.colours = program.colours;
  PutWindowBlock(program, scenario.window);
  const std::string path = ScenarioPath(program, program.save_name);
  std::error_code error;
  const bool written = std::filesystem::is_regular_file(path, error) && CanOpenForWriting(path) &&
                       WriteFileAtomically(path, EncodeScenario(scenario));
  if (!written) {
    WriteColoursFile(program.working_directory, program.colours);
    ShowFileError(prompter, "Cannot open file!");
    return false;
  }
  scenario.modified = false;
  return true;
}

bool SaveScenarioAs(Program& program, Scenario& scenario, platform::Prompter& prompter,
                    const std::string& name) {
  const std::string path = ScenarioPath(program, name);
  const Creation creation = CreateNewFile(path);
  if (creation == Creation::Failed) {
    ShowFileError(prompter, "Cannot open file!");
    return false;
  }
  if (creation == Creation::Exists) {
    Message question;
    question.text = name + " exits - Overwrite anyway?";
    question.caption = kFileWarning;
    question.buttons = Buttons::YesNo;
    question.icon = Icon::Question;
    if (prompter.Ask(question) != Answer::Yes) return false;
    if (!CanOpenForWriting(path)) {
      ShowFileError(prompter, "Cannot open " + name);
      return false;
    }
  }
  program.save_name = name;
  return WriteScenario(program, scenario, prompter);
}

bool CreateWorkingFile(Program& program, Scenario& scenario, platform::Prompter& prompter) {
  const int counter = static_cast<int>(program.startup.counter);
  const std::string name = Format("./temp%d%d.ret", counter, 1);
  const std::string path = ScenarioPath(program, name);
  const Creation creation = CreateNewFile(path);
  if (creation == Creation::Failed) {
    ShowFileError(prompter, "Cannot open temporary file!");
    return false;
  }
  if (creation == Creation::Exists && !CanOpenForWriting(path)) {
    ShowFileError(prompter, "Cannot open " + name);
    return false;
  }
  program.open_name = name;
  program.save_name = name;
  // Blocks 1 to 3 only; the reader supplies the rest when the file is opened.
  std::vector<std::uint8_t> bytes = EncodeScenario(scenario);
  const int event_count = std::clamp<int>(scenario.initial.event_count, 0, kMaxEvents);
  bytes.resize(kInitialValuesSize + kEventSize * event_count + kAccountTableSize);
  if (!WriteFileAtomically(path, bytes)) {
    ShowFileError(prompter, "Cannot open temporary file!");
    return false;
  }
  return true;
}

std::optional<Answer> PromptSaveScenario(Program& program, Scenario& scenario,
                                         platform::Prompter& prompter) {
  if (!scenario.modified) return std::nullopt;
  Message question;
  question.text = "Do you wish to save the file " + program.save_name + "?";
  question.caption = "Tarvel Retirement Planner";
  question.buttons = Buttons::YesNoCancel;
  question.icon = Icon::Question;
  question.system_modal = true;
  const Answer answer = prompter.Ask(question);
  if (answer == Answer::Yes && !WriteScenario(program, scenario, prompter)) {
    return Answer::Cancel;
  }
  return answer;
}

FileCommandOutcome NewScenarioByHand(Program& program, Scenario& scenario,
                                     platform::Prompter& prompter) {
  FileCommandOutcome outcome;
  FillAllocationCategoryDefaults(scenario);
  scenario.initial.event_count = 0;
  scenario.modified = false;
  ClearScenario(scenario);
  outcome.rebuild_budget_menu = true;
  if (!CreateWorkingFile(program, scenario, prompter)) return outcome;
  outcome.title = WindowTitle(program.open_name);
  outcome.refresh_folders = true;
  ApplyNewScenarioDefaults(scenario);
  outcome.completed = true;
  return outcome;
}

FileCommandOutcome OpenScenarioCommand(Program& program, Scenario& scenario,
                                       platform::Prompter& prompter) {
  if (PromptSaveScenario(program, scenario, prompter) == Answer::Cancel) return {};
  const auto choice = prompter.ChooseFileToOpen(ScenarioDialog(program, "Open a Scenario"));
  if (!choice) return {};
  return OpenNamedScenario(program, scenario, prompter, *choice);
}

FileCommandOutcome OpenNamedScenario(Program& program, Scenario& scenario,
                                     platform::Prompter& prompter, const std::string& name) {
  FileCommandOutcome outcome;
  if (!CanOpenForReading(ScenarioPath(program, name))) {
    ShowFileError(prompter, "Cannot open " + name);
    outcome.title = "Retirement Planner";
    return outcome;
  }
  const std::string previous = program.open_name;
  program.open_name = name;
  if (!ReadScenario(program, scenario, prompter)) {
    program.open_name = kFallbackScenarioName;
    program.save_name = kFallbackScenarioName;
    outcome.title = WindowTitle(kFallbackScenarioName);
    outcome.folder = 0;
    outcome.refresh_folders = true;
    outcome.rebuild_budget_menu = true;
    return outcome;
  }
  outcome.title = WindowTitle(name);
  outcome.refresh_folders = true;
  outcome.close_folder_windows = true;
  outcome.folder = scenario.initial.event_count == 0 ? 0 : 2;
  scenario.modified = false;
  AddRecentFile(program, previous);
  outcome.rebuild_recent_menu = true;
  outcome.rebuild_budget_menu = true;
  outcome.run_scenario = true;
  outcome.rebuild_event_list = true;
  outcome.completed = true;
  return outcome;
}

FileCommandOutcome OpenRecentFile(Program& program, Scenario& scenario,
                                  platform::Prompter& prompter, int index) {
  if (index < 0 || index >= kRecentFileCount || program.recent_files[index].empty()) return {};
  if (PromptSaveScenario(program, scenario, prompter) == Answer::Cancel) return {};
  const std::string name = program.recent_files[index];
  return OpenNamedScenario(program, scenario, prompter, name);
}

FileCommandOutcome SaveCommand(Program& program, Scenario& scenario, platform::Prompter& prompter) {
  FileCommandOutcome outcome;
  outcome.completed = WriteScenario(program, scenario, prompter);
  if (outcome.completed) outcome.title = WindowTitle(program.open_name);
  return outcome;
}

FileCommandOutcome SaveAsCommand(Program& program, Scenario& scenario,
                                 platform::Prompter& prompter) {
  FileCommandOutcome outcome;
  const auto choice =
      prompter.ChooseFileToSave(ScenarioDialog(program, "Save Scenario With a New Name"));
  if (!choice) return outcome;
  const std::string old_open_name = program.open_name;
  const std::string old_save_name = program.save_name;
  program.open_name = *choice;
  if (!SaveScenarioAs(program, scenario, prompter, *choice)) {
    // The scenario keeps the names of the file it still belongs to.
    program.open_name = old_open_name;
    program.save_name = old_save_name;
    return outcome;
  }
  scenario.modified = false;
  outcome.title = WindowTitle(program.open_name);
  outcome.completed = true;
  return outcome;
}

}  // namespace tarvel::model
