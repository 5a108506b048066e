// What the results folder asks of the shell around it: runs of the scenario, the editors it
// opens, printing, help and the age marked in the graph folders.
#pragma once

#include <cstdint>
#include <string>

#include "engine/run.h"
#include "results/schedule_run.h"

namespace tarvel::ui {

class ResultsFolderHost {
 public:
  virtual ~ResultsFolderHost() = default;

  // Runs the scenario once with these options and returns the finished run; the results
  // list of a mode-0 run is what the folder shows. The folder sets the mode, the check-box
  // and random-rate flags, saving, suppress_detail, write_run_files and output_file; the host
  // fills in the program-wide fields (working directory, currency, file names, random seed).
  // The folder shows the run's messages itself.
  virtual const results::ScheduleRun& RunScenario(const engine::RunOptions& options) = 0;
  // The results of the last run, without running again.
  virtual const results::ScheduleRun& LastRun() const = 0;
  virtual float StartAge() const = 0;
  virtual float EndAge() const = 0;
  // A program colour, 0x00BBGGRR, by index 0 to 15 (14: red-flag text, 15: list banding).
  virtual std::uint32_t Colour(int index) const = 0;
  // The scenario's option to show net worth in the purchasing power of the start age.
  virtual bool ShowsPurchasingPower() const = 0;
  // Before a random-rate run: every account's drawn-rate statistics start again
  // (engine::ResetAccountRateStatistics on the scenario).
  virtual void ResetRateStatistics() = 0;
  // True when an editor or tool is open (it is brought to the top).
  virtual bool EditorIsOpen() = 0;
  // Opens the initial-values editor; true when the user changed something.
  virtual bool EditInitialValues() = 0;
  // Opens the editor of the event in this slot, from the results folder.
  virtual void EditEvent(int slot) = 0;
  virtual void PrintResults() = 0;
  virtual void ShowHelp(int context) = 0;
  // The age chosen in the results folder, marked in the graph folders (0: none).
  virtual void MarkAge(int age) = 0;
  // Fills the event list folder again when it is open.
  virtual void RefreshEventList() = 0;
  // Takes the results folder off the screen; it is built again when next selected.
  virtual void CloseResultsFolder() = 0;
  // Opens the accounts editor.
  virtual void EditAccounts() = 0;
};

}  // namespace tarvel::ui
