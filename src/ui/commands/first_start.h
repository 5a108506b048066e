// The page the planner shows in place of the summary while no plan is open: the ways to
// begin (a new plan by hand or from an account report, a plan on disk, one of the sample
// plans shipped with the program, a recent plan) and what choosing each one does.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "model/program.h"
#include "ui/shell/dispatcher.h"

namespace tarvel::ui {

struct StartChoice {
  enum class Kind { NewByHand, NewFromReport, Open, Sample, Recent };
  Kind kind = Kind::NewByHand;
  std::string caption;  // the button's text
  std::string detail;   // one line under it, or its tooltip
  std::string path;     // the sample or recent plan
  int command = 0;      // the command the choice dispatches; 0 for a sample
};

struct StartPageContent {
  std::vector<StartChoice> begin;    // new by hand, new from a report, open
  std::vector<StartChoice> samples;  // one per sample plan found
  std::vector<StartChoice> recent;   // one per recent plan that still exists
  std::string keys_note;             // which keys are in force and how to switch
};

// While no plan is open and nothing has been typed, the first folder shows the start page.
bool ShowsStartPage(const ShellState& state, const model::Scenario& scenario);

// The sample plans (*.ret) of the first folder that holds any, sorted by name.
std::vector<std::string> FindSamplePlans(const std::vector<std::filesystem::path>& folders);

StartPageContent StartPageChoices(const model::Program& program,
                                  const std::vector<std::string>& sample_plans);

// Carries out a choice: a command through the dispatcher (which asks and guards as for the
// menu item), a sample opened as a new unnamed plan.
class StartPagePresenter {
 public:
  StartPagePresenter(CommandContext& context, Dispatcher& dispatcher)
      : context_(context), dispatcher_(dispatcher) {}

  void Choose(const StartChoice& choice);

 private:
  CommandContext& context_;
  Dispatcher& dispatcher_;
};

}  // namespace tarvel::ui
