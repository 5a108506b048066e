// The Trade-Off Analysis dialog: three options compared over a number of periods, kept in
// "tradeinf.dat", and drawn by the trade-off plotter from "trade.tmp".
#pragma once

#include "model/calculator_inputs.h"
#include "ui/editors/editor_services.h"

namespace tarvel::ui {

DialogTemplate TradeOffTemplate();

class TradeOffDialog : public DialogPresenter {
 public:
  explicit TradeOffDialog(EditorServices& services);
  void Initialise(platform::DialogView& view) override;
  void Command(platform::DialogView& view, int control) override;

 private:
  model::TradeOffInputs ReadGrid(const platform::DialogView& view) const;
  float TaxFactor(const model::TradeOffInputs& inputs) const;
  // Reads the grid, shows the three values and their differences, and keeps the inputs.
  model::TradeOffInputs Recompute(platform::DialogView& view);
  void Graph(platform::DialogView& view);
  void Confirm(platform::DialogView& view);
  std::string PathOf(const char* name) const;

  EditorServices& services_;
};

bool ShowTradeOffAnalysis(EditorServices& services, const EditRequest& request);

}  // namespace tarvel::ui
