// Names the values the plan checks refuse by their paths in the scenario's JSON form.
#include "exchange/json_plan_paths.h"

#include "model/event_views.h"

namespace tarvel::exchange {
namespace {

std::string Indexed(const char* list, int index) {
  return std::string(list) + "[" + std::to_string(index) + "]";
}

// The path of the record holding the value, ending before the field name.
std::string RecordPath(const model::PlanPlace& place) {
  using model::PlanRecord;
  switch (place.record) {
    case PlanRecord::Initial:
      return "initial";
    case PlanRecord::AccountOptions:
      return "account_options";
    case PlanRecord::Account:
      return Indexed("accounts", place.index);
    case PlanRecord::RmdSettings:
      return "settings";
    case PlanRecord::Groups:
      return "groups";
    case PlanRecord::Event:
      return Indexed("events", place.index);
    case PlanRecord::Budget:
      return Indexed("budgets", place.index);
    case PlanRecord::IncomeExpense:
      return "income_expense." + std::to_string(place.index);
  }
  return {};
}

}  // namespace

std::string JsonPathOf(const model::PlanPlace& place, const model::Scenario& scenario) {
  std::string field(place.field);
  if (place.record == model::PlanRecord::Event) {
    const std::string_view meaning =
        model::MeaningOf(model::FieldMeaningsOf(scenario.events[place.index]), place.field);
    if (!meaning.empty()) field = meaning;
  }
  std::string path = RecordPath(place) + "." + field;
  // The life-expectancy tables are one list of three lists.
  if (place.record == model::PlanRecord::RmdSettings && place.index >= 0) {
    path += "[" + std::to_string(place.index) + "]";
  }
  if (place.entry >= 0) path += "[" + std::to_string(place.entry) + "]";
  return path;
}

std::string FirstPlanProblem(const model::Scenario& scenario) {
  const std::vector<model::PlanProblem> problems = model::FindPlanProblems(scenario);
  if (problems.empty()) return {};
  const model::PlanProblem& first = problems.front();
  return model::ProblemText(first, JsonPathOf(first.place, scenario));
}

}  // namespace tarvel::exchange
