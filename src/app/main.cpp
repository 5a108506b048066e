// tarvel-planner: the desktop retirement planner. Enters the working directory, reads the
// command-line keywords, and runs the main window until it is closed.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/data_paths.h"
#include "app/main_window.h"
#include "app/planner_arguments.h"
#include "app/planner_session.h"
#include "app/planner_usage.h"
#include "model/working_directory_lock.h"
#include "ui/shell/keywords.h"

namespace {

// A message box; without a screen to show it on (the offscreen platform of headless runs)
// the text goes to standard error only.
void ShowStartProblem(const std::string& text) {
  std::fprintf(stderr, "%s\n", text.c_str());
  if (QGuiApplication::platformName() == "offscreen") return;
  QMessageBox::critical(nullptr, "Tarvel Financial Planner", QString::fromStdString(text));
}

}  // namespace

int main(int argc, char** argv) {
  const tarvel::app::PlannerArguments arguments = tarvel::app::ParsePlannerArguments(
      std::vector<std::string>(argv + 1, argv + argc), std::filesystem::current_path().string());
  if (arguments.help) {
    std::fputs(tarvel::app::PlannerUsage().c_str(), stdout);
    return 0;
  }
  // Prints the manual page; the build installs it as tarvel-planner(1).
  if (arguments.man) {
    std::fputs(tarvel::app::PlannerManPage().c_str(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
  }
  if (arguments.version) {
    std::printf("tarvel-planner %s\n", TARVEL_VERSION);
    // Where the shipped files are found tells an installation apart from a build.
    const QString help = tarvel::app::FindDataFile("help/contents.html");
    const QString data =
        help.isEmpty() ? QString("(not found)") : QFileInfo(help).dir().absolutePath();
    std::printf("data folder: %s\n", qPrintable(data.endsWith("/help") ? data.chopped(5) : data));
    return 0;
  }
  if (!arguments.problem.empty()) {
    std::fprintf(stderr, "%s\n%s", arguments.problem.c_str(), tarvel::app::PlannerUsage().c_str());
    return 2;
  }
  QApplication application(argc, argv);
  // Qt takes the numeric locale from the environment; schedule texts are always printed with
  // a decimal point.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName("tarvel-planner");
  QApplication::setApplicationDisplayName("Tarvel Financial Planner");
  QApplication::setApplicationVersion(TARVEL_VERSION);
  QApplication::setDesktopFileName("com.tarvelsoftware.Planner");

  const std::string workdir = tarvel::app::ChooseWorkingDirectory(arguments.workdir);
  std::string problem;
  if (!tarvel::app::PrepareWorkingDirectory(workdir, problem)) {
    QMessageBox::critical(nullptr, "Tarvel Financial Planner", QString::fromStdString(problem));
    return 1;
  }
  // Held until the planner ends; a second planner on this folder stops before touching it.
  tarvel::model::WorkingDirectoryLock folder_lock;
  const std::string folder = std::filesystem::current_path().string();
  if (folder_lock.Take(folder) == tarvel::model::LockOutcome::HeldByAnother) {
    ShowStartProblem(tarvel::model::WorkingDirectoryLock::HeldMessage(folder));
    return 1;
  }
  tarvel::app::PlannerSession session(std::filesystem::current_path().string(),
                                      tarvel::ui::ParseKeywords(arguments.command_line));
  session.ReadPreferences();
  tarvel::app::MainWindow window(session, {});
  window.StartUp(arguments.scenario_path);
  window.show();
  return application.exec();
}
