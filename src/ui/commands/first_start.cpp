// The start page's choices and what each one does.
#include "ui/commands/first_start.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <system_error>

#include "ui/commands/file_commands.h"
#include "ui/commands/scenario_file_steps.h"
#include "ui/shell/command_ids.h"

namespace tarvel::ui {
namespace {

namespace fs = std::filesystem;

struct KnownSample {
  const char* stem;
  const char* caption;
  const char* detail;
};

constexpr std::array<KnownSample, 3> kKnownSamples = {{
    {"couple-saving", "A couple saving for retirement",
     "45 to 95: a mortgage, loans, deposits into a 401(k) and a Roth IRA, budgets"},
    {"early-retiree-72t", "An early retiree living on Rule 72T payments",
     "52 to 95: an IRA paid out early without penalty, withdrawals from a brokerage account"},
    {"single-drawdown", "A single retiree drawing down savings",
     "58 to 95: withdrawals from savings, an IRA, a 403(b) and a Roth IRA, minimum distributions"},
}};

// "single-drawdown" reads "Single drawdown".
std::string CaptionFromStem(std::string stem) {
  std::replace(stem.begin(), stem.end(), '-', ' ');
  std::replace(stem.begin(), stem.end(), '_', ' ');
  if (!stem.empty()) stem[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(stem[0])));
  return stem;
}

StartChoice SampleChoice(const std::string& path) {
  const std::string stem = fs::path(path).stem().string();
  StartChoice choice{StartChoice::Kind::Sample, CaptionFromStem(stem), "", path, 0};
  for (const KnownSample& known : kKnownSamples) {
    if (stem == known.stem) {
      choice.caption = known.caption;
      choice.detail = known.detail;
    }
  }
  return choice;
}

}  // namespace

bool ShowsStartPage(const ShellState& state, const model::Scenario& scenario) {
  return !state.scenario_loaded && !scenario.modified;
}

std::vector<std::string> FindSamplePlans(const std::vector<fs::path>& folders) {
  for (const fs::path& folder : folders) {
    std::vector<std::string> plans;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
      if (it->path().extension() == ".ret" && it->is_regular_file(error)) {
        plans.push_back(it->path().string());
      }
    }
    if (!plans.empty()) {
      std::sort(plans.begin(), plans.end());
      return plans;
    }
  }
  return {};
}

StartPageContent StartPageChoices(const model::Program& program,
                                  const std::vector<std::string>& sample_plans) {
  using Kind = StartChoice::Kind;
  StartPageContent content;
  content.begin = {
      {Kind::NewByHand, "New plan", "Start with no accounts and add them by hand", "",
       kNewAccountsByHand},
      {Kind::NewFromReport, "New from an account report",
       "Make the accounts from a tab- or comma-delimited report of your balances", "", kNewCommand},
      {Kind::Open, "Open a plan", "Open a scenario file (*.ret) you saved before", "",
       kOpenCommand},
  };
  for (const std::string& path : sample_plans) content.samples.push_back(SampleChoice(path));
  for (std::size_t i = 0; i < program.recent_files.size(); ++i) {
    const std::string& name = program.recent_files[i];
    std::error_code error;
    if (name.empty() || !fs::is_regular_file(name, error)) continue;
    content.recent.push_back(
        {Kind::Recent, fs::path(name).filename().string(), name, name, kRecentFileCommands[i]});
  }
  return content;
}

void StartPagePresenter::Choose(const StartChoice& choice) {
  if (choice.kind != StartChoice::Kind::Sample) {
    dispatcher_.DispatchCommand(choice.command);
    return;
  }
  if (context_.editors.EditorIsOpen(context_.state.printing)) return;
  if (PromptSaveScenario(context_.program, context_.scenario, context_.prompter) ==
      platform::Answer::Cancel) {
    return;
  }
  if (OpenSamplePlan(context_, choice.path).replaced_scenario) dispatcher_.EndReplacingScenario();
}

}  // namespace tarvel::ui
