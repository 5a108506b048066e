// The command-line planner: registers each subcommand and turns failures into exit statuses
// (0 success, 1 bad input with a one-line message on stderr, 2 usage).
#include <CLI/CLI.hpp>
#include <csignal>
#include <cstdio>
#include <exception>
#include <string_view>

#include "cli/calc_command.h"
#include "cli/convert_command.h"
#include "cli/export_command.h"
#include "cli/graph_command.h"
#include "cli/import_command.h"
#include "cli/interrupt_signals.h"
#include "cli/man_page.h"
#include "cli/montecarlo_command.h"
#include "cli/print_command.h"
#include "cli/report_command.h"
#include "cli/rule72t_command.h"
#include "cli/run_command.h"
#include "cli/standard_output.h"

namespace {

// The first word that is not an option names the command; true when it names none of them,
// after saying so and listing the commands.
bool RefuseUnknownCommand(const CLI::App& app, int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view word = argv[i];
    if (word.empty() || word.front() == '-') continue;
    const auto commands = app.get_subcommands([](const CLI::App*) { return true; });
    for (const CLI::App* command : commands) {
      if (command->check_name(std::string(word))) return false;
    }
    std::fprintf(stderr, "unknown command: %s\ncommands:\n", argv[i]);
    for (const CLI::App* command : commands) {
      std::fprintf(stderr, "  %-9s %s\n", command->get_name().c_str(),
                   command->get_description().c_str());
    }
    return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  // A closed pipe on standard output is reported as a write failure, so that a command still
  // ends normally and removes its temporary folder.
  std::signal(SIGPIPE, SIG_IGN);
  tarvel::cli::EndCleanlyOnInterrupt();
  CLI::App app{"Tarvel Financial Planner command line"};
  app.set_version_flag("--version", "tarvel " TARVEL_VERSION);
  app.require_subcommand(1);
  // Each subcommand registers itself here; its callback stores the exit status.
  int status = 0;
  tarvel::cli::AddConvertCommand(app, status);
  tarvel::cli::AddRunCommand(app, status);
  tarvel::cli::AddRule72TCommand(app, status);
  tarvel::cli::AddGraphCommand(app, status);
  tarvel::cli::AddPrintCommand(app, status);
  tarvel::cli::AddReportCommand(app, status);
  tarvel::cli::AddCalcCommand(app, status);
  tarvel::cli::AddExportCommand(app, status);
  tarvel::cli::AddImportCommand(app, status);
  tarvel::cli::AddMonteCarloCommand(app, status);
  tarvel::cli::AddManPageFlag(app);
  if (RefuseUnknownCommand(app, argc, argv)) return 2;
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    const int code = app.exit(error);
    // --help and --version end with success; every other parse failure is a usage error.
    return code == 0 ? 0 : 2;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "tarvel: %s\n", error.what());
    return 1;
  }
  // What a command printed must have reached standard output, as any file it writes.
  if (const std::error_code problem = tarvel::cli::FlushStandardOutput()) {
    std::fprintf(stderr, "%s\n", tarvel::cli::StandardOutputMessage(problem).c_str());
    return 1;
  }
  return status;
}
