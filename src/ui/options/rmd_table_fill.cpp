// The uniform-lifetime fill of the life-expectancy tables.
#include "ui/options/rmd_table_fill.h"

#include <string>

#include "engine/data_folders.h"
#include "engine/life_tables.h"
#include "model/money_format.h"
#include "model/record_counts.h"
#include "model/scenario_ops.h"

namespace tarvel::ui {
namespace {

platform::Message Problem(std::string text, std::string caption, platform::Icon icon) {
  platform::Message message;
  message.text = std::move(text);
  message.caption = std::move(caption);
  message.icon = icon;
  return message;
}

std::string TableTitle(const model::AccountSettings& settings, int table) {
  const std::string name = settings.rmd_table_name[table].str();
  return name.empty() ? model::Format("Table %d", table + 1)
                      : model::Format("Table %d (%s)", table + 1, name.c_str());
}

bool AnyAccountAssigned(const model::Scenario& scenario, int table) {
  for (int position = 0; position < model::AccountCount(scenario); ++position) {
    if (model::IsAssignedToRmdTable(scenario, position, table + 1)) return true;
  }
  return false;
}

}  // namespace

UniformFill ReadUniformFill(const model::Program& program, int start_age) {
  UniformFill fill;
  if (start_age < engine::kFirstFillableStartAge || start_age > engine::kLastFillableStartAge) {
    fill.problem = Problem(
        model::Format("The IRS Uniform Lifetime Table in %s covers the ages %d to %d, so it can "
                      "fill a table that starts at an age from %d to %d; this table starts at %d.",
                      engine::kMortalityFileName, engine::kFirstUniformAge, engine::kLastUniformAge,
                      engine::kFirstFillableStartAge, engine::kLastFillableStartAge, start_age),
        "AGE ERROR", platform::Icon::Error);
    return fill;
  }
  const engine::LifeTablesRead read =
      engine::ReadMortalityFile(engine::ProgramDataFolders(program.working_directory));
  if (!read.mortality_found) {
    fill.problem = Problem(
        model::Format("Cannot find the file %s, which holds the IRS Uniform Lifetime Table.\n"
                      "Copy it from the planner's data folder into the working directory %s, "
                      "or install the planner again. The table was left as it is.",
                      engine::kMortalityFileName, program.working_directory.c_str()),
        "FILE ERROR", platform::Icon::Error);
    return fill;
  }
  fill.divisors = engine::UniformLifetimeDivisors(read.tables, start_age);
  if (!fill.divisors) {
    fill.problem =
        Problem(model::Format(
                    "The file %s lacks some of the IRS Uniform Lifetime divisors for the ages "
                    "%d to %d. The table was left as it is.",
                    engine::kMortalityFileName, start_age, start_age + model::kRmdTableLength - 1),
                "FILE WARNING", platform::Icon::Warning);
  }
  return fill;
}

bool OfferToFillEmptyTable(EditorServices& services, int table) {
  model::AccountSettings& settings = services.scenario.settings;
  if (!engine::RmdTableIsEmpty(settings, table)) return false;
  const int start_age = settings.rmd_start_age[table];
  platform::Message question;
  question.text = model::Format(
      "%s holds no life-expectancy values, so no minimum distribution can be computed from "
      "it.\nFill it from the IRS Uniform Lifetime Table for the ages %d to %d?",
      TableTitle(settings, table).c_str(), start_age, start_age + model::kRmdTableLength - 1);
  question.caption = "Empty RMD Table";
  question.buttons = platform::Buttons::YesNo;
  question.icon = platform::Icon::Question;
  if (services.prompter.Ask(question) != platform::Answer::Yes) return false;
  const UniformFill fill = ReadUniformFill(services.program, start_age);
  if (!fill.divisors) {
    services.prompter.Ask(fill.problem);
    return false;
  }
  settings.rmd_life_expectancy[table] = *fill.divisors;
  services.scenario.modified = true;
  return true;
}

bool OfferToFillAssignedEmptyTables(EditorServices& services) {
  bool filled = false;
  for (int table = 0; table < model::kRmdTables; ++table) {
    if (AnyAccountAssigned(services.scenario, table) && OfferToFillEmptyTable(services, table)) {
      filled = true;
    }
  }
  return filled;
}

void FillNewPlanRmdTables(model::Scenario& scenario, const model::Program& program, int start_age) {
  const engine::LifeTablesRead read =
      engine::ReadMortalityFile(engine::ProgramDataFolders(program.working_directory));
  engine::StartNewPlanRmdTables(scenario.settings, read.tables, start_age);
}

}  // namespace tarvel::ui
