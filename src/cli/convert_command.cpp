// `tarvel convert`: scenario files and their JSON form, in either direction; the output file
// is replaced only once it is complete.
#include "cli/convert_command.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>

#include "cli/input_file.h"
#include "cli/opened_scenario.h"
#include "exchange/scenario_json.h"
#include "exchange/scenario_json_limits.h"
#include "model/atomic_file.h"
#include "model/records.h"
#include "model/scenario_codec.h"

namespace tarvel::cli {
namespace {

enum class FileForm { kScenario, kJson };

std::optional<FileForm> FormOf(const std::string& path) {
  const auto dot = path.find_last_of('.');
  if (dot == std::string::npos || path.find('/', dot) != std::string::npos) return std::nullopt;
  std::string extension = path.substr(dot + 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == "ret") return FileForm::kScenario;
  if (extension == "json") return FileForm::kJson;
  return std::nullopt;
}

// Reads the input into scenario; on failure prints the message and returns false.
bool ReadInput(const std::string& path, FileForm form, model::Scenario& scenario) {
  const std::optional<std::vector<std::uint8_t>> read = ReadInputFile(path);
  if (!read) return false;
  const std::vector<std::uint8_t>& bytes = *read;
  if (form == FileForm::kScenario) return DecodeScenarioFile(path, bytes, scenario);
  // Size and shape are checked before any value is built, so memory stays bounded.
  const exchange::JsonLoad load = exchange::ScenarioFromJsonBytes(bytes, scenario);
  if (!load.ok) Fail(path + ": " + load.error);
  return load.ok;
}

bool WriteOutput(const std::string& path, FileForm form, const model::Scenario& scenario,
                 std::error_code& error) {
  if (form == FileForm::kScenario) {
    return model::WriteFileAtomically(path, model::EncodeScenario(scenario), error);
  }
  return model::WriteFileAtomically(path, exchange::ScenarioToJson(scenario).dump(2) + "\n", error);
}

}  // namespace

int RunConvert(const ConvertOptions& options) {
  const auto input_form = FormOf(options.input);
  const auto output_form = FormOf(options.output);
  if (!input_form || !output_form) {
    std::fprintf(stderr, "tarvel convert: file names must end in .ret or .json\n");
    return 2;
  }
  // The colours a file without a colours block keeps are the program's default colours.
  auto scenario = std::make_unique<model::Scenario>();
  if (!ReadInput(options.input, *input_form, *scenario)) return 1;
  std::error_code error;
  if (!WriteOutput(options.output, *output_form, *scenario, error)) {
    return Fail(model::CannotWriteMessage(options.output, error));
  }
  return 0;
}

void AddConvertCommand(CLI::App& app, int& status) {
  auto options = std::make_shared<ConvertOptions>();
  CLI::App* command = app.add_subcommand(
      "convert", "Convert a scenario between its file (.ret) and JSON (.json) forms");
  command->add_option("IN", options->input, "Scenario to read (.ret or .json)")->required();
  command->add_option("OUT", options->output, "File to write (.ret or .json)")->required();
  command->callback([options, &status] { status = RunConvert(*options); });
}

}  // namespace tarvel::cli
