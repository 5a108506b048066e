// Opens a scenario file's bytes as a plan and words what a file cut short was given.
#include "model/scenario_opening.h"

#include <iterator>

#include "model/plan_checks.h"

namespace tarvel::model {
namespace {

// What blocks 4 to 17 hold, in plain words.
constexpr const char* kBlockNames[] = {
    "account groups",    "report headings",
    "account settings",  "report fonts",
    "report fonts",      "report fonts",
    "page setup",        "budgets",
    "dividend settings", "allocation categories",
    "asset allocations", "mortgage equity accounts",
    "colours",           "income and expense lists",
};
constexpr int kFirstNamedBlock = 4;

const char* BlockName(int block) { return kBlockNames[block - kFirstNamedBlock]; }

// The names of the block and every later one, once each: "a, b, and c".
std::string BlocksFrom(int block) {
  std::vector<std::string> names;
  for (int b = block; b < kFirstNamedBlock + static_cast<int>(std::size(kBlockNames)); ++b) {
    if (names.empty() || names.back() != BlockName(b)) names.emplace_back(BlockName(b));
  }
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += names.size() > 2 ? ", " : " ";
    if (i > 0 && i + 1 == names.size()) text += "and ";
    text += names[i];
  }
  return text;
}

std::vector<std::string> RefusalLines(const Scenario& scenario) {
  const std::vector<PlanProblem> problems = FindPlanProblems(scenario);
  std::vector<std::string> lines;
  for (const PlanProblem& problem : problems) {
    if (lines.size() == kRefusalsTold) {
      lines.push_back("and " + std::to_string(problems.size() - kRefusalsTold) +
                      " more values that are not finite numbers");
      break;
    }
    lines.push_back(ProblemText(problem, PlainPlace(problem.place, scenario)));
  }
  return lines;
}

}  // namespace

ScenarioOpening OpenScenarioBytes(std::span<const std::uint8_t> bytes, Scenario& scenario) {
  ScenarioOpening opening;
  opening.load = DecodeScenario(bytes, scenario);
  if (opening.load.valid) opening.refusals = RefusalLines(scenario);
  return opening;
}

std::string CutShortWarning(const std::string& file, const ScenarioLoad& load) {
  if (!load.valid || load.cut_block < kFirstNamedBlock) return {};
  return file + " ends inside its " + BlockName(load.cut_block) +
         "; default values were filled in for the " + BlocksFrom(load.cut_block) + ".";
}

}  // namespace tarvel::model
