// Reads and writes scenario files with the program state that travels with them.

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
#include "model/crash_recovery.h"
#include "model/money_format.h"
#include "model/record_counts.h"
#include "model/scenario_backup.h"
#include "model/scenario_codec.h"
#include "model/scenario_opening.h"
#include "model/scenario_ops.h"
#include "model/working_file_names.h"

namespace tarvel::model {
namespace {

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

}  // namespace

void ClaimScenarioFile(Program& program, const std::string& path) {
  if (program.scenario_claim && program.scenario_claim->Covers(path)) return;
  program.scenario_claim.reset();
  program.scenario_claim = ScenarioFileClaim::Take(path);
}

std::string ScenarioPath(const Program& program, const std::string& name) {
  const std::filesystem::path path(name);
  if (path.is_absolute() || program.working_directory.empty()) return name;
  return (std::filesystem::path(program.working_directory) / path).string();
}

FileResult ReadScenario(Program& program, Scenario& scenario) {
  std::vector<std::uint8_t> bytes;
  // Nothing after the largest complete file is ever read.
  if (!ReadFileBytes(ScenarioPath(program, program.open_name), CompleteScenarioSize(kMaxEvents),
                     bytes)) {
    return FileResult::Fail(FileProblem::CannotOpen, program.open_name);
  }
  scenario.colours.colours = program.colours;
  const ScenarioOpening opening = OpenScenarioBytes(bytes, scenario);
  const ScenarioLoad& load = opening.load;
  if (!opening.usable()) {
    FileResult result = FileResult::Fail(load.valid ? FileProblem::NotAPlan : FileProblem::Invalid,
                                         program.open_name);
    for (const std::string& line : opening.refusals) {
      result.note += (result.note.empty() ? "" : "\n") + line;
    }
    // Nothing of a refused file is kept.
    if (load.valid) ClearScenario(scenario);
    program.open_name = kFallbackScenarioName;
    program.save_name = kFallbackScenarioName;
    return result;
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
  ClaimScenarioFile(program, ScenarioPath(program, program.open_name));
  FileResult result;
  result.note = CutShortWarning(program.open_name, load);
  return result;
}

FileResult WriteScenario(Program& program, Scenario& scenario) {
  scenario.colours.colours = program.colours;
  PutWindowBlock(program, scenario.window);
  const std::string path = ScenarioPath(program, program.save_name);
  std::error_code error;
  const bool can_write = std::filesystem::is_regular_file(path, error) && CanOpenForWriting(path);
  if (can_write && program.keep_backups) KeepBackup(path);
  const bool written = can_write && WriteFileAtomically(path, EncodeScenario(scenario));
  if (!written) {
    WriteColoursFile(program.working_directory, program.colours);
    return FileResult::Fail(FileProblem::CannotWrite, program.save_name);
  }
  scenario.modified = false;
  ClaimScenarioFile(program, path);
  // The saved file holds every edit, so a copy kept for crash recovery has no use any more.
  RemoveRecoveryFile(program.working_directory);
  return {};
}

FileResult SaveScenarioAs(Program& program, Scenario& scenario, const std::string& name,
                          Overwrite overwrite) {
  const std::string path = ScenarioPath(program, name);
  const Creation creation = CreateNewFile(path);
  if (creation == Creation::Failed) return FileResult::Fail(FileProblem::CannotCreate, name);
  if (creation == Creation::Exists) {
    if (overwrite != Overwrite::Agreed) return FileResult::Fail(FileProblem::Exists, name);
    if (!CanOpenForWriting(path)) return FileResult::Fail(FileProblem::CannotOpen, name);
  }
  program.save_name = name;
  return WriteScenario(program, scenario);
}

FileResult CreateWorkingFile(Program& program, Scenario& scenario) {
  const int counter = static_cast<int>(program.startup.counter);
  const std::string name = Format(kWorkingScenarioFormat, counter, 1);
  const std::string path = ScenarioPath(program, name);
  const Creation creation = CreateNewFile(path);
  if (creation == Creation::Failed) return FileResult::Fail(FileProblem::CannotCreate, name);
  if (creation == Creation::Exists && !CanOpenForWriting(path)) {
    return FileResult::Fail(FileProblem::CannotOpen, name);
  }
  program.open_name = name;
  program.save_name = name;
  // Blocks 1 to 3 only; the reader supplies the rest when the file is opened.
  std::vector<std::uint8_t> bytes = EncodeScenario(scenario);
  const int event_count = EventCount(scenario);
  bytes.resize(kInitialValuesSize + kEventSize * event_count + kAccountTableSize);
  if (!WriteFileAtomically(path, bytes)) return FileResult::Fail(FileProblem::CannotWrite, name);
  return {};
}

}  // namespace tarvel::model
