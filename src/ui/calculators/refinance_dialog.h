// The "Refinance Analysis" dialog: keeping a mortgage against refinancing it, with the yearly
// details, the refinance plotter's graph and, opened on a stored mortgage, the refinanced
// mortgage added as a new event.
#pragma once

#include <optional>

#include "calculators/refinance_analysis.h"
#include "ui/editors/editor_services.h"
#include "ui/shell/dialog_template.h"

namespace tarvel::ui {

DialogTemplate RefinanceTemplate();
// The details window: one row per household and year.
DialogTemplate RefinanceDetailsTemplate();

enum class RefinanceMode { Analysis, Details, Graph };

class RefinanceDialog : public DialogPresenter {
 public:
  // mortgage_slot: the stored mortgage the dialog was opened on, or -1 from the menu.
  RefinanceDialog(EditorServices& services, int mortgage_slot)
      : services_(services), mortgage_slot_(mortgage_slot) {}
  void Initialise(platform::DialogView& view) override;
  void Command(platform::DialogView& view, int control) override;
  bool event_created() const { return event_created_; }

  // AnalyzeRefinance: checks the fields, fills the computed ones and, by mode, shows the
  // details (and writes "refprt.tmp") or writes "ref.tmp" and starts the refinance plotter.
  // False when a check failed.
  bool AnalyzeRefinance(platform::DialogView& view, RefinanceMode mode);

 private:
  std::optional<calculators::RefinanceInputs> ReadInputs(platform::DialogView& view);
  // Accepted fields, as typed, open the next analysis from the menu.
  void KeepFields(const platform::DialogView& view, const calculators::RefinanceInputs& inputs);
  void ShowResult(platform::DialogView& view, const calculators::RefinanceResult& result);
  void ShowDetails(const calculators::RefinanceResult& result);
  void DrawGraph(const calculators::RefinanceResult& result);
  void CreateRefinanceEvent(platform::DialogView& view);
  std::string WorkingPath(const char* name) const;

  EditorServices& services_;
  int mortgage_slot_;
  bool event_created_ = false;
};

// Command 882, from the menu: never changes the scenario.
bool RunRefinanceAnalysis(EditorServices& services, const EditRequest& request);
// From the Mortgage editor on the stored mortgage in the slot: true when a refinance event was
// added.
bool RefinanceStoredMortgage(EditorServices& services, int mortgage_slot);

}  // namespace tarvel::ui
