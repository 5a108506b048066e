// Splitting the planner's command line into options, a scenario file and keywords.
#include "app/planner_arguments.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace tarvel::app {
namespace {

bool EndsWithScenarioExtension(const std::string& argument) {
  if (argument.size() <= 4) return false;
  std::string extension = argument.substr(argument.size() - 4);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".ret";
}

std::string Absolute(const std::string& path, const std::string& current_directory) {
  const std::filesystem::path given(path);
  if (given.is_absolute()) return given.lexically_normal().string();
  return (std::filesystem::path(current_directory) / given).lexically_normal().string();
}

}  // namespace

PlannerArguments ParsePlannerArguments(const std::vector<std::string>& arguments,
                                       const std::string& current_directory) {
  PlannerArguments parsed;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--help" || argument == "-h") {
      parsed.help = true;
    } else if (argument == "--version") {
      parsed.version = true;
    } else if (argument == "--man") {
      parsed.man = true;
    } else if (argument == "--workdir") {
      if (i + 1 >= arguments.size())
        parsed.problem = "--workdir needs a folder.";
      else
        parsed.workdir = arguments[++i];
    } else if (argument.rfind("--workdir=", 0) == 0) {
      parsed.workdir = argument.substr(10);
    } else if (EndsWithScenarioExtension(argument)) {
      if (!parsed.scenario_path.empty()) parsed.problem = "Only one scenario file can be opened.";
      parsed.scenario_path = Absolute(argument, current_directory);
    } else {
      parsed.command_line += argument + " ";
    }
  }
  return parsed;
}

}  // namespace tarvel::app
