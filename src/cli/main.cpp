// The command-line planner: registers each subcommand and turns failures into exit statuses
// (0 success, 1 bad input with a one-line message on stderr, 2 usage).
#include <CLI/CLI.hpp>
#include <cstdio>
#include <exception>

#include "cli/convert_command.h"
#include "cli/graph_command.h"
#include "cli/rule72t_command.h"
#include "cli/run_command.h"

int main(int argc, char** argv) {
  CLI::App app{"Tarvel Financial Planner command line"};
  app.set_version_flag("--version", "tarvel " TARVEL_VERSION);
  app.require_subcommand(1);
  // Each subcommand registers itself here; its callback stores the exit status.
  int status = 0;
  tarvel::cli::AddConvertCommand(app, status);
  tarvel::cli::AddRunCommand(app, status);
  tarvel::cli::AddRule72TCommand(app, status);
  tarvel::cli::AddGraphCommand(app, status);
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
  return status;
}
