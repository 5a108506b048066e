// The life-expectancy table editor ("mrdtable"): one of the three tables of divisors the
// minimum distributions use, with its name, its start age and 30 values, one per year of age.
// The values can be filled from the IRS Uniform Lifetime Table for the start age typed.
// Values outside 0..50 are reported and stored even so; after storing, the first value (in age
// order) that is 0 or does not decrease from the age before is reported as probably wrong.
#pragma once

#include <array>
#include <optional>

#include "model/records.h"
#include "ui/editors/editor_services.h"
#include "ui/shell/dialog_template.h"

namespace tarvel::ui {

namespace life_table_controls {
inline constexpr int kTitle = 3;
inline constexpr int kStartAge = 4;
inline constexpr int kFirstValue = 70;  // 70..99, one per age from the start age on
inline constexpr int kHelp = 5;
inline constexpr int kFillUniform = 6;      // "Fill from the IRS Uniform Lifetime Table"
inline constexpr int kFirstAgeLabel = 700;  // 700..729
inline constexpr int kName = 130;
}  // namespace life_table_controls

DialogTemplate LifeTableTemplate();

// The position (0..29) of the first value that is 0 or not smaller than the one before, or
// none.
std::optional<int> FirstSuspectValue(const std::array<float, model::kRmdTableLength>& values);

class LifeTableEditor : public DialogPresenter {
 public:
  // table: 0..2.
  LifeTableEditor(EditorServices& services, int table);
  void Initialise(platform::DialogView& view) override;
  void Command(platform::DialogView& view, int control) override;
  bool committed() const { return committed_; }

 private:
  void Confirm(platform::DialogView& view);
  // Shows the uniform-lifetime divisors of the typed start age; nothing is stored until OK.
  void FillFromUniformTable(platform::DialogView& view);

  EditorServices& services_;
  int table_;
  bool committed_ = false;
};

// Shows the editor for table 0..2; true when the table was stored.
bool EditLifeTable(EditorServices& services, int table);

}  // namespace tarvel::ui
