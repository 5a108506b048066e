// The budget working files ("budout.tmp" and its kin): any text is read or refused without
// fault, and a budget read from it writes a file that reads back to the same text.
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "ui/budgets/budget_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvel;
  model::Budget budget{};
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (ui::ParseBudgetFileText(text, budget) != ui::BudgetFileStatus::Read) return 0;
  const std::string written = ui::BudgetFileText(budget);
  model::Budget again{};
  fuzz::Check(ui::ParseBudgetFileText(written, again) == ui::BudgetFileStatus::Read,
              "written budget file reads");
  fuzz::Check(ui::BudgetFileText(again) == written, "budget file reads back the same");
  return 0;
}
