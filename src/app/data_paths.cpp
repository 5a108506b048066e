// Locating the working directory and the shipped data files.
#include "app/data_paths.h"

#include <QDir>
#include <QFileInfo>
#include <cstdlib>
#include <filesystem>

#include "engine/data_folders.h"

namespace tarvel::app {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

std::string ChooseWorkingDirectory(const std::string& option) {
  if (!option.empty()) return option;
  if (std::string home = Environment("TARVEL_HOME"); !home.empty()) return home;
  std::string data = Environment("XDG_DATA_HOME");
  if (data.empty()) data = Environment("HOME") + "/.local/share";
  return data + "/tarvel-planner";
}

bool PrepareWorkingDirectory(const std::string& folder, std::string& problem) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error || !std::filesystem::is_directory(folder, error)) {
    problem = "Cannot create the working directory " + folder + ".";
    return false;
  }
  std::filesystem::current_path(folder, error);
  if (error) {
    problem = "Cannot enter the working directory " + folder + ".";
    return false;
  }
  return true;
}

QString FindDataFile(const QString& relative_path) {
  const std::filesystem::path found = engine::FindDataFile(
      engine::ProgramDataFolders(QDir::currentPath().toStdString()), relative_path.toStdString());
  if (found.empty()) return {};
  return QFileInfo(QString::fromStdString(found.string())).absoluteFilePath();
}

}  // namespace tarvel::app
